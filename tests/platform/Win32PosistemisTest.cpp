// The Windows calls themselves, where the layer has to behave as Windows does for
// the game's code to mean the same thing.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/Platforma.h"
#include "platform/PlatformosTestai.h"
#include "tests/platform/PlatformosAplinka.h"

namespace {

int sukurimu = 0;
int sunaikinimu = 0;
LRESULT atsakymasIKurima = 0;

LRESULT CALLBACK Numatyta(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_CREATE) {
    ++sukurimu;
    return atsakymasIKurima;
  }
  if (m == WM_DESTROY) ++sunaikinimu;
  return DefWindowProcA(hwnd, m, w, l);
}

class Win32 : public LangoTestas {
 protected:
  void SetUp() override {
    LangoTestas::SetUp();
    sukurimu = sunaikinimu = 0;
    atsakymasIKurima = 0;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Numatyta;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = n.klase;
    ASSERT_NE(RegisterClassA(&wc), 0);
  }
  HWND Langas(int plotis = 200, int aukstis = 100) {
    return CreateWindowExA(0, n.klase, "w", WS_POPUP, 0, 0, plotis, aukstis, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
};

}  // namespace

TEST_F(Win32, ClassRegistration) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Numatyta;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = n.klase;
  EXPECT_EQ(RegisterClassA(&wc), 0);  // already registered
  wc.lpfnWndProc = nullptr;
  wc.lpszClassName = "BeProceduros";
  EXPECT_EQ(RegisterClassA(&wc), 0);
  HWND w = Langas();
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(UnregisterClassA(n.klase, GetModuleHandleA(nullptr)));  // a window still uses it
  EXPECT_TRUE(DestroyWindow(w));
  EXPECT_FALSE(UnregisterClassA(n.klase, nullptr));  // another instance's class
  EXPECT_TRUE(UnregisterClassA(n.klase, GetModuleHandleA(nullptr)));
  EXPECT_FALSE(UnregisterClassA(n.klase, GetModuleHandleA(nullptr)));
  EXPECT_EQ(CreateWindowExA(0, n.klase, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Win32, ResourcesAndModule) {
  EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr));
  EXPECT_EQ(GetModuleHandleA("kitas.dll"), nullptr);
  EXPECT_NE(LoadIconA(nullptr, IDI_WINLOGO), nullptr);
  EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
  EXPECT_NE(LoadIconA(nullptr, IDI_WINLOGO), reinterpret_cast<HICON>(LoadCursorA(nullptr, IDC_ARROW)));
  EXPECT_EQ(LoadIconA(GetModuleHandleA(nullptr), IDI_WINLOGO), nullptr);  // no resources of our own
}

TEST_F(Win32, CreationAndDestructionThroughTheProcedure) {
  HWND w = Langas();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(sukurimu, 1);
  // The default procedure destroys a window asked to close.
  EXPECT_EQ(DefWindowProcA(w, WM_CLOSE, 0, 0), 0);
  EXPECT_EQ(sunaikinimu, 1);
  EXPECT_EQ(TestaiLangu(), 0);
  EXPECT_FALSE(DestroyWindow(w));  // already gone
  // A WM_CREATE answered with -1 cancels the creation.
  atsakymasIKurima = -1;
  EXPECT_EQ(Langas(), nullptr);
  EXPECT_EQ(TestaiLangu(), 0);
}

TEST_F(Win32, CloseDestroysByDefault) {
  HWND w = Langas();
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(TestaiUzdaryti(w));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, w, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_CLOSE));
  DispatchMessageA(&m);
  EXPECT_EQ(TestaiLangu(), 0);
  EXPECT_FALSE(PeekMessageA(&m, w, 0, 0, PM_REMOVE));
}

TEST_F(Win32, QueueFiltersAndMessagesLeftInPlace) {
  HWND a = Langas();
  HWND b = Langas();
  ASSERT_TRUE(a && b);
  ASSERT_TRUE(TestaiKlavisas(b, "A", true));
  ASSERT_TRUE(TestaiKlavisas(a, "S", true));
  MSG m;
  // Looked at without removing: the same message again.
  ASSERT_TRUE(PeekMessageA(&m, a, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('S'));
  ASSERT_TRUE(PeekMessageA(&m, a, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('S'));
  EXPECT_FALSE(PeekMessageA(&m, a, 0, 0, PM_REMOVE));
  // A range filter.
  ASSERT_TRUE(TestaiPelesMygtukas(b, 1, true));
  ASSERT_TRUE(PeekMessageA(&m, b, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_LBUTTONDOWN));
  ASSERT_TRUE(PeekMessageA(&m, b, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('A'));
  // WM_QUIT belongs to no window and passes every window filter.
  ASSERT_TRUE(TestaiIseiti());
  ASSERT_TRUE(PeekMessageA(&m, a, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(m.hwnd, nullptr);
  // A destroyed window's messages go with it.
  ASSERT_TRUE(TestaiKlavisas(b, "D", true));
  // (a look for something else pulls the key into the layer's own queue first)
  ASSERT_TRUE(PeekMessageA(&m, b, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_REMOVE) == FALSE);
  DestroyWindow(b);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_KEYDOWN, WM_KEYUP, PM_REMOVE));
  DestroyWindow(a);
}

TEST_F(Win32, ManyMessagesAreNotLost) {
  // More than the layer's own queue holds at once: everything arrives, in order.
  HWND w = Langas();
  ASSERT_NE(w, nullptr);
  MSG m;
  while (PeekMessageA(&m, w, 0, 0, PM_REMOVE)) {
  }
  const int kiek = 700;
  for (int i = 0; i < kiek; ++i) ASSERT_TRUE(TestaiKlavisas(w, (i % 2) ? "B" : "A", true, i > 1));
  int gauta = 0;
  while (PeekMessageA(&m, w, 0, 0, PM_REMOVE)) {
    ASSERT_EQ(m.wParam, static_cast<WPARAM>((gauta % 2) ? 'B' : 'A')) << gauta;
    ++gauta;
  }
  EXPECT_EQ(gauta, kiek);
}

TEST_F(Win32, CreatingAContextKeepsTheCurrentOne) {
  HWND a = Langas(64, 64);
  HWND b = Langas(32, 32);
  PIXELFORMATDESCRIPTOR pfd = {};
  pfd.nSize = sizeof pfd;
  pfd.nVersion = 1;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  pfd.cColorBits = 32;
  pfd.cDepthBits = 24;
  HDC da = GetDC(a), db = GetDC(b);
  ASSERT_TRUE(da && db);
  EXPECT_EQ(wglCreateContext(da), nullptr);  // no pixel format yet
  int formatas = ChoosePixelFormat(da, &pfd);
  ASSERT_GT(formatas, 0);
  ASSERT_TRUE(SetPixelFormat(da, formatas, &pfd));
  ASSERT_TRUE(SetPixelFormat(db, formatas, &pfd));
  HGLRC ra = wglCreateContext(da);
  ASSERT_NE(ra, nullptr);
  ASSERT_TRUE(wglMakeCurrent(da, ra));
  GLint vp[4];
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 64);
  HGLRC rb = wglCreateContext(db);
  ASSERT_NE(rb, nullptr);
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 64);  // still the first context
  ASSERT_TRUE(wglMakeCurrent(db, rb));
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 32);
  EXPECT_TRUE(SwapBuffers(db));
  EXPECT_TRUE(wglDeleteContext(rb));  // current: released first
  EXPECT_FALSE(wglDeleteContext(rb));
  EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
  EXPECT_TRUE(wglDeleteContext(ra));
  EXPECT_EQ(TestaiGlKontekstu(), 0);
  // Colour-index formats are not on offer.
  pfd.iPixelType = 1;
  EXPECT_EQ(ChoosePixelFormat(da, &pfd), 0);
  EXPECT_EQ(ReleaseDC(a, da), 1);
  DestroyWindow(a);
  DestroyWindow(b);
  EXPECT_FALSE(SwapBuffers(da));  // the window, and its DC, are gone
}

TEST_F(Win32, FontObjects) {
  HWND w = Langas();
  HDC dc = GetDC(w);
  ASSERT_NE(dc, nullptr);
  HFONT f = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, BALTIC_CHARSET, OUT_TT_PRECIS,
                        CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tunga");
  ASSERT_NE(f, nullptr);  // a missing face is substituted
  HGDIOBJ buves = SelectObject(dc, f);
  ASSERT_NE(buves, nullptr);  // a fresh DC has the stock font selected
  EXPECT_NE(buves, HGDI_ERROR);
  EXPECT_FALSE(DeleteObject(f));  // still selected
  EXPECT_EQ(SelectObject(dc, buves), f);
  EXPECT_TRUE(DeleteObject(f));
  EXPECT_FALSE(DeleteObject(f));
  EXPECT_EQ(SelectObject(dc, f), nullptr);  // a deleted font is no object
  // Glyph lists need a current context.
  EXPECT_FALSE(wglUseFontBitmapsA(dc, 32, 10, 1));
  DestroyWindow(w);
}

TEST_F(Win32, PerformanceCounter) {
  LARGE_INTEGER f1, f2, a, b;
  ASSERT_TRUE(QueryPerformanceFrequency(&f1));
  ASSERT_TRUE(QueryPerformanceFrequency(&f2));
  EXPECT_GT(f1.QuadPart, 0);
  EXPECT_EQ(f1.QuadPart, f2.QuadPart);
  ASSERT_TRUE(QueryPerformanceCounter(&a));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_TRUE(QueryPerformanceCounter(&b));
  // At least the time slept, in counts.
  EXPECT_GE(static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f1.QuadPart), 0.020);
}
