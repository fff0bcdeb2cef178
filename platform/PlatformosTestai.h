#pragma once
// Test-only controls of the platform layer: failure switches for the window-system
// calls, a recorder in place of message boxes, counters of live handles, and ways to
// feed the layer the events a user or a joystick would produce. Nothing in the game
// calls these. SDL stays hidden behind them.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/PadoIsdestymas.h"
#include "platform/Platforma.h"

// Headless runs: selects SDL's offscreen video driver unless one is already chosen.
void TestaiBeEkrano();

// The next `kelintas`-th call (1 = the very next) of the named operation fails and
// does nothing. Names are the Windows ones: "RegisterClassA", "CreateWindowExA",
// "GetDC", "wglMakeCurrent", "DestroyWindow", "CreateFontA" ...
void TestaiSugadinti(const char* operacija, int kelintas = 1);
void TestaiAtstatyti();  // clears every armed failure

// Message boxes: recorded rather than shown while on.
// Each record also notes what the layer held while the box was up, so a test can tell
// whether a teardown came before or after it.
struct TestuPranesimas {
  std::string tekstas;
  std::string antraste;
  UINT tipas;
  int langu;
  int glKontekstu;
  int klasiu;
  bool ekranasPerjungtas;
};
void TestaiIrasytiPranesimus(bool irasyti);
const std::vector<TestuPranesimas>& TestaiPranesimai();
void TestaiIsvalytiPranesimus();

// What the layer holds right now.
int TestaiLangu();         // live windows
int TestaiGlKontekstu();   // live rendering contexts
int TestaiKlasiu();        // registered window classes
bool TestaiEkranasPerjungtas();
int TestaiZymeklioSkaitiklis();  // ShowCursor's display count
bool TestaiLangasMatomas(HWND hwnd);
// The client rectangle on the screen as the layer placed it.
RECT TestaiKlientoSritis(HWND hwnd);
// Whether the window is a full-screen window at the desktop's own mode.
bool TestaiDarbalaukioLangas(HWND hwnd);
// Resizes the window as a user or the window manager would.
bool TestaiKeistiDydi(HWND hwnd, int plotis, int aukstis);
// The window system's own id of the window (an X11 window), 0 when there is none.
unsigned long TestaiSistemosLangoId(HWND hwnd);
// Selects the X11 video driver, for the one test that needs a real X server.
void TestaiX11();
// Releases everything still held (windows, contexts, classes, the mode switch), for
// tests that made a release fail on purpose.
void TestaiIsvalytiViska();
// True when SwapBuffers paces itself to the display's refresh rate.
bool TestaiKadraiRibojami();
// How many screen-saver and monitor power-off commands reached the default procedure
// (where Windows would act on them).
int TestaiUzsklandosPrasymai();

// Events as the window system would deliver them. The key is named as SDL names
// scancodes ("A", "Left", "F10", "Keypad 8", "Left Alt"...).
enum : unsigned { TESTAI_ALT = 1, TESTAI_CTRL = 2, TESTAI_SHIFT = 4, TESTAI_NUMLOCK = 8 };
bool TestaiKlavisas(HWND hwnd, const char* klavisas, bool nuspaustas, bool kartojimas = false,
                    unsigned modifikatoriai = 0);
bool TestaiPelesMygtukas(HWND hwnd, int mygtukas /*1 left, 2 middle, 3 right*/, bool nuspaustas);
bool TestaiRatukas(HWND hwnd, float linijos);
bool TestaiUzdaryti(HWND hwnd);  // the close box
bool TestaiIseiti();             // a quit request from the system

// Virtual joysticks of a kind SDL does not know, read raw. Returns the device index or -1.
int TestaiPrijungtiVairalazde(int asys, int mygtukai);
bool TestaiVairalazdesAsis(int prietaisas, int asis, int16_t reiksme);
bool TestaiVairalazdesMygtukas(int prietaisas, int mygtukas, bool nuspaustas);
// A virtual game pad SDL knows, with the buttons and sticks of the pad layout given by
// bit (1 << PadoMygtukas, 1 << PadoAsis) and a d-pad; moved by its own controls.
int TestaiPrijungtiPada(unsigned mygtukai = ~0u, unsigned asys = ~0u);
bool TestaiPadoMygtukas(int prietaisas, PadoMygtukas mygtukas, bool nuspaustas);
bool TestaiPadoAsis(int prietaisas, PadoAsis asis, int16_t reiksme);
bool TestaiPadoKryzmas(int prietaisas, bool aukstyn, bool desinen, bool zemyn, bool kairen);
// The device's GUID as SDL's mapping lines write it (without the name's checksum).
std::string TestaiVairalazdesGuid(int prietaisas);
// Pulls one virtual device out (the indices of those after it move down by one).
bool TestaiAtjungtiVairalazde(int prietaisas);
void TestaiAtjungtiVairalazdes();
// Reads a file of pad mappings as the layer reads the one beside the game.
int TestaiPaduAprasai(const char* failas);
