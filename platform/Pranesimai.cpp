// The message queue: SDL events become the window messages Windows would post, and
// the default window procedure does what Windows' does for the ones the game leaves
// to it (WM_CLOSE, Alt+F4, system commands).
#include <SDL2/SDL.h>

#include <cmath>
#include <cstring>

#include "platform/Platforma.h"
#include "platform/SdlVidus.h"

namespace platforma {

namespace {

// Fixed ring: the pump runs every frame and must not allocate.
const int kTalpa = 256;
// Room one SDL event may need (focus changes post two messages).
const int kAtsarga = 4;
MSG eile[kTalpa];
int pradzia = 0;
int kiekis = 0;

MSG& Elementas(int i) { return eile[(pradzia + i) % kTalpa]; }

// The cursor in screen coordinates, from SDL's cached state: asking the X server
// for every message would cost a round trip each.
POINT Zymeklis(HWND hwnd) {
  POINT p = {0, 0};
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return p;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  Langas* l = RastiLanga(hwnd);
  p.x = x + (l ? l->x : 0);
  p.y = y + (l ? l->y : 0);
  return p;
}

void Ideti(HWND hwnd, UINT pranesimas, WPARAM wParam, LPARAM lParam) {
  if (kiekis >= kTalpa) return;
  // Windows folds mouse moves together; so do we, or motion would fill the queue.
  if (pranesimas == WM_MOUSEMOVE && kiekis > 0) {
    MSG& paskutinis = Elementas(kiekis - 1);
    if (paskutinis.message == WM_MOUSEMOVE && paskutinis.hwnd == hwnd) {
      paskutinis.wParam = wParam;
      paskutinis.lParam = lParam;
      return;
    }
  }
  MSG& m = Elementas(kiekis);
  m.hwnd = hwnd;
  m.message = pranesimas;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = SDL_GetTicks();
  m.pt = Zymeklis(hwnd);
  ++kiekis;
}

void Isimti(int i) {
  for (int j = i; j + 1 < kiekis; ++j) Elementas(j) = Elementas(j + 1);
  --kiekis;
}

LPARAM Taskas(int x, int y) {
  return static_cast<LPARAM>((static_cast<uint32_t>(x) & 0xFFFF) | ((static_cast<uint32_t>(y) & 0xFFFF) << 16));
}

WPARAM PelesVeliavos() {
  WPARAM v = 0;
  Uint32 mygtukai = SDL_GetMouseState(nullptr, nullptr);
  if (mygtukai & SDL_BUTTON_LMASK) v |= MK_LBUTTON;
  if (mygtukai & SDL_BUTTON_RMASK) v |= MK_RBUTTON;
  if (mygtukai & SDL_BUTTON_MMASK) v |= MK_MBUTTON;
  if (mygtukai & SDL_BUTTON_X1MASK) v |= MK_XBUTTON1;
  if (mygtukai & SDL_BUTTON_X2MASK) v |= MK_XBUTTON2;
  SDL_Keymod mod = SDL_GetModState();
  if (mod & KMOD_SHIFT) v |= MK_SHIFT;
  if (mod & KMOD_CTRL) v |= MK_CONTROL;
  return v;
}

HWND LangasIvykiui(Uint32 sdlId) {
  Langas* l = RastiLangaPagalSdl(sdlId);
  if (!l && sdlId == 0) {
    // Some drivers leave keyboard events without a window: the focused one gets them.
    SDL_Window* fokusas = SDL_GetKeyboardFocus();
    if (fokusas) l = RastiLangaPagalSdl(SDL_GetWindowID(fokusas));
  }
  return reinterpret_cast<HWND>(l);
}

void Klavisas(const SDL_KeyboardEvent& e) {
  HWND hwnd = LangasIvykiui(e.windowID);
  if (!hwnd) return;
  bool isplestinis = false;
  int vk = VirtualusKlavisas(e.keysym, &isplestinis);
  if (vk == 0) return;
  bool nuspaustas = e.type == SDL_KEYDOWN;
  bool altKlavisas = e.keysym.sym == SDLK_LALT || e.keysym.sym == SDLK_RALT;
  bool alt = (e.keysym.mod & KMOD_ALT) || altKlavisas;
  bool ctrl = (e.keysym.mod & KMOD_CTRL) != 0;
  // Windows routes Alt combinations (without Ctrl) and F10 to the system-key messages.
  bool sisteminis = vk == VK_F10 || (alt && !ctrl);
  UINT pranesimas = nuspaustas ? (sisteminis ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sisteminis ? WM_SYSKEYUP : WM_KEYUP);
  uint32_t l = 1;  // repeat count
  l |= (static_cast<uint32_t>(e.keysym.scancode) & 0xFF) << 16;
  if (isplestinis) l |= 1u << 24;
  if (alt && (nuspaustas || !altKlavisas)) l |= 1u << 29;
  if (!nuspaustas || e.repeat) l |= 1u << 30;  // the key was down before
  if (!nuspaustas) l |= 1u << 31;
  Ideti(hwnd, pranesimas, static_cast<WPARAM>(vk), static_cast<LPARAM>(static_cast<int32_t>(l)));
}

void Mygtukas(const SDL_MouseButtonEvent& e) {
  HWND hwnd = LangasIvykiui(e.windowID);
  if (!hwnd) return;
  bool nuspaustas = e.type == SDL_MOUSEBUTTONDOWN;
  WPARAM v = PelesVeliavos();
  LPARAM taskas = Taskas(e.x, e.y);
  switch (e.button) {
    case SDL_BUTTON_LEFT:
      Ideti(hwnd, nuspaustas ? WM_LBUTTONDOWN : WM_LBUTTONUP, v, taskas);
      break;
    case SDL_BUTTON_RIGHT:
      Ideti(hwnd, nuspaustas ? WM_RBUTTONDOWN : WM_RBUTTONUP, v, taskas);
      break;
    case SDL_BUTTON_MIDDLE:
      Ideti(hwnd, nuspaustas ? WM_MBUTTONDOWN : WM_MBUTTONUP, v, taskas);
      break;
    case SDL_BUTTON_X1:
    case SDL_BUTTON_X2: {
      WPARAM kuris = e.button == SDL_BUTTON_X1 ? XBUTTON1 : XBUTTON2;
      Ideti(hwnd, nuspaustas ? WM_XBUTTONDOWN : WM_XBUTTONUP, v | (kuris << 16), taskas);
      break;
    }
    default:
      break;
  }
}

void Ratukas(const SDL_MouseWheelEvent& e) {
  HWND hwnd = LangasIvykiui(e.windowID);
  if (!hwnd) return;
  float y = e.preciseY;
  float x = e.preciseX;
  if (e.direction == SDL_MOUSEWHEEL_FLIPPED) {
    y = -y;
    x = -x;
  }
  POINT zymeklis = Zymeklis(hwnd);
  // Windows counts in 120ths of a notch; smooth wheels give fractions of one.
  int dy = static_cast<int>(std::lround(y * WHEEL_DELTA));
  int dx = static_cast<int>(std::lround(x * WHEEL_DELTA));
  WPARAM v = PelesVeliavos();
  if (dy != 0)
    Ideti(hwnd, WM_MOUSEWHEEL, v | (static_cast<WPARAM>(static_cast<uint16_t>(dy)) << 16), Taskas(zymeklis.x, zymeklis.y));
  if (dx != 0)
    Ideti(hwnd, WM_MOUSEHWHEEL, v | (static_cast<WPARAM>(static_cast<uint16_t>(dx)) << 16), Taskas(zymeklis.x, zymeklis.y));
}

void LangoIvykis(const SDL_WindowEvent& e) {
  Langas* l = RastiLangaPagalSdl(e.windowID);
  if (!l) return;
  HWND hwnd = reinterpret_cast<HWND>(l);
  switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
      Ideti(hwnd, WM_CLOSE, 0, 0);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      Ideti(hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
      Ideti(hwnd, WM_SETFOCUS, 0, 0);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      Ideti(hwnd, WM_KILLFOCUS, 0, 0);
      Ideti(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      l->plotis = e.data1;
      l->aukstis = e.data2;
      Ideti(hwnd, WM_SIZE, 0, Taskas(e.data1, e.data2));
      break;
    case SDL_WINDOWEVENT_MOVED:
      l->x = e.data1;
      l->y = e.data2;
      break;
    default:
      break;
  }
}

void Versti(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      Ideti(nullptr, WM_QUIT, 0, 0);
      break;
    case SDL_WINDOWEVENT:
      LangoIvykis(e.window);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      Klavisas(e.key);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      Mygtukas(e.button);
      break;
    case SDL_MOUSEWHEEL:
      Ratukas(e.wheel);
      break;
    case SDL_MOUSEMOTION: {
      HWND hwnd = LangasIvykiui(e.motion.windowID);
      if (hwnd) Ideti(hwnd, WM_MOUSEMOVE, PelesVeliavos(), Taskas(e.motion.x, e.motion.y));
      break;
    }
    default:
      break;
  }
}

bool Tinka(const MSG& m, HWND hwnd, UINT nuo, UINT iki) {
  // WM_QUIT belongs to the thread, not a window: every filter lets it through.
  if (hwnd && m.hwnd != hwnd && m.message != WM_QUIT) return false;
  if (nuo == 0 && iki == 0) return true;
  return m.message >= nuo && m.message <= iki;
}

}  // namespace

void PasalintiPranesimus(HWND hwnd) {
  for (int i = 0; i < kiekis;) {
    if (Elementas(i).hwnd == hwnd)
      Isimti(i);
    else
      ++i;
  }
}

}  // namespace platforma

using namespace platforma;

BOOL PeekMessageA(MSG* m, HWND hwnd, UINT nuo, UINT iki, UINT salinti) {
  if (!m) return FALSE;
  for (;;) {
    for (int i = 0; i < kiekis; ++i) {
      if (!Tinka(Elementas(i), hwnd, nuo, iki)) continue;
      *m = Elementas(i);
      if (salinti & PM_REMOVE) Isimti(i);
      return TRUE;
    }
    // Take from SDL only while there is room; the rest waits for the next call.
    if (!SDL_WasInit(SDL_INIT_VIDEO) || kiekis > kTalpa - kAtsarga) return FALSE;
    SDL_Event e;
    if (!SDL_PollEvent(&e)) return FALSE;
    Versti(e);
  }
}

BOOL TranslateMessage(const MSG*) {
  // No character messages: nothing in the game reads text input.
  return FALSE;
}

LRESULT DispatchMessageA(const MSG* m) {
  if (!m) return 0;
  Langas* l = RastiLanga(m->hwnd);
  if (!l) return 0;
  return Siusti(l, m->message, m->wParam, m->lParam);
}

LRESULT DefWindowProcA(HWND hwnd, UINT pranesimas, WPARAM wParam, LPARAM lParam) {
  Langas* l = RastiLanga(hwnd);
  if (!l) return 0;
  switch (pranesimas) {
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSKEYDOWN:
      // Alt+F4 asks the window to close through the system menu's command.
      if (wParam == VK_F4 && (lParam & (1 << 29))) Siusti(l, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          Siusti(l, WM_CLOSE, 0, 0);
          break;
        case SC_MINIMIZE:
          if (l->sdl) SDL_MinimizeWindow(l->sdl);
          break;
        case SC_MAXIMIZE:
          if (l->sdl) SDL_MaximizeWindow(l->sdl);
          break;
        case SC_RESTORE:
          if (l->sdl) SDL_RestoreWindow(l->sdl);
          break;
        case SC_SCREENSAVE:
        case SC_MONITORPOWER:
          // Windows starts the screen saver or powers the monitor down here. SDL can do
          // neither on demand; test builds count the request.
          UzsklandosPrasymas();
          break;
        default:
          break;
      }
      return 0;
    default:
      return 0;
  }
}
