// The window with its contexts: creation, each failure on the way, and the teardown.
#include <gtest/gtest.h>

#include <string>

#include "gfx/KLangas.h"
#include "platform/Platforma.h"
#include "platform/PlatformosTestai.h"
#include "tests/common/ZurnaloGaudykle.h"
#include "tests/platform/PlatformosAplinka.h"

namespace {

void TikrintiTuscia(const KLangas& l) {
  EXPECT_EQ(l.dc, nullptr);
  EXPECT_EQ(l.rc, nullptr);
  EXPECT_EQ(l.langas, nullptr);
  EXPECT_EQ(l.instancija, nullptr);
  EXPECT_FALSE(l.sukurtas);
  EXPECT_EQ(TestaiLangu(), 0);
  EXPECT_EQ(TestaiGlKontekstu(), 0);
  EXPECT_EQ(TestaiKlasiu(), 0);
}

using PlatformWindow = LangoTestas;

}  // namespace

TEST_F(PlatformWindow, SukurtiAndNaikinti) {
  ZurnaloGaudykle zurnalas;
  KLangas l;
  ASSERT_TRUE(l.Sukurti(n, true));
  EXPECT_TRUE(l.sukurtas);
  EXPECT_NE(l.dc, nullptr);
  EXPECT_NE(l.rc, nullptr);
  EXPECT_NE(l.langas, nullptr);
  EXPECT_NE(l.instancija, nullptr);
  EXPECT_TRUE(TestaiLangasMatomas(l.langas));
  EXPECT_EQ(TestaiLangu(), 1);
  EXPECT_EQ(TestaiGlKontekstu(), 1);
  EXPECT_EQ(TestaiKlasiu(), 1);
  EXPECT_TRUE(TestaiPranesimai().empty());
  // The context is current: GL answers.
  EXPECT_NE(glGetString(GL_VERSION), nullptr);
  GLint vp[4] = {};
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 640);
  EXPECT_EQ(vp[3], 480);
  l.Naikinti();
  TikrintiTuscia(l);
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
}

TEST_F(PlatformWindow, HiddenUntilAskedToShow) {
  KLangas l;
  ASSERT_TRUE(l.Sukurti(n, false));
  EXPECT_FALSE(TestaiLangasMatomas(l.langas));
  l.Rodyti();
  EXPECT_TRUE(TestaiLangasMatomas(l.langas));
  l.Naikinti();
}

TEST_F(PlatformWindow, ClientAreaIsExactlyTheSize) {
  struct Dydis {
    int x, y, plotis, aukstis;
  };
  const Dydis dydziai[] = {{0, 0, 640, 480}, {100, 50, 800, 600}, {7, 9, 333, 217}};
  for (const Dydis& d : dydziai) {
    n.x = d.x;
    n.y = d.y;
    n.plotis = d.plotis;
    n.aukstis = d.aukstis;
    KLangas l;
    ASSERT_TRUE(l.Sukurti(n, true));
    RECT sritis = TestaiKlientoSritis(l.langas);
    EXPECT_EQ(sritis.right - sritis.left, d.plotis);
    EXPECT_EQ(sritis.bottom - sritis.top, d.aukstis);
    // The outer window stands at "poz"; the client area sits inside its frame.
    RECT remelis = {0, 0, 0, 0};
    AdjustWindowRectEx(&remelis, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                       FALSE, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    EXPECT_LT(remelis.top, remelis.left);  // a caption is taller than a side frame
    EXPECT_EQ(sritis.left, d.x - remelis.left);
    EXPECT_EQ(sritis.top, d.y - remelis.top);
    l.Naikinti();
  }
}

TEST_F(PlatformWindow, FrameArithmetic) {
  RECT be = {10, 20, 110, 220};
  ASSERT_TRUE(AdjustWindowRectEx(&be, WS_POPUP, FALSE, WS_EX_APPWINDOW));
  EXPECT_EQ(be.left, 10);
  EXPECT_EQ(be.top, 20);
  EXPECT_EQ(be.right, 110);
  EXPECT_EQ(be.bottom, 220);
  RECT su = {10, 20, 110, 220};
  ASSERT_TRUE(AdjustWindowRectEx(&su, WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_WINDOWEDGE));
  EXPECT_LT(su.left, 10);
  EXPECT_LT(su.top, su.left + 10);
  EXPECT_GT(su.right, 110);
  EXPECT_GT(su.bottom, 220);
  EXPECT_EQ(10 - su.left, su.right - 110);  // symmetric sides
  EXPECT_FALSE(AdjustWindowRectEx(nullptr, WS_POPUP, FALSE, 0));
}

// Each creation step made to fail: its text in the box, false, and nothing held.
TEST_F(PlatformWindow, CreationFailures) {
  struct Atvejis {
    const char* operacija;
    const char* tekstas;
    bool naikintaPriesLanga;  // torn down before the box was shown
  };
  const Atvejis atvejai[] = {
      {"RegisterClassA", "Klaida registruojant 'wc'", true},
      {"CreateWindowExA", "Klaida kuriant langa: CreateWindow", false},
      {"GetDC", "Klaida nustatant 'GL Device Context'", true},
      {"ChoosePixelFormat", "Klaida pasirenkant PixelFormat", true},
      {"SetPixelFormat", "Klaida nustatant PixelFormat", true},
      {"wglCreateContext", "Klaida kuriant 'GL Rendering Context'", true},
      {"wglMakeCurrent", "Klaida aktyvuojant 'GL Rendering Context'", true},
  };
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(a.operacija);
    ZurnaloGaudykle zurnalas;
    TestaiIsvalytiPranesimus();
    TestaiSugadinti(a.operacija);
    KLangas l;
    EXPECT_FALSE(l.Sukurti(n, true));
    ASSERT_EQ(TestaiPranesimai().size(), 1u);
    const TestuPranesimas& p = TestaiPranesimai()[0];
    EXPECT_EQ(p.tekstas, a.tekstas);
    EXPECT_EQ(p.antraste, "KLAIDA");
    EXPECT_EQ(p.tipas, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    if (a.naikintaPriesLanga) {
      EXPECT_EQ(p.langu, 0);
      EXPECT_EQ(p.klasiu, 0);
      EXPECT_EQ(p.glKontekstu, 0);
    } else {
      EXPECT_EQ(p.klasiu, 1);  // still registered while the box is up
    }
    if (std::string(a.operacija) != "RegisterClassA") {
      EXPECT_EQ(l.instancija, nullptr);
    }
    EXPECT_EQ(l.dc, nullptr);
    EXPECT_EQ(l.rc, nullptr);
    EXPECT_EQ(l.langas, nullptr);
    EXPECT_FALSE(l.sukurtas);
    EXPECT_EQ(TestaiLangu(), 0);
    EXPECT_EQ(TestaiGlKontekstu(), 0);
    EXPECT_EQ(TestaiKlasiu(), 0);
    // Releasing only what was held: no release fails.
    EXPECT_TRUE(zurnalas.Pranesimai().empty());
    TestaiAtstatyti();
  }
  // And the same settings then work.
  KLangas l;
  EXPECT_TRUE(l.Sukurti(n, true));
  l.Naikinti();
}

TEST_F(PlatformWindow, UnsupportedFullScreenMode) {
  n.fullscr = true;
  n.plotis = 801;
  n.aukstis = 601;
  KLangas l;
  EXPECT_FALSE(l.Sukurti(n, true));
  ASSERT_EQ(TestaiPranesimai().size(), 1u);
  EXPECT_EQ(TestaiPranesimai()[0].tekstas, "Parinkti vaizdo nustatymai nesuderinami su Jusu sistema");
  EXPECT_EQ(TestaiPranesimai()[0].antraste, "KLAIDA");
  EXPECT_FALSE(TestaiEkranasPerjungtas());
  EXPECT_EQ(TestaiLangu(), 0);
  // Nothing is released on this path: the class stays registered.
  EXPECT_EQ(TestaiKlasiu(), 1);
  EXPECT_EQ(l.langas, nullptr);
}

namespace {
bool RezimasYra(int plotis, int aukstis) {
  DEVMODEA m = {};
  m.dmSize = sizeof m;
  m.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  m.dmPelsWidth = static_cast<DWORD>(plotis);
  m.dmPelsHeight = static_cast<DWORD>(aukstis);
  return ChangeDisplaySettingsExA(nullptr, &m, nullptr, CDS_TEST, nullptr) == DISP_CHANGE_SUCCESSFUL;
}
}  // namespace

TEST_F(PlatformWindow, FullScreen) {
  // The offscreen display offers one mode; take it as the wanted one.
  n.fullscr = true;
  n.plotis = 1024;
  n.aukstis = 768;
  n.x = 50;
  n.y = 60;
  if (!RezimasYra(n.plotis, n.aukstis)) GTEST_SKIP() << "no 1024x768 mode on this display";
  int zymeklis = TestaiZymeklioSkaitiklis();
  KLangas l;
  ASSERT_TRUE(l.Sukurti(n, true));
  EXPECT_TRUE(TestaiEkranasPerjungtas());
  EXPECT_EQ(TestaiZymeklioSkaitiklis(), zymeklis - 1);  // hidden in full screen
  RECT sritis = TestaiKlientoSritis(l.langas);
  EXPECT_EQ(sritis.left, 0);  // "poz" does not apply
  EXPECT_EQ(sritis.top, 0);
  EXPECT_EQ(sritis.right, 1024);
  EXPECT_EQ(sritis.bottom, 768);
  l.Naikinti();
  EXPECT_FALSE(TestaiEkranasPerjungtas());
  EXPECT_EQ(TestaiZymeklioSkaitiklis(), zymeklis);
  TikrintiTuscia(l);
}

TEST_F(PlatformWindow, FullScreenIsRestoredAfterOrBeforeTheWindow) {
  n.fullscr = true;
  n.plotis = 1024;
  n.aukstis = 768;
  if (!RezimasYra(n.plotis, n.aukstis)) GTEST_SKIP() << "no 1024x768 mode on this display";
  // CreateWindowExA: the box comes while the display is still switched.
  TestaiSugadinti("CreateWindowExA");
  KLangas l;
  EXPECT_FALSE(l.Sukurti(n, true));
  ASSERT_EQ(TestaiPranesimai().size(), 1u);
  EXPECT_TRUE(TestaiPranesimai()[0].ekranasPerjungtas);
  EXPECT_FALSE(TestaiEkranasPerjungtas());
  // Later failures restore the mode first.
  TestaiIsvalytiPranesimus();
  TestaiSugadinti("SetPixelFormat");
  EXPECT_FALSE(l.Sukurti(n, true));
  ASSERT_EQ(TestaiPranesimai().size(), 1u);
  EXPECT_EQ(TestaiPranesimai()[0].tekstas, "Klaida nustatant PixelFormat");
  EXPECT_FALSE(TestaiPranesimai()[0].ekranasPerjungtas);
  TikrintiTuscia(l);
}

// A release that fails is logged and the teardown goes on with the rest.
TEST_F(PlatformWindow, TeardownFailuresAreLogged) {
  struct Atvejis {
    const char* operacija;
    std::vector<std::string> zurnalas;
    int likoLangu;
  };
  const Atvejis atvejai[] = {
      {"wglMakeCurrent", {"Klaida atlaisvinant DC ir RC"}, 0},
      {"wglDeleteContext", {"Klaida atlaisvinant Rendering Context"}, 0},
      {"ReleaseDC", {"Klaida atlaisvinant Device Context"}, 0},
      // A window that stays keeps its class registered too.
      {"DestroyWindow", {"Klaida atlaisvinant hWnd.", "Klaida atlaisvinant hInstance"}, 1},
      {"UnregisterClassA", {"Klaida atlaisvinant hInstance"}, 0},
  };
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(a.operacija);
    KLangas l;
    ASSERT_TRUE(l.Sukurti(n, true));
    ZurnaloGaudykle zurnalas;
    TestaiSugadinti(a.operacija);
    l.Naikinti();
    EXPECT_EQ(zurnalas.Pranesimai(), a.zurnalas);
    EXPECT_EQ(l.dc, nullptr);
    EXPECT_EQ(l.rc, nullptr);
    EXPECT_EQ(l.langas, nullptr);
    EXPECT_EQ(l.instancija, nullptr);
    EXPECT_FALSE(l.sukurtas);
    EXPECT_EQ(TestaiLangu(), a.likoLangu);
    EXPECT_TRUE(TestaiPranesimai().empty());  // teardown never shows a box
    TestaiIsvalytiViska();
  }
}

TEST_F(PlatformWindow, PixelFormatAsksForTheConfiguredBuffers) {
  // The descriptor is filled by the first window of the process: as ctest runs each
  // test in a process of its own, that is this one.
  if (langoFormatas.cColorBits != 0) GTEST_SKIP() << "an earlier window of this process filled the descriptor";
  n.bpp = 32;
  n.z_bpp = 16;
  n.stencil_bpp = 8;
  n.accum_bpp = 64;
  KLangas l;
  ASSERT_TRUE(l.Sukurti(n, true)) << (TestaiPranesimai().empty() ? "" : TestaiPranesimai()[0].tekstas);
  EXPECT_EQ(langoFormatas.cColorBits, 32);
  EXPECT_EQ(langoFormatas.cDepthBits, 16);
  EXPECT_EQ(langoFormatas.cStencilBits, 8);
  EXPECT_EQ(langoFormatas.cAccumBits, 64);
  // The context really has the stencil and depth buffers asked for. (Accumulation
  // buffers are the driver's to give: the offscreen one has none.)
  GLint stencil = 0, gylis = 0;
  glGetIntegerv(GL_STENCIL_BITS, &stencil);
  glGetIntegerv(GL_DEPTH_BITS, &gylis);
  EXPECT_GE(stencil, 8);
  EXPECT_GE(gylis, 16);
  l.Naikinti();
  TikrintiTuscia(l);
}

TEST_F(PlatformWindow, ASecondCreationTearsDownTheFirst) {
  KLangas l;
  ASSERT_TRUE(l.Sukurti(n, true));
  HWND pirmas = l.langas;
  const PIXELFORMATDESCRIPTOR pirmasis = langoFormatas;
  // Every window in this process asked for 32 colour and 24 depth bits first.
  EXPECT_EQ(pirmasis.cColorBits, 32);
  EXPECT_EQ(pirmasis.cDepthBits, 24);
  EXPECT_EQ(pirmasis.cStencilBits, 0);
  EXPECT_EQ(pirmasis.cAccumBits, 0);
  EXPECT_EQ(pirmasis.nSize, 40);
  EXPECT_EQ(pirmasis.nVersion, 1);
  EXPECT_EQ(pirmasis.dwFlags, 0x25u);
  n.bpp = 16;
  n.z_bpp = 16;
  n.stencil_bpp = 8;
  n.accum_bpp = 32;
  n.plotis = 320;
  n.aukstis = 200;
  ASSERT_TRUE(l.Sukurti(n, true));
  EXPECT_EQ(TestaiLangu(), 1);
  EXPECT_EQ(TestaiKlasiu(), 1);
  EXPECT_EQ(TestaiGlKontekstu(), 1);
  EXPECT_NE(l.langas, pirmas);
  RECT sritis = TestaiKlientoSritis(l.langas);
  EXPECT_EQ(sritis.right - sritis.left, 320);
  EXPECT_EQ(langoFormatas.cColorBits, pirmasis.cColorBits);
  EXPECT_EQ(langoFormatas.cDepthBits, pirmasis.cDepthBits);
  EXPECT_EQ(langoFormatas.cStencilBits, pirmasis.cStencilBits);
  EXPECT_EQ(langoFormatas.cAccumBits, pirmasis.cAccumBits);
  l.Naikinti();
  TikrintiTuscia(l);
}

TEST_F(PlatformWindow, TwoWindowsOfOneClassAreRefused) {
  KLangas a, b;
  ASSERT_TRUE(a.Sukurti(n, true));
  EXPECT_FALSE(b.Sukurti(n, true));
  ASSERT_EQ(TestaiPranesimai().size(), 1u);
  EXPECT_EQ(TestaiPranesimai()[0].tekstas, "Klaida registruojant 'wc'");
  EXPECT_TRUE(a.sukurtas);
  a.Naikinti();
}

TEST_F(PlatformWindow, MessageBoxWithoutADisplayReturnsAtOnce) {
  // The offscreen driver cannot show a dialog: the call returns at once.
  TestaiIrasytiPranesimus(false);
  EXPECT_EQ(MessageBoxA(nullptr, "tekstas", "KLAIDA", MB_OK | MB_ICONWARNING), 0);
  TestaiIrasytiPranesimus(true);
  EXPECT_EQ(MessageBoxA(nullptr, "tekstas", "KLAIDA", MB_OK | MB_ICONWARNING), IDOK);
  ASSERT_EQ(TestaiPranesimai().size(), 1u);
}

TEST_F(PlatformWindow, CursorShowCounter) {
  int pradzia = TestaiZymeklioSkaitiklis();
  EXPECT_EQ(ShowCursor(FALSE), pradzia - 1);
  EXPECT_EQ(ShowCursor(FALSE), pradzia - 2);
  EXPECT_EQ(ShowCursor(TRUE), pradzia - 1);
  EXPECT_EQ(ShowCursor(TRUE), pradzia);
}

TEST_F(PlatformWindow, AContextGoesWithItsOwnWindowOnly) {
  KLangas a;
  ASSERT_TRUE(a.Sukurti(n, true));
  KNustatymai kiti;
  std::snprintf(kiti.klase, sizeof kiti.klase, "KitaKlase");
  KLangas b;
  ASSERT_TRUE(b.Sukurti(kiti, true));
  // A context goes with its own window's DC only.
  EXPECT_FALSE(wglMakeCurrent(a.dc, b.rc));
  EXPECT_TRUE(wglMakeCurrent(a.dc, a.rc));
  // The DC belongs to its window.
  EXPECT_EQ(ReleaseDC(b.langas, a.dc), 0);
  // A pixel format is set once per window.
  EXPECT_FALSE(SetPixelFormat(a.dc, GetPixelFormat(a.dc), &langoFormatas));
  b.Naikinti();
  a.Naikinti();
}

// The desktop's own full screen: a borderless window over the whole display the window
// would be on, at the mode the display has, the cursor hidden; no mode is switched, also
// when fullscr asks for one of a size the display lacks.
TEST_F(PlatformWindow, DesktopFullScreen) {
  n.darbalaukis = 1;
  n.fullscr = true;
  n.plotis = 801;
  n.aukstis = 601;
  n.x = 50;
  n.y = 60;
  RECT norimas = {50, 60, 851, 661};
  MONITORINFO ekranas = {};
  ekranas.cbSize = sizeof ekranas;
  ASSERT_TRUE(GetMonitorInfoA(MonitorFromRect(&norimas, MONITOR_DEFAULTTONEAREST), &ekranas));
  const int zymeklis = TestaiZymeklioSkaitiklis();
  KLangas l;
  ASSERT_TRUE(l.Sukurti(n, true));
  EXPECT_TRUE(TestaiPranesimai().empty());
  EXPECT_FALSE(TestaiEkranasPerjungtas());
  EXPECT_TRUE(TestaiDarbalaukioLangas(l.langas));
  EXPECT_EQ(TestaiZymeklioSkaitiklis(), zymeklis - 1);
  const RECT sritis = TestaiKlientoSritis(l.langas);
  const RECT& m = ekranas.rcMonitor;
  EXPECT_EQ(sritis.left, m.left);
  EXPECT_EQ(sritis.top, m.top);
  EXPECT_EQ(sritis.right, m.right);
  EXPECT_EQ(sritis.bottom, m.bottom);
  EXPECT_EQ(langoPlotis, m.right - m.left);
  EXPECT_EQ(langoAukstis, m.bottom - m.top);
  l.Naikinti();
  EXPECT_FALSE(TestaiEkranasPerjungtas());
  EXPECT_EQ(TestaiZymeklioSkaitiklis(), zymeklis);
  TikrintiTuscia(l);

  // A rectangle on a display is found on it; one far off every display takes the nearest.
  EXPECT_NE(MonitorFromRect(&norimas, MONITOR_DEFAULTTONULL), nullptr);
  RECT toli = {100000, 100000, 100800, 100600};
  EXPECT_EQ(MonitorFromRect(&toli, MONITOR_DEFAULTTONULL), nullptr);
  EXPECT_NE(MonitorFromRect(&toli, MONITOR_DEFAULTTONEAREST), nullptr);
}

// The client size the frame draws into follows the window as it is resized.
TEST_F(PlatformWindow, ClientSizeFollowsResizes) {
  KLangas l;
  ASSERT_TRUE(l.Sukurti(n, true));
  EXPECT_EQ(langoPlotis, 640);
  EXPECT_EQ(langoAukstis, 480);
  ASSERT_TRUE(TestaiKeistiDydi(l.langas, 1000, 500));
  l.Atnaujinti();
  EXPECT_EQ(langoPlotis, 1000);
  EXPECT_EQ(langoAukstis, 500);
  l.Naikinti();
}
