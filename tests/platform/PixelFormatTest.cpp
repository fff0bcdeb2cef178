// Pixel formats as Windows hands them out: ChoosePixelFormat returns the closest format
// the driver has instead of failing on a size it cannot meet, and DescribePixelFormat
// and the GL queries tell what was really given. Runs headless and again under Xvfb
// (GLX), whose drivers offer different formats.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/Platforma.h"
#include "platform/PlatformosTestai.h"
#include "tests/platform/PlatformosAplinka.h"

namespace {

class PixelFormat : public LangoTestas {
 protected:
  void SetUp() override {
    LangoTestas::SetUp();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = n.klase;
    ASSERT_NE(RegisterClassA(&wc), 0);
    langas = NaujasLangas();
    ASSERT_NE(langas, nullptr);
    dc = GetDC(langas);
    ASSERT_NE(dc, nullptr);
  }
  void TearDown() override {
    wglMakeCurrent(nullptr, nullptr);
    if (rc) wglDeleteContext(rc);
    LangoTestas::TearDown();
  }
  HWND NaujasLangas() {
    return CreateWindowExA(0, n.klase, "w", WS_POPUP, 0, 0, 64, 48, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
  }
  static PIXELFORMATDESCRIPTOR Prasymas(int spalva, int gylis, int trafaretas, int kaupimas) {
    PIXELFORMATDESCRIPTOR p = {};
    p.nSize = sizeof p;
    p.nVersion = 1;
    p.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    p.cColorBits = static_cast<BYTE>(spalva);
    p.cDepthBits = static_cast<BYTE>(gylis);
    p.cStencilBits = static_cast<BYTE>(trafaretas);
    p.cAccumBits = static_cast<BYTE>(kaupimas);
    return p;
  }
  // Sets the format on the window, makes a context current on it and checks that the
  // description matches what GL reports the context has.
  void PatikrintiKontekste(int formatas, const PIXELFORMATDESCRIPTOR& f) {
    PIXELFORMATDESCRIPTOR kitas = Prasymas(16, 0, 0, 0);  // ignored: the number decides
    ASSERT_TRUE(SetPixelFormat(dc, formatas, &kitas));
    EXPECT_EQ(GetPixelFormat(dc), formatas);
    rc = wglCreateContext(dc);
    ASSERT_NE(rc, nullptr);
    ASSERT_TRUE(wglMakeCurrent(dc, rc));
    GLint r, g, b, a, z, s, ar, ag, ab, aa;
    glGetIntegerv(GL_RED_BITS, &r);
    glGetIntegerv(GL_GREEN_BITS, &g);
    glGetIntegerv(GL_BLUE_BITS, &b);
    glGetIntegerv(GL_ALPHA_BITS, &a);
    glGetIntegerv(GL_DEPTH_BITS, &z);
    glGetIntegerv(GL_STENCIL_BITS, &s);
    glGetIntegerv(GL_ACCUM_RED_BITS, &ar);
    glGetIntegerv(GL_ACCUM_GREEN_BITS, &ag);
    glGetIntegerv(GL_ACCUM_BLUE_BITS, &ab);
    glGetIntegerv(GL_ACCUM_ALPHA_BITS, &aa);
    EXPECT_EQ(f.cRedBits, r);
    EXPECT_EQ(f.cGreenBits, g);
    EXPECT_EQ(f.cBlueBits, b);
    EXPECT_EQ(f.cAlphaBits, a);
    EXPECT_EQ(f.cColorBits, r + g + b);
    EXPECT_EQ(f.cDepthBits, z);
    EXPECT_EQ(f.cStencilBits, s);
    EXPECT_EQ(f.cAccumBits, ar + ag + ab + aa);
    GLboolean dvigubas = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &dvigubas);
    EXPECT_EQ((f.dwFlags & PFD_DOUBLEBUFFER) != 0, dvigubas == GL_TRUE);
    // And the context draws: a cleared frame reads back in the clear colour.
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glFinish();
    unsigned char px[4] = {};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
    EXPECT_EQ(px[0], 0);
    EXPECT_EQ(px[1], 255);
  }
  PIXELFORMATDESCRIPTOR Aprasas(int formatas) {
    PIXELFORMATDESCRIPTOR f;
    std::memset(&f, 0xAB, sizeof f);
    EXPECT_GT(DescribePixelFormat(dc, formatas, sizeof f, &f), 0);
    return f;
  }
  HWND langas = nullptr;
  HDC dc = nullptr;
  HGLRC rc = nullptr;
};

}  // namespace

// The largest stencil the driver has is the closest to a wish beyond it: not none.
TEST_F(PixelFormat, StencilBeyondTheDriverGetsTheLargestItHas) {
  PIXELFORMATDESCRIPTOR p = Prasymas(32, 24, 16, 0);
  int formatas = ChoosePixelFormat(dc, &p);
  ASSERT_GT(formatas, 0);
  PIXELFORMATDESCRIPTOR f = Aprasas(formatas);
  EXPECT_GT(f.cStencilBits, 0);
  EXPECT_LT(f.cStencilBits, 16);
  // Every other size as asked: only the stencil gave way.
  EXPECT_GE(f.cDepthBits, 24);
  EXPECT_GE(f.cColorBits, 24);
  EXPECT_EQ(f.nSize, sizeof f);
  EXPECT_EQ(f.nVersion, 1);
  EXPECT_EQ(f.iPixelType, PFD_TYPE_RGBA);
  EXPECT_EQ(f.iLayerType, PFD_MAIN_PLANE);
  EXPECT_TRUE(f.dwFlags & PFD_SUPPORT_OPENGL);
  EXPECT_TRUE(f.dwFlags & PFD_DRAW_TO_WINDOW);
  PatikrintiKontekste(formatas, f);
}

// The sizes the game's settings may ask for, one at a time and all at once: a format
// every time, described as the context has it.
TEST_F(PixelFormat, EveryWishGetsAFormatThatDraws) {
  struct Atvejis {
    int spalva, gylis, trafaretas, kaupimas;
  };
  const Atvejis atvejai[] = {{32, 24, 0, 0}, {16, 24, 0, 0}, {32, 32, 0, 0},
                             {32, 24, 0, 64}, {32, 24, 16, 0}, {16, 32, 16, 64}};
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(testing::Message() << a.spalva << "/" << a.gylis << "/" << a.trafaretas << "/" << a.kaupimas);
    if (rc) {
      // A window's format is set once: each wish gets a fresh window.
      wglMakeCurrent(nullptr, nullptr);
      wglDeleteContext(rc);
      rc = nullptr;
      DestroyWindow(langas);
      langas = NaujasLangas();
      dc = GetDC(langas);
      ASSERT_NE(dc, nullptr);
    }
    PIXELFORMATDESCRIPTOR p = Prasymas(a.spalva, a.gylis, a.trafaretas, a.kaupimas);
    int formatas = ChoosePixelFormat(dc, &p);
    ASSERT_GT(formatas, 0);
    PIXELFORMATDESCRIPTOR f = Aprasas(formatas);
    if (a.trafaretas > 0) {
      EXPECT_GT(f.cStencilBits, 0);
    }
    // Depth: the driver's largest when the wish is beyond it, never less than 24.
    EXPECT_GE(f.cDepthBits, 24);
    PatikrintiKontekste(formatas, f);
  }
}

// A size the driver has is given as asked, not swapped for another the search passes.
TEST_F(PixelFormat, SizesTheDriverHasAreKept) {
  PIXELFORMATDESCRIPTOR p = Prasymas(32, 24, 8, 0);
  int formatas = ChoosePixelFormat(dc, &p);
  ASSERT_GT(formatas, 0);
  PIXELFORMATDESCRIPTOR f = Aprasas(formatas);
  EXPECT_EQ(f.cStencilBits, 8);
  EXPECT_GE(f.cDepthBits, 24);
  PIXELFORMATDESCRIPTOR be = Prasymas(32, 24, 0, 0);
  int beTrafareto = ChoosePixelFormat(dc, &be);
  ASSERT_GT(beTrafareto, 0);
  EXPECT_NE(beTrafareto, formatas);
  PatikrintiKontekste(formatas, f);
}

TEST_F(PixelFormat, DescribeFollowsTheWindowsContract) {
  PIXELFORMATDESCRIPTOR p = Prasymas(32, 24, 0, 0);
  int formatas = ChoosePixelFormat(dc, &p);
  ASSERT_GT(formatas, 0);
  // The same wish, the same number; a wish that ends in the same format shares it.
  EXPECT_EQ(ChoosePixelFormat(dc, &p), formatas);
  PIXELFORMATDESCRIPTOR tas = Aprasas(formatas);
  PIXELFORMATDESCRIPTOR artimas = Prasymas(32, tas.cDepthBits, 0, 0);
  EXPECT_EQ(ChoosePixelFormat(dc, &artimas), formatas);

  int kiek = DescribePixelFormat(dc, formatas, 0, nullptr);
  EXPECT_GE(kiek, formatas);
  EXPECT_EQ(DescribePixelFormat(dc, 1, sizeof tas, nullptr), kiek);
  PIXELFORMATDESCRIPTOR f;
  EXPECT_EQ(DescribePixelFormat(dc, 0, sizeof f, &f), 0);
  EXPECT_EQ(DescribePixelFormat(dc, kiek + 1, sizeof f, &f), 0);
  EXPECT_EQ(DescribePixelFormat(nullptr, formatas, sizeof f, &f), 0);
  // No more than the bytes given are written.
  unsigned char baitai[sizeof(PIXELFORMATDESCRIPTOR)];
  std::memset(baitai, 0xAB, sizeof baitai);
  EXPECT_EQ(DescribePixelFormat(dc, formatas, 8, reinterpret_cast<PIXELFORMATDESCRIPTOR*>(baitai)), kiek);
  EXPECT_EQ(std::memcmp(baitai, &tas, 8), 0);
  for (size_t i = 8; i < sizeof baitai; ++i) EXPECT_EQ(baitai[i], 0xAB) << i;

  // A number never handed out cannot be set; the window keeps none.
  EXPECT_EQ(GetPixelFormat(dc), 0);
  EXPECT_FALSE(SetPixelFormat(dc, kiek + 1, &p));
  EXPECT_FALSE(SetPixelFormat(dc, 0, &p));
  EXPECT_EQ(GetPixelFormat(dc), 0);
  EXPECT_EQ(wglCreateContext(dc), nullptr);
  ASSERT_TRUE(SetPixelFormat(dc, formatas, nullptr));
  EXPECT_EQ(GetPixelFormat(dc), formatas);
  EXPECT_EQ(GetPixelFormat(nullptr), 0);
}

// The extension's chooser takes its sizes as minimums: an unmet one gives no format.
TEST_F(PixelFormat, ExtensionChooserTakesMinimums) {
  PIXELFORMATDESCRIPTOR p = Prasymas(32, 24, 0, 0);
  ASSERT_TRUE(SetPixelFormat(dc, ChoosePixelFormat(dc, &p), &p));
  rc = wglCreateContext(dc);
  ASSERT_TRUE(wglMakeCurrent(dc, rc));
  typedef BOOL (*Rinkti)(HDC, const int*, const FLOAT*, UINT, int*, UINT*);
  Rinkti rinkti = reinterpret_cast<Rinkti>(wglGetProcAddress("wglChoosePixelFormatARB"));
  ASSERT_NE(rinkti, nullptr);
  const int gylis[] = {0x2022, 24, 0x2014, 32, 0};  // depth 24, colour 32
  int formatai[4] = {};
  UINT kiek = 99;
  ASSERT_TRUE(rinkti(dc, gylis, nullptr, 4, formatai, &kiek));
  ASSERT_EQ(kiek, 1u);
  PIXELFORMATDESCRIPTOR f = Aprasas(formatai[0]);
  EXPECT_GE(f.cDepthBits, 24);
  const int trafaretas[] = {0x2023, 64, 0};  // far beyond any driver
  kiek = 99;
  ASSERT_TRUE(rinkti(dc, trafaretas, nullptr, 4, formatai, &kiek));
  EXPECT_EQ(kiek, 0u);
  // Probing the driver for that left the caller's context current.
  GLint vp[4] = {};
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 64);
  EXPECT_EQ(vp[3], 48);
}
