// What choosing a pixel format costs at start-up: the driver is probed with hidden
// windows, and the first probe also loads the GL library (which the window would
// load anyway). Later wishes show the probing alone; a repeated wish is remembered.
#include <chrono>
#include <cstdio>

#include "platform/Platforma.h"
#include "platform/PlatformosTestai.h"

int main() {
  // Headless unless SDL_VIDEODRIVER names a driver, as every benchmark runs.
  TestaiBeEkrano();
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "MatavimoKlase";
  if (!RegisterClassA(&wc)) return 1;
  HWND w = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr, wc.hInstance, nullptr);
  HDC dc = w ? GetDC(w) : nullptr;
  if (!dc) return 1;
  const int norai[][4] = {{32, 24, 0, 0}, {32, 24, 16, 0}, {16, 32, 16, 64}, {32, 24, 0, 0}};
  std::printf("ChoosePixelFormat (colour/depth/stencil/accum wished -> given), time of the call:\n");
  for (const auto& n : norai) {
    PIXELFORMATDESCRIPTOR p = {};
    p.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    p.cColorBits = static_cast<BYTE>(n[0]);
    p.cDepthBits = static_cast<BYTE>(n[1]);
    p.cStencilBits = static_cast<BYTE>(n[2]);
    p.cAccumBits = static_cast<BYTE>(n[3]);
    auto pradzia = std::chrono::steady_clock::now();
    int f = ChoosePixelFormat(dc, &p);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pradzia).count();
    PIXELFORMATDESCRIPTOR d = {};
    if (f == 0 || !DescribePixelFormat(dc, f, sizeof d, &d)) return 1;
    std::printf("  %2d/%2d/%2d/%2d -> %2d/%2d/%2d/%2d  %8.2f ms\n", n[0], n[1], n[2], n[3], d.cColorBits,
                d.cDepthBits, d.cStencilBits, d.cAccumBits, ms);
  }
  DestroyWindow(w);
  return 0;
}
