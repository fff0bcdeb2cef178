// Test-only controls of the layer: failure switches, the message-box recorder, live
// handle counts and synthetic events pushed through SDL's own queue, so the real
// translation path runs.
#include "platform/PlatformosTestai.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/SdlVidus.h"

namespace platforma {
void IsvalytiLangus();
void UzdarytiVairalazdes();
int LanguKiekis();
int KlasiuKiekis();
int ZymeklioSkaitiklis();
int GlKontekstuKiekis();
bool KadraiRibojami();

namespace {
struct Gedimas {
  std::string operacija;
  int likoKvietimu;
};
std::vector<Gedimas> gedimai;
bool irasyti = false;
std::vector<TestuPranesimas> pranesimai;
// Virtual devices the tests attached: the joystick, and the pad's controller when it is one.
struct Virtuali {
  SDL_Joystick* j;
  SDL_GameController* p;
};
std::vector<Virtuali> virtualios;
int uzsklandosPrasymai = 0;
}  // namespace

bool Sugadinta(const char* operacija) {
  for (size_t i = 0; i < gedimai.size(); ++i) {
    if (gedimai[i].operacija != operacija) continue;
    if (--gedimai[i].likoKvietimu > 0) return false;
    gedimai.erase(gedimai.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
  }
  return false;
}

bool PranesimaiIrasomi() { return irasyti; }

void IrasytiPranesima(const char* tekstas, const char* antraste, UINT tipas) {
  pranesimai.push_back({tekstas, antraste, tipas, LanguKiekis(), GlKontekstuKiekis(), KlasiuKiekis(),
                        Rezimas().perjungtas});
}

void UzsklandosPrasymas() { ++uzsklandosPrasymai; }

}  // namespace platforma

using namespace platforma;

void TestaiBeEkrano() { setenv("SDL_VIDEODRIVER", "offscreen", 0); }

void TestaiSugadinti(const char* operacija, int kelintas) {
  if (operacija && kelintas >= 1) gedimai.push_back({operacija, kelintas});
}

void TestaiAtstatyti() { gedimai.clear(); }

void TestaiIrasytiPranesimus(bool taip) { irasyti = taip; }
const std::vector<TestuPranesimas>& TestaiPranesimai() { return pranesimai; }
void TestaiIsvalytiPranesimus() { pranesimai.clear(); }

int TestaiLangu() { return LanguKiekis(); }
int TestaiGlKontekstu() { return GlKontekstuKiekis(); }
int TestaiKlasiu() { return KlasiuKiekis(); }
bool TestaiEkranasPerjungtas() { return Rezimas().perjungtas; }
int TestaiZymeklioSkaitiklis() { return ZymeklioSkaitiklis(); }
bool TestaiKadraiRibojami() { return KadraiRibojami(); }
int TestaiUzsklandosPrasymai() { return uzsklandosPrasymai; }

bool TestaiLangasMatomas(HWND hwnd) {
  Langas* l = RastiLanga(hwnd);
  return l && l->sdl && (SDL_GetWindowFlags(l->sdl) & SDL_WINDOW_SHOWN);
}

bool TestaiDarbalaukioLangas(HWND hwnd) {
  Langas* l = RastiLanga(hwnd);
  return l && l->sdl &&
         (SDL_GetWindowFlags(l->sdl) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

bool TestaiKeistiDydi(HWND hwnd, int plotis, int aukstis) {
  Langas* l = RastiLanga(hwnd);
  if (!l || !l->sdl) return false;
  SDL_SetWindowSize(l->sdl, plotis, aukstis);
  return true;
}

RECT TestaiKlientoSritis(HWND hwnd) {
  RECT r = {0, 0, 0, 0};
  Langas* l = RastiLanga(hwnd);
  if (!l || !l->sdl) return r;
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(l->sdl, &x, &y);
  SDL_GetWindowSize(l->sdl, &w, &h);
  r.left = x;
  r.top = y;
  r.right = x + w;
  r.bottom = y + h;
  return r;
}

unsigned long TestaiSistemosLangoId(HWND hwnd) {
  Langas* l = RastiLanga(hwnd);
  if (!l || !l->sdl) return 0;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(l->sdl, &info)) return 0;
#if defined(SDL_VIDEO_DRIVER_X11)
  if (info.subsystem == SDL_SYSWM_X11) return static_cast<unsigned long>(info.info.x11.window);
#endif
  return 0;
}

void TestaiX11() { setenv("SDL_VIDEODRIVER", "x11", 1); }

void TestaiIsvalytiViska() {
  gedimai.clear();
  IsvalytiLangus();
}

namespace {
Uint32 SdlLangas(HWND hwnd) {
  Langas* l = RastiLanga(hwnd);
  return (l && l->sdl) ? SDL_GetWindowID(l->sdl) : 0;
}
}  // namespace

bool TestaiKlavisas(HWND hwnd, const char* klavisas, bool nuspaustas, bool kartojimas, unsigned mod) {
  Uint32 id = SdlLangas(hwnd);
  SDL_Scancode sc = SDL_GetScancodeFromName(klavisas);
  if (!id || sc == SDL_SCANCODE_UNKNOWN) return false;
  SDL_Event e;
  std::memset(&e, 0, sizeof e);
  e.type = nuspaustas ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.timestamp = SDL_GetTicks();
  e.key.windowID = id;
  e.key.state = nuspaustas ? SDL_PRESSED : SDL_RELEASED;
  e.key.repeat = kartojimas ? 1 : 0;
  e.key.keysym.scancode = sc;
  e.key.keysym.sym = SDL_GetKeyFromScancode(sc);
  Uint16 m = 0;
  if (mod & TESTAI_ALT) m |= KMOD_LALT;
  if (mod & TESTAI_CTRL) m |= KMOD_LCTRL;
  if (mod & TESTAI_SHIFT) m |= KMOD_LSHIFT;
  if (mod & TESTAI_NUMLOCK) m |= KMOD_NUM;
  e.key.keysym.mod = m;
  return SDL_PushEvent(&e) == 1;
}

bool TestaiPelesMygtukas(HWND hwnd, int mygtukas, bool nuspaustas) {
  Uint32 id = SdlLangas(hwnd);
  if (!id) return false;
  SDL_Event e;
  std::memset(&e, 0, sizeof e);
  e.type = nuspaustas ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.windowID = id;
  e.button.button = static_cast<Uint8>(mygtukas);
  e.button.state = nuspaustas ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  return SDL_PushEvent(&e) == 1;
}

bool TestaiRatukas(HWND hwnd, float linijos) {
  Uint32 id = SdlLangas(hwnd);
  if (!id) return false;
  SDL_Event e;
  std::memset(&e, 0, sizeof e);
  e.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = id;
  e.wheel.y = static_cast<Sint32>(linijos);
  e.wheel.preciseY = linijos;
  e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
  return SDL_PushEvent(&e) == 1;
}

bool TestaiUzdaryti(HWND hwnd) {
  Uint32 id = SdlLangas(hwnd);
  if (!id) return false;
  SDL_Event e;
  std::memset(&e, 0, sizeof e);
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = id;
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  return SDL_PushEvent(&e) == 1;
}

bool TestaiIseiti() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
  SDL_Event e;
  std::memset(&e, 0, sizeof e);
  e.type = SDL_QUIT;
  return SDL_PushEvent(&e) == 1;
}

int TestaiPrijungtiVairalazde(int asys, int mygtukai) {
  if (!UztikrintiVairalazdes()) return -1;
  // A kind SDL has no mapping for: the layer reads it raw.
  int indeksas = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, asys, mygtukai, 1);
  if (indeksas < 0) return -1;
  SDL_Joystick* j = SDL_JoystickOpen(indeksas);
  if (!j) return -1;
  virtualios.push_back({j, nullptr});
  return indeksas;
}

int TestaiPrijungtiPada(unsigned mygtukai, unsigned asys) {
  if (!UztikrintiVairalazdes()) return -1;
  const SDL_GameControllerButton sdlMygtukai[] = {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_Y,
                                                  SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                                  SDL_CONTROLLER_BUTTON_RIGHTSHOULDER};
  const SDL_GameControllerAxis sdlAsys[] = {SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY,
                                            SDL_CONTROLLER_AXIS_RIGHTX, SDL_CONTROLLER_AXIS_RIGHTY};
  SDL_VirtualJoystickDesc d;
  SDL_zero(d);
  d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  d.naxes = SDL_CONTROLLER_AXIS_MAX;
  d.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
  d.name = "Tankai test pad";
  d.button_mask = (1u << SDL_CONTROLLER_BUTTON_DPAD_UP) | (1u << SDL_CONTROLLER_BUTTON_DPAD_DOWN) |
                  (1u << SDL_CONTROLLER_BUTTON_DPAD_LEFT) | (1u << SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  for (unsigned i = 0; i < 4; ++i) {
    if (mygtukai & (1u << i)) d.button_mask |= 1u << sdlMygtukai[i];
    if (asys & (1u << i)) d.axis_mask |= 1u << sdlAsys[i];
  }
  const int indeksas = SDL_JoystickAttachVirtualEx(&d);
  if (indeksas < 0) return -1;
  SDL_GameController* p = SDL_GameControllerOpen(indeksas);
  if (!p) return -1;
  virtualios.push_back({SDL_GameControllerGetJoystick(p), p});
  return indeksas;
}

namespace {
Virtuali* RastiVirtualia(int prietaisas) {
  SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(prietaisas);
  for (Virtuali& v : virtualios)
    if (SDL_JoystickInstanceID(v.j) == id) return &v;
  return nullptr;
}

// Presses a pad's button through the raw button its mapping binds it to.
bool PadoSdlMygtukas(int prietaisas, SDL_GameControllerButton mygtukas, bool nuspaustas) {
  Virtuali* v = RastiVirtualia(prietaisas);
  if (!v || !v->p) return false;
  SDL_GameControllerButtonBind r = SDL_GameControllerGetBindForButton(v->p, mygtukas);
  return r.bindType == SDL_CONTROLLER_BINDTYPE_BUTTON &&
         SDL_JoystickSetVirtualButton(v->j, r.value.button, nuspaustas ? SDL_PRESSED : SDL_RELEASED) == 0;
}
}  // namespace

bool TestaiVairalazdesAsis(int prietaisas, int asis, int16_t reiksme) {
  Virtuali* v = RastiVirtualia(prietaisas);
  return v && SDL_JoystickSetVirtualAxis(v->j, asis, reiksme) == 0;
}

bool TestaiVairalazdesMygtukas(int prietaisas, int mygtukas, bool nuspaustas) {
  Virtuali* v = RastiVirtualia(prietaisas);
  return v && SDL_JoystickSetVirtualButton(v->j, mygtukas, nuspaustas ? SDL_PRESSED : SDL_RELEASED) == 0;
}

bool TestaiPadoMygtukas(int prietaisas, PadoMygtukas mygtukas, bool nuspaustas) {
  const SDL_GameControllerButton sdl[] = {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_Y,
                                          SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER};
  return PadoSdlMygtukas(prietaisas, sdl[static_cast<int>(mygtukas)], nuspaustas);
}

bool TestaiPadoAsis(int prietaisas, PadoAsis asis, int16_t reiksme) {
  const SDL_GameControllerAxis sdl[] = {SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY,
                                        SDL_CONTROLLER_AXIS_RIGHTX, SDL_CONTROLLER_AXIS_RIGHTY};
  Virtuali* v = RastiVirtualia(prietaisas);
  if (!v || !v->p) return false;
  SDL_GameControllerButtonBind r = SDL_GameControllerGetBindForAxis(v->p, sdl[static_cast<int>(asis)]);
  return r.bindType == SDL_CONTROLLER_BINDTYPE_AXIS && SDL_JoystickSetVirtualAxis(v->j, r.value.axis, reiksme) == 0;
}

bool TestaiPadoKryzmas(int prietaisas, bool aukstyn, bool desinen, bool zemyn, bool kairen) {
  return PadoSdlMygtukas(prietaisas, SDL_CONTROLLER_BUTTON_DPAD_UP, aukstyn) &&
         PadoSdlMygtukas(prietaisas, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, desinen) &&
         PadoSdlMygtukas(prietaisas, SDL_CONTROLLER_BUTTON_DPAD_DOWN, zemyn) &&
         PadoSdlMygtukas(prietaisas, SDL_CONTROLLER_BUTTON_DPAD_LEFT, kairen);
}

std::string TestaiVairalazdesGuid(int prietaisas) {
  char tekstas[33] = {};
  SDL_JoystickGUID guid = SDL_JoystickGetDeviceGUID(prietaisas);
  // Mapping lines carry no checksum of the device's name (bytes 2 and 3).
  guid.data[2] = guid.data[3] = 0;
  SDL_JoystickGetGUIDString(guid, tekstas, sizeof tekstas);
  return tekstas;
}

namespace {
void Uzdaryti(const Virtuali& v) {
  if (v.p)
    SDL_GameControllerClose(v.p);
  else
    SDL_JoystickClose(v.j);
}
}  // namespace

bool TestaiAtjungtiVairalazde(int prietaisas) {
  Virtuali* v = RastiVirtualia(prietaisas);
  if (!v) return false;
  Uzdaryti(*v);
  virtualios.erase(virtualios.begin() + (v - virtualios.data()));
  return SDL_JoystickDetachVirtual(prietaisas) == 0;
}

void TestaiAtjungtiVairalazdes() {
  for (const Virtuali& v : virtualios) Uzdaryti(v);
  virtualios.clear();
  UzdarytiVairalazdes();
  if (!SDL_WasInit(SDL_INIT_JOYSTICK)) return;
  for (int i = SDL_NumJoysticks() - 1; i >= 0; --i)
    if (SDL_JoystickIsVirtual(i)) SDL_JoystickDetachVirtual(i);
}

int TestaiPaduAprasai(const char* failas) { return UztikrintiVairalazdes() ? UzkrautiPaduAprasus(failas) : -1; }
