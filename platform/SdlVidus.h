#pragma once
// Internals shared by the SDL implementation of the Windows subset. Only platform/
// includes this header (it pulls in SDL).
#include <SDL2/SDL.h>

#include <string>

#include "platform/Win32.h"

namespace platforma {

// Starts SDL's video subsystem once; false when no video driver can start.
bool UztikrintiVaizda();
// Starts SDL's joystick and game-controller subsystems once, with the pad mappings
// of a gamecontrollerdb.txt beside the program when there is one.
bool UztikrintiVairalazdes();
// Adds the pad mappings of a file in SDL's gamecontrollerdb format: how many SDL took,
// -1 when the file cannot be read. Lines SDL cannot use are skipped.
int UzkrautiPaduAprasus(const char* failas);

struct Langas;

// A device context: one per window (the class asks for CS_OWNDC), created with it.
struct Kontekstas {
  Langas* langas = nullptr;
  int formatas = 0;          // 0 until SetPixelFormat
  PIXELFORMATDESCRIPTOR pfd = {};
  HGDIOBJ sriftas = nullptr;  // selected font; a stock font at first
};

struct Langas {
  SDL_Window* sdl = nullptr;
  std::string klase;
  WNDPROC procedura = nullptr;
  DWORD stilius = 0;
  DWORD isplestinis = 0;
  std::string pavadinimas;
  int x = 0, y = 0, plotis = 0, aukstis = 0;  // client area, screen coordinates
  bool visoEkrano = false;
  bool darbalaukis = false;  // a popup over a whole display, at the display's own mode
  Kontekstas dc;
};

// Live-object checks for handles handed out by the layer.
Langas* RastiLanga(HWND hwnd);
Langas* RastiLangaPagalSdl(Uint32 sdlId);
Kontekstas* RastiKonteksta(HDC dc);
// Sets SDL's GL attributes for a format handed out by ChoosePixelFormat and returns
// what that format holds; null for a number never handed out.
const PIXELFORMATDESCRIPTOR* TaikytiFormata(int formatas);
// Re-creates the SDL window with an OpenGL surface for the chosen format.
bool PerkurtiSuGl(Langas* langas);
// Called when a window goes, so contexts drop their pointers to it.
void LangasNaikinamas(Langas* langas);

// A fresh DC starts with the stock font selected.
void PradinisSriftas(Kontekstas* k);
// Whether some window's DC has the font selected.
bool SriftasPasirinktas(HGDIOBJ sriftas);

// Translates an SDL key to a Windows virtual-key code (0 when the key has none) and
// tells whether Windows counts it as an extended key.
int VirtualusKlavisas(const SDL_Keysym& klavisas, bool* isplestinis);

#ifdef TANKAI_PLATFORMOS_TESTAI
// Test switches (see PlatformosTestai.h): true when this call of the named
// operation is to fail.
bool Sugadinta(const char* operacija);
// True when message boxes are recorded instead of shown.
bool PranesimaiIrasomi();
void IrasytiPranesima(const char* tekstas, const char* antraste, UINT tipas);
// Counts a screen-saver or monitor power-off request the default procedure got.
void UzsklandosPrasymas();
#else
// The game as shipped has no switches: every call goes through, every box is shown.
inline bool Sugadinta(const char*) { return false; }
inline bool PranesimaiIrasomi() { return false; }
inline void IrasytiPranesima(const char*, const char*, UINT) {}
inline void UzsklandosPrasymas() {}
#endif

// Sends a message straight to a window's procedure, as SendMessage would.
LRESULT Siusti(Langas* langas, UINT pranesimas, WPARAM wParam, LPARAM lParam);

// Full-screen mode switched by ChangeDisplaySettingsExA, applied to popup windows.
struct EkranoRezimas {
  bool perjungtas = false;
  int ekranas = 0;
  SDL_DisplayMode rezimas = {};
};
EkranoRezimas& Rezimas();

}  // namespace platforma
