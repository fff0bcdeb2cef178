// The joystick through the whole program: found at start-up, polled every frame, and
// recalibrated by F2 in the frame F2 goes down (not while it is held).
#include <gtest/gtest.h>

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
