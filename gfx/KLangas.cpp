#include "gfx/KLangas.h"

#include <cstdint>
#include <cstdio>

#include "app/Globalai.h"
#include "config/KNustatymai.h"
#include "core/Tekstai.h"
#include "core/Zurnalas.h"
#include "gfx/Istekliai.h"
#include "gfx/KadruRitmas.h"

bool langasUzdaromas = false;
int langoPlotis = 0, langoAukstis = 0;

namespace {
PIXELFORMATDESCRIPTOR PradinisFormatas() {
  PIXELFORMATDESCRIPTOR f = {};
  f.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  f.nVersion = 1;
  f.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  f.iPixelType = PFD_TYPE_RGBA;
  f.iLayerType = PFD_MAIN_PLANE;
  return f;
}
}  // namespace

PIXELFORMATDESCRIPTOR langoFormatas = PradinisFormatas();

namespace {
bool formatasUzpildytas = false;

// In the player's language: the box is what a player sees when the game cannot start.
void Klaida(const char* tekstas) {
  MessageBoxA(nullptr, Isversti(tekstas, kalba), Isversti("KLAIDA", kalba), MB_OK | MB_ICONWARNING);
}
}  // namespace

LRESULT CALLBACK LangoProcedura(HWND langas, UINT pranesimas, WPARAM wParam, LPARAM lParam) {
  switch (pranesimas) {
    case WM_SIZE:
      // Only noted: the viewport follows it where the settings ask (PiestiKadra).
      langoPlotis = LOWORD(lParam);
      langoAukstis = HIWORD(lParam);
      return 0;
    case WM_CREATE:
    case WM_ACTIVATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_MOUSEMOVE:
      return 0;
    case WM_CLOSE:
      // Only flagged: the main loop ends and the teardown destroys the window.
      langasUzdaromas = true;
      return 0;
    case WM_KEYDOWN:
      klaviatura.Paspausti(static_cast<int16_t>(LOWORD(wParam)));
      return 0;
    case WM_KEYUP:
      klaviatura.Atleisti(static_cast<int16_t>(LOWORD(wParam)));
      return 0;
    case WM_SYSCOMMAND:
      // No screen saver or monitor power-off in the middle of a battle.
      if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) return 0;
      break;
    case WM_LBUTTONDOWN:
      pele.KairysMygtukas(true);
      return 0;
    case WM_LBUTTONUP:
      pele.KairysMygtukas(false);
      return 0;
    case WM_RBUTTONDOWN:
      pele.DesinysMygtukas(true);
      return 0;
    case WM_RBUTTONUP:
      pele.DesinysMygtukas(false);
      return 0;
    case WM_MBUTTONDOWN:
      pele.VidurinisMygtukas(true);
      return 0;
    case WM_MBUTTONUP:
      pele.VidurinisMygtukas(false);
      return 0;
    case WM_MOUSEWHEEL:
      pele.Ratukas(static_cast<int16_t>(HIWORD(wParam)) / WHEEL_DELTA);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(langas, pranesimas, wParam, lParam);
}

bool KLangas::Sukurti(const KNustatymai& n, bool rodyti) {
  // The desktop's own full screen switches no mode, so it wins over fullscr.
  const bool darbalaukis = n.darbalaukis == 1;
  const bool perjungti = n.fullscr && !darbalaukis;
  int x = perjungti ? 0 : n.x;
  int y = perjungti ? 0 : n.y;
  if (sukurtas) {
    Naikinti();
    sukurtas = false;
  }
  std::snprintf(klase, sizeof klase, "%s", n.klase);
  visoEkrano = perjungti;
  darbalaukio = darbalaukis;

  RECT sritis;
  sritis.left = x;
  sritis.top = y;
  sritis.right = x + n.plotis;
  sritis.bottom = y + n.aukstis;
  if (darbalaukis) {
    // The whole display the window would be on, at the resolution it has now.
    MONITORINFO ekranas = {};
    ekranas.cbSize = sizeof ekranas;
    HMONITOR m = MonitorFromRect(&sritis, MONITOR_DEFAULTTONEAREST);
    if (m && GetMonitorInfoA(m, &ekranas)) sritis = ekranas.rcMonitor;
    x = sritis.left;
    y = sritis.top;
  }
  langoPlotis = sritis.right - sritis.left;
  langoAukstis = sritis.bottom - sritis.top;

  instancija = GetModuleHandleA(nullptr);

  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
  wc.lpfnWndProc = LangoProcedura;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = instancija;
  // The game's own icon where the executable carries one (the taskbar and Alt+Tab show
  // the class icon); the system's otherwise.
  wc.hIcon = LoadIconA(instancija, MAKEINTRESOURCEA(TANKAI_IKONA));
  if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, IDI_WINLOGO);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = n.klase;
  if (!RegisterClassA(&wc)) {
    Klaida("Klaida registruojant 'wc'");
    return false;
  }

  if (perjungti) {
    DEVMODEA rezimas = {};
    rezimas.dmSize = sizeof(DEVMODEA);
    rezimas.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    rezimas.dmPelsWidth = static_cast<DWORD>(n.plotis);
    rezimas.dmPelsHeight = static_cast<DWORD>(n.aukstis);
    rezimas.dmBitsPerPel = static_cast<DWORD>(n.bpp);
    rezimas.dmDisplayFrequency = static_cast<DWORD>(n.fps);
    if (ChangeDisplaySettingsExA(n.gpu, &rezimas, nullptr, CDS_FULLSCREEN, nullptr) != DISP_CHANGE_SUCCESSFUL) {
      Klaida("Parinkti vaizdo nustatymai nesuderinami su Jusu sistema");
      return false;
    }
  }

  DWORD isplestinis, stilius;
  if (perjungti || darbalaukis) {
    isplestinis = WS_EX_APPWINDOW;
    stilius = WS_POPUP;
  } else {
    isplestinis = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
    stilius = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  }
  AdjustWindowRectEx(&sritis, stilius, FALSE, isplestinis);

  langas = CreateWindowExA(isplestinis, n.klase, n.pavad, stilius | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x, y,
                           sritis.right - sritis.left, sritis.bottom - sritis.top, nullptr, nullptr, instancija,
                           nullptr);
  if (!langas) {
    Klaida("Klaida kuriant langa: CreateWindow");
    Naikinti();
    return false;
  }

  if (!formatasUzpildytas) {
    langoFormatas.cColorBits = static_cast<BYTE>(n.bpp);
    langoFormatas.cAccumBits = static_cast<BYTE>(n.accum_bpp);
    langoFormatas.cDepthBits = static_cast<BYTE>(n.z_bpp);
    langoFormatas.cStencilBits = static_cast<BYTE>(n.stencil_bpp);
    formatasUzpildytas = true;
  }

  dc = GetDC(langas);
  if (!dc) {
    Naikinti();
    Klaida("Klaida nustatant 'GL Device Context'");
    return false;
  }
  int formatas = ChoosePixelFormat(dc, &langoFormatas);
  if (formatas == 0) {
    Naikinti();
    Klaida("Klaida pasirenkant PixelFormat");
    return false;
  }
  if (!SetPixelFormat(dc, formatas, &langoFormatas)) {
    Naikinti();
    Klaida("Klaida nustatant PixelFormat");
    return false;
  }
  rc = wglCreateContext(dc);
  if (!rc) {
    Naikinti();
    Klaida("Klaida kuriant 'GL Rendering Context'");
    return false;
  }
  if (!wglMakeCurrent(dc, rc)) {
    Naikinti();
    Klaida("Klaida aktyvuojant 'GL Rendering Context'");
    return false;
  }
  if (rodyti) Rodyti();
  sukurtas = true;
  return true;
}

void KLangas::Rodyti() {
  ShowWindow(langas, SW_SHOW);
  SetForegroundWindow(langas);
  SetFocus(langas);
  if (visoEkrano || darbalaukio) ShowCursor(FALSE);
}

void KLangas::Atnaujinti() {
  if (!sukurtas) Zurnalas("Langas->Atnaujinti: nesukurtas");
  while (PeekMessageA(&pranesimas, langas, 0, 0, PM_REMOVE)) {
    if (pranesimas.message == WM_QUIT) {
      langasUzdaromas = true;
    } else {
      TranslateMessage(&pranesimas);
      DispatchMessageA(&pranesimas);
    }
  }
}

#ifdef _WIN32
namespace {
KadruRitmas kadruRitmas;
}  // namespace
#endif

void KLangas::Sukeisti() {
  SwapBuffers(dc);
#ifdef _WIN32
  // Software GL and Wine ignore the swap interval: keep the loop at the display's pace.
  kadruRitmas.Palaukti();
#endif
}

void KLangas::Naikinti() {
  if (visoEkrano) ChangeDisplaySettingsA(nullptr, 0);
  if (rc) {
    if (!wglMakeCurrent(nullptr, nullptr)) Zurnalas("Klaida atlaisvinant DC ir RC");
    if (!wglDeleteContext(rc)) Zurnalas("Klaida atlaisvinant Rendering Context");
    rc = nullptr;
  }
  if (dc) {
    if (!ReleaseDC(langas, dc)) Zurnalas("Klaida atlaisvinant Device Context");
    dc = nullptr;
  }
  if (langas) {
    if (!DestroyWindow(langas)) Zurnalas("Klaida atlaisvinant hWnd.");
    langas = nullptr;
  }
  if (!UnregisterClassA(klase, instancija))
    Zurnalas("Klaida atlaisvinant hInstance");
  instancija = nullptr;
  ShowCursor(TRUE);
  sukurtas = false;
}
