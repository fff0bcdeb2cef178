// The joystick through the whole program: found at start-up, polled every frame, and
// recalibrated by F2 in the frame F2 goes down (not while it is held).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "input/KVairalazdes.h"
#include "platform/PlatformosTestai.h"
#include "tests/app/NaujaPrograma.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace {

int16_t Reiksme(int zalia) { return static_cast<int16_t>(zalia - 32768); }

class ProgramJoystick : public ::testing::Test {
 protected:
  void SetUp() override {
    NaujaPrograma();
    prietaisas = TestaiPrijungtiVairalazde(6, 8);
    ASSERT_GE(prietaisas, 0);
    for (int a = 0; a < 6; ++a) ASSERT_TRUE(TestaiVairalazdesAsis(prietaisas, a, Reiksme(32768)));
    ASSERT_TRUE(Paleisti());
  }
  void TearDown() override {
    if (langas.sukurtas) Uzdaryti();
    KVairalazdes::Naikinti();
    dabartineVairalazde = nullptr;
    TestaiAtjungtiVairalazdes();
  }
  int prietaisas = -1;
};

}  // namespace

TEST_F(ProgramJoystick, F2RecalibratesOnceWhenPressed) {
  ASSERT_NE(dabartineVairalazde, nullptr);
  ASSERT_EQ(dabartineVairalazde, &KVairalazdes::vairalazdes[0]);
  KVairalazde& v = *dabartineVairalazde;
  ASSERT_TRUE(TestaiVairalazdesAsis(prietaisas, 0, Reiksme(49152)));
  Kadras();
  EXPECT_NEAR(v.asys[0], 0.5f, 1e-3f);  // polled every frame against the start-up rest

  ZurnaloGaudykle zurnalas;
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F2", true));
  Kadras();
  EXPECT_EQ(zurnalas.Kiek("Kalibruojama (0): 49152 49152"), 1);
  Kadras();
  EXPECT_EQ(v.asys[0], 0.0f);  // the stick's place at F2 is the new rest

  // Held F2 recalibrates no more: the stick moved on reads against the F2 rest.
  ASSERT_TRUE(TestaiVairalazdesAsis(prietaisas, 0, Reiksme(57344)));
  for (int i = 0; i < 3; ++i) Kadras();
  EXPECT_NEAR(v.asys[0], 0.5f, 1e-3f);
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F2", false));
  Kadras();
  Kadras();
  EXPECT_NEAR(v.asys[0], 0.5f, 1e-3f);
  EXPECT_EQ(zurnalas.Pranesimai().size(), 1u) << (zurnalas.Pranesimai().empty() ? "" : zurnalas.Pranesimai().back());
}

TEST_F(ProgramJoystick, TheGameReadsTheStickInTheFrameItIsPolled) {
  // The poll comes before the game update: the menu moves in the frame the stick is
  // pulled, and stops in the frame it is let go.
  busena = BUSENA_MENIU;
  meniu.pasirinkimas = 0;
  Kadras();
  ASSERT_EQ(meniu.pasirinkimas, 0);
  ASSERT_TRUE(TestaiVairalazdesAsis(prietaisas, 1, Reiksme(65535)));
  Kadras();
  EXPECT_EQ(meniu.pasirinkimas, 1);
  ASSERT_TRUE(TestaiVairalazdesAsis(prietaisas, 1, Reiksme(32768)));
  Kadras();
  EXPECT_EQ(meniu.pasirinkimas, 1);
}

// A pad plugged in while a battle runs, through the real frame: found by the next look
// (twice a second) and made the game's joystick; its right stick turns the turret and A
// fires. Pulled out with the stick over and A held, the tank stops turning and fires no
// more; plugged back in, the pad turns the turret again.
TEST(ProgramPad, PluggedInPulledOutAndBackInABattle) {
  NaujaPrograma();
  ASSERT_TRUE(Paleisti());
  EXPECT_EQ(dabartineVairalazde, nullptr);
  busena = BUSENA_MENIU;
  meniu.pasirinkimas = 0;
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "Return", true));
  Kadras();
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "Return", false));
  Kadras();
  ASSERT_EQ(busena, BUSENA_MUSIS);
  KTankas& t = *dabartinisTankas;

  // Frames until the game has a joystick (or has none): the seconds it took, and the
  // longest frame, which the look may have had to wait for.
  auto Laukti = [](bool yra, double& ilgiausias) {
    const auto pradzia = std::chrono::steady_clock::now();
    ilgiausias = 0;
    while ((dabartineVairalazde != nullptr) != yra &&
           std::chrono::steady_clock::now() - pradzia < std::chrono::seconds(5)) {
      const auto k = std::chrono::steady_clock::now();
      Kadras();
      ilgiausias = std::max(ilgiausias, std::chrono::duration<double>(std::chrono::steady_clock::now() - k).count());
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - pradzia).count();
  };
  double kadras = 0;
  int pad = TestaiPrijungtiPada();
  ASSERT_GE(pad, 0);
  double s = Laukti(true, kadras);
  ASSERT_NE(dabartineVairalazde, nullptr);
  EXPECT_LT(s, 1.0 + kadras) << "a pad plugged in is the game's within a second";

  t.sovinysSkrenda = false;
  t.uztaisymas = 5;
  ASSERT_TRUE(TestaiPadoMygtukas(pad, PadoMygtukas::A, true));
  Kadras();
  EXPECT_LT(t.uztaisymas, 5) << "A fires: the reload starts again";
  ASSERT_TRUE(TestaiPadoAsis(pad, PadoAsis::DesinysX, 32767));
  float kampas = t.bokstelioKampas;
  Kadras();
  EXPECT_FLOAT_EQ(t.bokstelioKampas, kampas - 2) << "the right stick across turns the turret";

  KVairalazde& irasas = *dabartineVairalazde;
  ASSERT_TRUE(TestaiAtjungtiVairalazde(pad));
  t.sovinysSkrenda = false;
  t.uztaisymas = 5;
  kampas = t.bokstelioKampas;
  ZurnaloGaudykle zurnalas;
  Kadras();
  EXPECT_EQ(dabartineVairalazde, nullptr);
  EXPECT_EQ(irasas.mygtukai[0], KLAVISAS_PAKELTAS) << "A reads as let go";
  EXPECT_EQ(irasas.asys[3], 0.0f) << "the stick reads as at rest";
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F2", true));  // nothing to calibrate now
  for (int i = 0; i < 4; ++i) Kadras();
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F2", false));
  EXPECT_EQ(irasas.mygtukai[0], KLAVISAS_ATLEISTAS);
  EXPECT_EQ(zurnalas.Kiek("Kalibruojama (0): 32768 32768"), 0);
  EXPECT_FLOAT_EQ(t.bokstelioKampas, kampas) << "pulled out, the turret stops";
  EXPECT_GE(t.uztaisymas, 5) << "pulled out with A held, no shot";

  pad = TestaiPrijungtiPada();
  ASSERT_GE(pad, 0);
  Laukti(true, kadras);
  ASSERT_EQ(dabartineVairalazde, &irasas) << "back in its own record";
  EXPECT_EQ(KVairalazdes::kiekis, 1);
  EXPECT_EQ(zurnalas.Kiek("Kalibruojama (0): 32768 32768"), 1) << "made afresh, at its rest";
  ASSERT_TRUE(TestaiPadoAsis(pad, PadoAsis::DesinysX, -32768));
  kampas = t.bokstelioKampas;
  Kadras();
  EXPECT_FLOAT_EQ(t.bokstelioKampas, kampas + 2) << "plugged back in, it turns the turret again";

  Uzdaryti();
  KVairalazdes::Naikinti();
  dabartineVairalazde = nullptr;
  TestaiAtjungtiVairalazdes();
}
