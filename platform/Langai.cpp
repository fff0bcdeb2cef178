// Window classes, windows, the display-mode switch, the cursor and the message box on
// SDL2, with Windows' handles, styles and client-rectangle arithmetic.
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "platform/SdlVidus.h"

namespace platforma {
void PasalintiPranesimus(HWND hwnd);
void IsvalytiKontekstus();

namespace {

struct Klase {
  std::string vardas;
  WNDCLASSA wc;
};

std::vector<Klase> klases;
std::vector<Langas*> langai;
EkranoRezimas rezimas;
int zymeklioSkaitiklis = 0;
// GetModuleHandleA(null) needs some stable non-null address to hand out.
char modulis;
// Predefined icons and cursors: only their identity matters.
char piktogramos[64];

// Frame metrics of the decorated windows, as a classic Windows theme draws them.
const int kRemelis = 3;          // fixed (dialog) frame
const int kStorasRemelis = 8;    // sizing frame with its padding
const int kAntraste = 23;        // caption bar
const int kMeniu = 20;           // menu bar
const int kKrastas = 2;          // WS_EX_CLIENTEDGE

RECT Krastai(DWORD stilius, BOOL meniu, DWORD isplestinis) {
  RECT k = {0, 0, 0, 0};
  int remelis = 0;
  if (stilius & WS_THICKFRAME) {
    remelis = kStorasRemelis;
  } else if ((stilius & WS_CAPTION) || (stilius & WS_DLGFRAME)) {
    remelis = kRemelis;
  } else if (stilius & WS_BORDER) {
    remelis = 1;
  }
  if (isplestinis & WS_EX_CLIENTEDGE) remelis += kKrastas;
  k.left = k.right = k.top = k.bottom = remelis;
  if ((stilius & WS_CAPTION) == WS_CAPTION) k.top += kAntraste;
  if (meniu) k.top += kMeniu;
  return k;
}

bool BandomojiTvarkykle(const char* tvarkykle) {
  return tvarkykle && (SDL_strcasecmp(tvarkykle, "offscreen") == 0 || SDL_strcasecmp(tvarkykle, "dummy") == 0);
}

// Whether SDL_VIDEODRIVER (a comma-separated list) names the driver.
bool Paprasyta(const char* tvarkykle) {
  const char* sarasas = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (!sarasas) return false;
  size_t n = std::strlen(tvarkykle);
  for (const char* p = sarasas; *p;) {
    const char* galas = std::strchr(p, ',');
    size_t ilgis = galas ? static_cast<size_t>(galas - p) : std::strlen(p);
    if (ilgis == n && SDL_strncasecmp(p, tvarkykle, n) == 0) return true;
    if (!galas) break;
    p = galas + 1;
  }
  return false;
}

bool BeEkrano() {
  const char* tvarkykle = nullptr;
  if (SDL_WasInit(SDL_INIT_VIDEO)) {
    tvarkykle = SDL_GetCurrentVideoDriver();
  } else {
    tvarkykle = std::getenv("SDL_VIDEODRIVER");
    if (!tvarkykle && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return true;
  }
  return BandomojiTvarkykle(tvarkykle);
}

void TaikytiZymekli() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(zymeklioSkaitiklis >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

int EkranoIndeksas(LPCSTR irenginys) {
  if (!irenginys || !*irenginys) return 0;
  // Windows names displays "\\.\DISPLAY1", "\\.\DISPLAY2"...
  const char* priesdelis = "\\\\.\\DISPLAY";
  size_t n = std::strlen(priesdelis);
  if (std::strncmp(irenginys, priesdelis, n) == 0) {
    int nr = std::atoi(irenginys + n);
    return (nr >= 1 && nr <= SDL_GetNumVideoDisplays()) ? nr - 1 : -1;
  }
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    const char* vardas = SDL_GetDisplayName(i);
    if (vardas && std::strcmp(vardas, irenginys) == 0) return i;
  }
  return -1;
}

// Monitors are handed out as display index + 1.
HMONITOR Monitorius(int ekranas) { return reinterpret_cast<HMONITOR>(static_cast<uintptr_t>(ekranas) + 1); }

// The display whose bounds are exactly this rectangle, or -1.
int UzdengiamasEkranas(int x, int y, int plotis, int aukstis) {
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(i, &r) == 0 && r.x == x && r.y == y && r.w == plotis && r.h == aukstis) return i;
  }
  return -1;
}

bool SpalvosTinka(DWORD bitai, Uint32 formatas) {
  int sdl = SDL_BITSPERPIXEL(formatas);
  // Windows counts 24-bit colour in 32-bit pixels as 32; SDL says 24.
  if (bitai >= 24) return sdl >= 24;
  if (bitai >= 15) return sdl == 15 || sdl == 16;
  return sdl == static_cast<int>(bitai);
}

}  // namespace

bool UztikrintiVaizda() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  // The close box is a WM_CLOSE for the game to judge, not a quit.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // PeekMessageA sees a message as soon as it is posted, not one pump later.
  SDL_SetHint(SDL_HINT_POLL_SENTINEL, "0");
  // Joysticks are read whether or not the window has the focus, as winmm does.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  // With no display SDL falls back on its offscreen driver: a game nobody can see,
  // running until killed. Those drivers are for tests, and only when asked for by name.
  const char* tvarkykle = SDL_GetCurrentVideoDriver();
  if (BandomojiTvarkykle(tvarkykle) && !Paprasyta(tvarkykle)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_SetError("no display for a window");
    return false;
  }
  // Text input would only queue events nobody reads.
  SDL_StopTextInput();
  TaikytiZymekli();
  return true;
}

EkranoRezimas& Rezimas() { return rezimas; }

Langas* RastiLanga(HWND hwnd) {
  if (!hwnd) return nullptr;
  for (Langas* l : langai)
    if (reinterpret_cast<HWND>(l) == hwnd) return l;
  return nullptr;
}

Langas* RastiLangaPagalSdl(Uint32 sdlId) {
  for (Langas* l : langai)
    if (l->sdl && SDL_GetWindowID(l->sdl) == sdlId) return l;
  return nullptr;
}

Kontekstas* RastiKonteksta(HDC dc) {
  if (!dc) return nullptr;
  for (Langas* l : langai)
    if (reinterpret_cast<HDC>(&l->dc) == dc) return &l->dc;
  return nullptr;
}

LRESULT Siusti(Langas* langas, UINT pranesimas, WPARAM wParam, LPARAM lParam) {
  if (!langas || !langas->procedura) return 0;
  return langas->procedura(reinterpret_cast<HWND>(langas), pranesimas, wParam, lParam);
}

bool PerkurtiSuGl(Langas* langas) {
  Uint32 veliavos = SDL_WINDOW_OPENGL;
  Uint32 buvo = langas->sdl ? SDL_GetWindowFlags(langas->sdl) : 0;
  veliavos |= (buvo & SDL_WINDOW_SHOWN) ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
  if (langas->visoEkrano) veliavos |= SDL_WINDOW_FULLSCREEN;
  if (langas->darbalaukis) veliavos |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (!(langas->stilius & WS_CAPTION)) veliavos |= SDL_WINDOW_BORDERLESS;
  SDL_Window* naujas = SDL_CreateWindow(langas->pavadinimas.c_str(), langas->x, langas->y,
                                        langas->plotis, langas->aukstis, veliavos);
  if (!naujas) return false;
  if (langas->visoEkrano) SDL_SetWindowDisplayMode(naujas, &rezimas.rezimas);
  if (langas->sdl) SDL_DestroyWindow(langas->sdl);
  langas->sdl = naujas;
  return true;
}

void IsvalytiLangus() {
  IsvalytiKontekstus();
  while (!langai.empty()) {
    Langas* l = langai.back();
    langai.pop_back();
    LangasNaikinamas(l);
    PasalintiPranesimus(reinterpret_cast<HWND>(l));
    if (l->sdl) SDL_DestroyWindow(l->sdl);
    delete l;
  }
  klases.clear();
  rezimas.perjungtas = false;
}

bool SriftasPasirinktas(HGDIOBJ sriftas) {
  for (Langas* l : langai)
    if (l->dc.sriftas == sriftas) return true;
  return false;
}

int LanguKiekis() { return static_cast<int>(langai.size()); }
int KlasiuKiekis() { return static_cast<int>(klases.size()); }
int ZymeklioSkaitiklis() { return zymeklioSkaitiklis; }

}  // namespace platforma

using namespace platforma;

HMODULE GetModuleHandleA(LPCSTR vardas) {
  // Only the program itself is a module here.
  return vardas ? nullptr : reinterpret_cast<HMODULE>(&modulis);
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc || !wc->lpfnWndProc || !wc->lpszClassName || !*wc->lpszClassName) return 0;
  if (Sugadinta("RegisterClassA")) return 0;
  for (const Klase& k : klases)
    if (k.vardas == wc->lpszClassName) return 0;  // already registered
  Klase k;
  k.vardas = wc->lpszClassName;
  k.wc = *wc;
  k.wc.lpszClassName = nullptr;  // the caller's text need not outlive the call
  k.wc.lpszMenuName = nullptr;
  klases.push_back(k);
  return static_cast<ATOM>(0xC000 + klases.size());
}

BOOL UnregisterClassA(LPCSTR klase, HINSTANCE instancija) {
  if (Sugadinta("UnregisterClassA")) return FALSE;
  if (!klase) return FALSE;
  for (size_t i = 0; i < klases.size(); ++i) {
    if (klases[i].vardas != klase) continue;
    if (klases[i].wc.hInstance != instancija) return FALSE;
    for (Langas* l : langai)
      if (l->klase == klase) return FALSE;  // windows of the class still exist
    klases.erase(klases.begin() + static_cast<std::ptrdiff_t>(i));
    return TRUE;
  }
  return FALSE;
}

HICON LoadIconA(HINSTANCE instancija, LPCSTR vardas) {
  uintptr_t id = reinterpret_cast<uintptr_t>(vardas);
  // No resources of our own: only the predefined icons (IDI_APPLICATION..IDI_SHIELD).
  if (instancija || id < 32512 || id > 32518) return nullptr;
  return reinterpret_cast<HICON>(&piktogramos[id - 32512]);
}

HCURSOR LoadCursorA(HINSTANCE instancija, LPCSTR vardas) {
  uintptr_t id = reinterpret_cast<uintptr_t>(vardas);
  if (instancija) return nullptr;
  if (id >= 32512 && id <= 32516) return reinterpret_cast<HCURSOR>(&piktogramos[16 + id - 32512]);
  if (id >= 32640 && id <= 32651) return reinterpret_cast<HCURSOR>(&piktogramos[32 + id - 32640]);
  return nullptr;
}

LONG ChangeDisplaySettingsExA(LPCSTR irenginys, DEVMODEA* rez, HWND, DWORD veliavos, LPVOID) {
  if (!rez) return ChangeDisplaySettingsA(nullptr, 0);
  if (Sugadinta("ChangeDisplaySettingsExA")) return DISP_CHANGE_FAILED;
  if (!UztikrintiVaizda()) return DISP_CHANGE_FAILED;
  int ekranas = EkranoIndeksas(irenginys);
  if (ekranas < 0) return DISP_CHANGE_BADPARAM;
  int kiek = SDL_GetNumDisplayModes(ekranas);
  // The desktop mode first: some drivers (offscreen) list only an empty record.
  for (int i = -1; i < kiek; ++i) {
    SDL_DisplayMode m;
    if ((i < 0 ? SDL_GetDesktopDisplayMode(ekranas, &m) : SDL_GetDisplayMode(ekranas, i, &m)) != 0) continue;
    if (m.w <= 0 || m.h <= 0) continue;
    if ((rez->dmFields & DM_PELSWIDTH) && m.w != static_cast<int>(rez->dmPelsWidth)) continue;
    if ((rez->dmFields & DM_PELSHEIGHT) && m.h != static_cast<int>(rez->dmPelsHeight)) continue;
    if ((rez->dmFields & DM_BITSPERPEL) && !SpalvosTinka(rez->dmBitsPerPel, m.format)) continue;
    // A driver that does not report its rate (0) is taken to offer the one asked for.
    if ((rez->dmFields & DM_DISPLAYFREQUENCY) && rez->dmDisplayFrequency > 1 && m.refresh_rate != 0 &&
        m.refresh_rate != static_cast<int>(rez->dmDisplayFrequency))
      continue;
    if (veliavos & CDS_TEST) return DISP_CHANGE_SUCCESSFUL;
    rezimas.perjungtas = true;
    rezimas.ekranas = ekranas;
    rezimas.rezimas = m;
    for (Langas* l : langai)
      if (l->visoEkrano && l->sdl) SDL_SetWindowDisplayMode(l->sdl, &m);
    return DISP_CHANGE_SUCCESSFUL;
  }
  return DISP_CHANGE_BADMODE;
}

LONG ChangeDisplaySettingsA(DEVMODEA* rez, DWORD veliavos) {
  if (rez) return ChangeDisplaySettingsExA(nullptr, rez, nullptr, veliavos, nullptr);
  if (Sugadinta("ChangeDisplaySettingsA")) return DISP_CHANGE_FAILED;
  // Back to the desktop mode: full-screen windows stop holding the display.
  rezimas.perjungtas = false;
  for (Langas* l : langai) {
    if (l->visoEkrano && l->sdl) SDL_SetWindowFullscreen(l->sdl, 0);
    l->visoEkrano = false;
  }
  return DISP_CHANGE_SUCCESSFUL;
}

BOOL AdjustWindowRectEx(RECT* sritis, DWORD stilius, BOOL meniu, DWORD isplestinis) {
  if (!sritis) return FALSE;
  RECT k = Krastai(stilius, meniu, isplestinis);
  sritis->left -= k.left;
  sritis->top -= k.top;
  sritis->right += k.right;
  sritis->bottom += k.bottom;
  return TRUE;
}

HMONITOR MonitorFromRect(const RECT* sritis, DWORD veliavos) {
  if (!sritis || !UztikrintiVaizda()) return nullptr;
  // The display that shares the most area with the rectangle; with none, by the flags.
  int geriausias = -1;
  int64_t daugiausia = 0, arciausia = INT64_MAX;
  int artimiausias = -1;
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(i, &r) != 0) continue;
    const int64_t w = std::min<int64_t>(sritis->right, r.x + r.w) - std::max<int64_t>(sritis->left, r.x);
    const int64_t h = std::min<int64_t>(sritis->bottom, r.y + r.h) - std::max<int64_t>(sritis->top, r.y);
    if (w > 0 && h > 0 && w * h > daugiausia) {
      daugiausia = w * h;
      geriausias = i;
    }
    // Distance between the two rectangles along each axis (0 where they overlap).
    const int64_t dx = std::max<int64_t>({0, r.x - int64_t{sritis->right}, int64_t{sritis->left} - (r.x + r.w)});
    const int64_t dy = std::max<int64_t>({0, r.y - int64_t{sritis->bottom}, int64_t{sritis->top} - (r.y + r.h)});
    if (dx * dx + dy * dy < arciausia) {
      arciausia = dx * dx + dy * dy;
      artimiausias = i;
    }
  }
  if (geriausias >= 0) return Monitorius(geriausias);
  if (veliavos == MONITOR_DEFAULTTONEAREST && artimiausias >= 0) return Monitorius(artimiausias);
  if (veliavos == MONITOR_DEFAULTTOPRIMARY && SDL_GetNumVideoDisplays() > 0) return Monitorius(0);
  return nullptr;
}

BOOL GetMonitorInfoA(HMONITOR monitorius, MONITORINFO* info) {
  if (!info || info->cbSize < sizeof(MONITORINFO) || !SDL_WasInit(SDL_INIT_VIDEO)) return FALSE;
  const int ekranas = static_cast<int>(reinterpret_cast<uintptr_t>(monitorius)) - 1;
  SDL_Rect r, darbo;
  if (ekranas < 0 || SDL_GetDisplayBounds(ekranas, &r) != 0) return FALSE;
  if (SDL_GetDisplayUsableBounds(ekranas, &darbo) != 0) darbo = r;
  info->rcMonitor = {r.x, r.y, r.x + r.w, r.y + r.h};
  info->rcWork = {darbo.x, darbo.y, darbo.x + darbo.w, darbo.y + darbo.h};
  info->dwFlags = ekranas == 0 ? MONITORINFOF_PRIMARY : 0;
  return TRUE;
}

HWND CreateWindowExA(DWORD isplestinis, LPCSTR klase, LPCSTR pavadinimas, DWORD stilius, int x, int y,
                     int plotis, int aukstis, HWND, HMENU meniu, HINSTANCE, LPVOID) {
  if (!klase) return nullptr;
  const Klase* k = nullptr;
  for (const Klase& kk : klases)
    if (kk.vardas == klase) k = &kk;
  if (!k) return nullptr;
  if (Sugadinta("CreateWindowExA")) return nullptr;
  if (!UztikrintiVaizda()) return nullptr;

  // The caller gives the outer rectangle; SDL places and sizes the client area.
  RECT kr = Krastai(stilius, meniu != nullptr, isplestinis);
  Langas* l = new Langas;
  l->klase = klase;
  l->procedura = k->wc.lpfnWndProc;
  l->stilius = stilius;
  l->isplestinis = isplestinis;
  l->pavadinimas = pavadinimas ? pavadinimas : "";
  l->x = x + kr.left;
  l->y = y + kr.top;
  l->plotis = std::max(1, plotis - kr.left - kr.right);
  l->aukstis = std::max(1, aukstis - kr.top - kr.bottom);
  l->dc.langas = l;
  PradinisSriftas(&l->dc);

  if (rezimas.perjungtas && (stilius & WS_POPUP) && x == 0 && y == 0 && plotis == rezimas.rezimas.w &&
      aukstis == rezimas.rezimas.h)
    l->visoEkrano = true;
  // A popup exactly over a display, with no mode switched, is a full-screen window at the
  // desktop's own mode, as Windows treats it: the window manager is told so.
  if (!l->visoEkrano && (stilius & WS_POPUP) && UzdengiamasEkranas(x, y, plotis, aukstis) >= 0)
    l->darbalaukis = true;

  Uint32 veliavos = SDL_WINDOW_HIDDEN;
  if (l->visoEkrano) veliavos |= SDL_WINDOW_FULLSCREEN;
  if (l->darbalaukis) veliavos |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (!(stilius & WS_CAPTION)) veliavos |= SDL_WINDOW_BORDERLESS;
  l->sdl = SDL_CreateWindow(l->pavadinimas.c_str(), l->x, l->y, l->plotis, l->aukstis, veliavos);
  if (!l->sdl) {
    delete l;
    return nullptr;
  }
  if (l->visoEkrano) SDL_SetWindowDisplayMode(l->sdl, &rezimas.rezimas);
  langai.push_back(l);
  HWND hwnd = reinterpret_cast<HWND>(l);
  if (Siusti(l, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (stilius & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
  Langas* l = RastiLanga(hwnd);
  if (!l) return FALSE;
  if (Sugadinta("DestroyWindow")) return FALSE;
  Siusti(l, WM_DESTROY, 0, 0);
  LangasNaikinamas(l);
  PasalintiPranesimus(hwnd);
  langai.erase(std::find(langai.begin(), langai.end(), l));
  if (l->sdl) SDL_DestroyWindow(l->sdl);
  delete l;
  return TRUE;
}

BOOL ShowWindow(HWND hwnd, int komanda) {
  Langas* l = RastiLanga(hwnd);
  if (!l || !l->sdl) return FALSE;
  BOOL buvoMatomas = (SDL_GetWindowFlags(l->sdl) & SDL_WINDOW_SHOWN) ? TRUE : FALSE;
  switch (komanda) {
    case SW_HIDE:
      SDL_HideWindow(l->sdl);
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      SDL_ShowWindow(l->sdl);
      SDL_MinimizeWindow(l->sdl);
      break;
    case SW_SHOWMAXIMIZED:
      SDL_ShowWindow(l->sdl);
      SDL_MaximizeWindow(l->sdl);
      break;
    case SW_RESTORE:
      SDL_RestoreWindow(l->sdl);
      SDL_ShowWindow(l->sdl);
      break;
    default:
      SDL_ShowWindow(l->sdl);
      break;
  }
  if (!buvoMatomas && komanda != SW_HIDE)
    Siusti(l, WM_SIZE, 0, static_cast<LPARAM>((l->plotis & 0xFFFF) | ((l->aukstis & 0xFFFF) << 16)));
  return buvoMatomas;
}

BOOL SetForegroundWindow(HWND hwnd) {
  Langas* l = RastiLanga(hwnd);
  if (!l || !l->sdl) return FALSE;
  SDL_RaiseWindow(l->sdl);
  return TRUE;
}

HWND SetFocus(HWND hwnd) {
  HWND buvo = nullptr;
  if (SDL_WasInit(SDL_INIT_VIDEO)) {
    SDL_Window* fokusas = SDL_GetKeyboardFocus();
    for (Langas* l : langai)
      if (l->sdl == fokusas) buvo = reinterpret_cast<HWND>(l);
  }
  Langas* l = RastiLanga(hwnd);
  if (!l || !l->sdl) return nullptr;
  SDL_SetWindowInputFocus(l->sdl);
  return buvo;
}

int ShowCursor(BOOL rodyti) {
  // Windows keeps a display count: the cursor shows while it is 0 or more.
  zymeklioSkaitiklis += rodyti ? 1 : -1;
  TaikytiZymekli();
  return zymeklioSkaitiklis;
}

BOOL SetCursorPos(int x, int y) {
  if (!UztikrintiVaizda()) return FALSE;
  return SDL_WarpMouseGlobal(x, y) == 0 ? TRUE : FALSE;
}

int MessageBoxA(HWND, LPCSTR tekstas, LPCSTR antraste, UINT tipas) {
  if (!tekstas) tekstas = "";
  if (!antraste) antraste = "Error";
  if (PranesimaiIrasomi()) {
    IrasytiPranesima(tekstas, antraste, tipas);
    return IDOK;
  }
  // On the terminal too: it stays there after the box is gone, and it is the only
  // place left where nothing can show a dialog.
  std::fprintf(stderr, "%s: %s\n", antraste, tekstas);
  if (BeEkrano()) return 0;
  Uint32 veliavos = SDL_MESSAGEBOX_WARNING;
  switch (tipas & 0xF0) {
    case MB_ICONERROR:
      veliavos = SDL_MESSAGEBOX_ERROR;
      break;
    case MB_ICONINFORMATION:
      veliavos = SDL_MESSAGEBOX_INFORMATION;
      break;
    default:
      break;
  }
  return SDL_ShowSimpleMessageBox(veliavos, antraste, tekstas, nullptr) == 0 ? IDOK : 0;
}
