// Window-system events through the pump and the window procedure into the key table
// and the mouse, as the game sees them.
#include <gtest/gtest.h>

#include <cstring>

#include "app/Globalai.h"
#include "gfx/KLangas.h"
#include "platform/Platforma.h"
#include "platform/PlatformosTestai.h"
#include "tests/common/ZurnaloGaudykle.h"
#include "tests/platform/PlatformosAplinka.h"

namespace {

class WindowMessages : public LangoTestas {
 protected:
  void SetUp() override {
    LangoTestas::SetUp();
    ASSERT_TRUE(l.Sukurti(n, true));
    l.Atnaujinti();  // whatever the creation queued
    std::memset(klaviatura.busenos, 0, sizeof klaviatura.busenos);
    pele = KPele();
  }
  void TearDown() override {
    l.Naikinti();
    LangoTestas::TearDown();
  }
  void Klavisas(const char* vardas, bool nuspaustas, unsigned mod = 0, bool kartojimas = false) {
    ASSERT_TRUE(TestaiKlavisas(l.langas, vardas, nuspaustas, kartojimas, mod)) << vardas;
  }
  KLangas l;
};

}  // namespace

TEST_F(WindowMessages, KeysReachTheKeyboard) {
  Klavisas("Space", true);
  Klavisas("Left", true);
  l.Atnaujinti();
  EXPECT_EQ(klaviatura.busenos[VK_SPACE], 2);
  EXPECT_EQ(klaviatura.busenos[VK_LEFT], 2);
  klaviatura.Atnaujinti();
  Klavisas("Space", false);
  l.Atnaujinti();
  EXPECT_EQ(klaviatura.busenos[VK_SPACE], 1);
  EXPECT_EQ(klaviatura.busenos[VK_LEFT], 3);
}

TEST_F(WindowMessages, RepeatGivesNoNewPress) {
  Klavisas("Up", true);
  l.Atnaujinti();
  EXPECT_EQ(klaviatura.busenos[VK_UP], 2);
  for (int kadras = 0; kadras < 20; ++kadras) {
    klaviatura.Atnaujinti();
    Klavisas("Up", true, 0, true);
    l.Atnaujinti();
    EXPECT_EQ(klaviatura.busenos[VK_UP], 3) << kadras;
  }
}

TEST_F(WindowMessages, RepeatIsAKeyDownMarkedWasDown) {
  // Auto-repeat arrives as further key-down messages marked "was down".
  for (int i = 0; i < 3; ++i) Klavisas("A", true, 0, i > 0);
  MSG m;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(PeekMessageA(&m, l.langas, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(m.wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ((m.lParam >> 30) & 1, i > 0 ? 1 : 0);
    EXPECT_EQ(m.lParam & 0xFFFF, 1);  // repeat count
  }
  Klavisas("A", false);
  ASSERT_TRUE(PeekMessageA(&m, l.langas, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ((static_cast<uint32_t>(m.lParam) >> 30) & 3u, 3u);  // was down, going up
  EXPECT_FALSE(PeekMessageA(&m, l.langas, 0, 0, PM_REMOVE));
}

TEST_F(WindowMessages, SystemKeysDoNotReachTheKeyboard) {
  Klavisas("Left Alt", true, TESTAI_ALT);
  Klavisas("S", true, TESTAI_ALT);
  Klavisas("S", false, TESTAI_ALT);
  Klavisas("Left Alt", false);
  Klavisas("F10", true);
  Klavisas("F10", false);
  l.Atnaujinti();
  EXPECT_EQ(klaviatura.busenos['S'], 0);
  EXPECT_EQ(klaviatura.busenos[VK_MENU], 0);
  EXPECT_EQ(klaviatura.busenos[VK_F10], 0);
  EXPECT_FALSE(langasUzdaromas);
  // Ctrl+Alt is not a system combination.
  Klavisas("S", true, TESTAI_ALT | TESTAI_CTRL);
  l.Atnaujinti();
  EXPECT_EQ(klaviatura.busenos['S'], 2);
}

TEST_F(WindowMessages, AltF4AsksToCloseButTheWindowStays) {
  Klavisas("Left Alt", true, TESTAI_ALT);
  Klavisas("F4", true, TESTAI_ALT);
  l.Atnaujinti();
  EXPECT_TRUE(langasUzdaromas);
  EXPECT_EQ(TestaiLangu(), 1);
  EXPECT_NE(l.langas, nullptr);
  EXPECT_EQ(klaviatura.busenos[VK_F4], 0);
}

TEST_F(WindowMessages, CloseButtonAsksToClose) {
  ASSERT_TRUE(TestaiUzdaryti(l.langas));
  l.Atnaujinti();
  EXPECT_TRUE(langasUzdaromas);
  EXPECT_EQ(TestaiLangu(), 1);  // the window stays until the teardown
  // Still drawable: the game finishes its frame.
  l.Sukeisti();
}

TEST_F(WindowMessages, QuitMessageThroughThePump) {
  ASSERT_TRUE(TestaiIseiti());
  l.Atnaujinti();
  EXPECT_TRUE(langasUzdaromas);
}

TEST_F(WindowMessages, SystemCommands) {
  // The screen saver and the monitor's power-off are swallowed: the default procedure,
  // which would start them, never sees them.
  const int pries = TestaiUzsklandosPrasymai();
  EXPECT_EQ(LangoProcedura(l.langas, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
  EXPECT_EQ(LangoProcedura(l.langas, WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
  EXPECT_EQ(TestaiUzsklandosPrasymai(), pries);
  // Where the default procedure does get them, it counts them.
  DefWindowProcA(l.langas, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
  DefWindowProcA(l.langas, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
  EXPECT_EQ(TestaiUzsklandosPrasymai(), pries + 2);
  EXPECT_FALSE(langasUzdaromas);
  EXPECT_EQ(TestaiLangu(), 1);
  // Other commands take the default path: SC_CLOSE comes back as WM_CLOSE.
  EXPECT_EQ(LangoProcedura(l.langas, WM_SYSCOMMAND, SC_CLOSE, 0), 0);
  EXPECT_TRUE(langasUzdaromas);
  EXPECT_EQ(TestaiLangu(), 1);
}

TEST_F(WindowMessages, UnhandledMessagesGoToTheDefaultProcedure) {
  // WM_CLOSE is handled; given to the default procedure it would destroy the window.
  LangoProcedura(l.langas, WM_CLOSE, 0, 0);
  EXPECT_EQ(TestaiLangu(), 1);
  EXPECT_EQ(LangoProcedura(l.langas, WM_SIZE, 0, 0), 0);
  EXPECT_EQ(LangoProcedura(l.langas, WM_ACTIVATE, 0, 0), 0);
  EXPECT_EQ(LangoProcedura(l.langas, WM_MOUSEMOVE, 0, 0), 0);
}

TEST_F(WindowMessages, MouseButtons) {
  struct Atvejis {
    int mygtukas;
    int32_t KPele::*busena;
    bool KPele::*pasikeite;
  };
  const Atvejis atvejai[] = {{1, &KPele::kairys, &KPele::kairysPasikeite},
                             {2, &KPele::vidurinis, &KPele::vidurinisPasikeite},
                             {3, &KPele::desinys, &KPele::desinysPasikeite}};
  for (const Atvejis& a : atvejai) {
    pele = KPele();
    ASSERT_TRUE(TestaiPelesMygtukas(l.langas, a.mygtukas, true));
    l.Atnaujinti();
    EXPECT_EQ(pele.*a.busena, 2) << a.mygtukas;
    EXPECT_TRUE(pele.*a.pasikeite) << a.mygtukas;
    ASSERT_TRUE(TestaiPelesMygtukas(l.langas, a.mygtukas, false));
    l.Atnaujinti();
    EXPECT_EQ(pele.*a.busena, 1) << a.mygtukas;
  }
}

TEST_F(WindowMessages, WheelInNotchesOf120) {
  ASSERT_TRUE(TestaiRatukas(l.langas, 1.0f));
  l.Atnaujinti();
  EXPECT_EQ(pele.ratukoZingsnis, 1);
  ASSERT_TRUE(TestaiRatukas(l.langas, -2.0f));
  l.Atnaujinti();
  EXPECT_EQ(pele.ratukoZingsnis, -2);
  EXPECT_EQ(pele.ratukoSuma, -1);
  // Half a notch from a smooth wheel: delta 60, forwarded as 0 notches.
  ASSERT_TRUE(TestaiRatukas(l.langas, 0.5f));
  l.Atnaujinti();
  EXPECT_EQ(pele.ratukoZingsnis, 0);
  EXPECT_FALSE(pele.ratukasPajudejo);
  EXPECT_EQ(pele.ratukoSuma, -1);
  // The delta itself travels in 120ths, in the high word.
  ASSERT_TRUE(TestaiRatukas(l.langas, -0.5f));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, l.langas, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_REMOVE));
  EXPECT_EQ(static_cast<int16_t>(HIWORD(m.wParam)), -60);
}

TEST_F(WindowMessages, WheelDeltasGivenDirectly) {
  struct Atvejis {
    int delta, laipteliai;
  };
  const Atvejis atvejai[] = {{120, 1}, {-240, -2}, {119, 0}, {-119, 0}, {360, 3}, {-121, -1}};
  for (const Atvejis& a : atvejai) {
    pele = KPele();
    WPARAM w = static_cast<WPARAM>(static_cast<uint16_t>(static_cast<int16_t>(a.delta))) << 16;
    EXPECT_EQ(LangoProcedura(l.langas, WM_MOUSEWHEEL, w, 0), 0);
    EXPECT_EQ(pele.ratukoZingsnis, a.laipteliai) << a.delta;
  }
}

TEST_F(WindowMessages, PumpTakesOnlyItsOwnWindowsMessages) {
  KNustatymai kiti;
  std::snprintf(kiti.klase, sizeof kiti.klase, "KitasLangas");
  KLangas kitas;
  ASSERT_TRUE(kitas.Sukurti(kiti, true));
  kitas.Atnaujinti();
  ASSERT_TRUE(TestaiKlavisas(kitas.langas, "D", true));
  l.Atnaujinti();
  EXPECT_EQ(klaviatura.busenos['D'], 0);  // still queued for the other window
  kitas.Atnaujinti();
  EXPECT_EQ(klaviatura.busenos['D'], 2);
  kitas.Naikinti();
}

TEST_F(WindowMessages, PumpBeforeCreation) {
  KLangas nesukurtas;
  ZurnaloGaudykle zurnalas;
  ASSERT_TRUE(TestaiKlavisas(l.langas, "Return", true));
  nesukurtas.Atnaujinti();
  EXPECT_EQ(zurnalas.Kiek("Langas->Atnaujinti: nesukurtas"), 1);
  // With no window of its own it takes whatever is waiting, for any window.
  EXPECT_EQ(klaviatura.busenos[VK_RETURN], 2);
}

TEST_F(WindowMessages, PumpOfACreatedWindowLogsNothing) {
  ZurnaloGaudykle zurnalas;
  l.Atnaujinti();
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
}
