// Five hundred whole battles from fixed seeds, in ten blocks that ctest can run side by side.
#include <gtest/gtest.h>

#include "tests/soak/BattleSoak.h"

namespace {

constexpr uint32_t BLOKAS = 50;

class BattleSoakBlock : public ::testing::TestWithParam<uint32_t> {};

TEST_P(BattleSoakBlock, EveryFrameKeepsTheBattleInvariantsAndEveryBattleEnds) {
  BattleSoak soak;
  BattleSoak::Rezultatas is;
  int laimeta = 0, pralaimeta = 0;
  double ilgiausias = 0;
  for (uint32_t sekla = GetParam() * BLOKAS + 1; sekla <= (GetParam() + 1) * BLOKAS; ++sekla) {
    const BattleSoak::Rezultatas r = soak.Zaisti(sekla);
    EXPECT_EQ(r.klaida, "");
    (r.laimeta ? laimeta : pralaimeta)++;
    is.kadru += r.kadru;
    is.sekundziu += r.sekundziu;
    is.perjungimu += r.perjungimu;
    is.suviu += r.suviu;
    is.zingsniu += r.zingsniu;
    is.sienu += r.sienu;
    if (r.sekundziu > ilgiausias) ilgiausias = r.sekundziu;
  }
  std::printf("%d won, %d lost, %lld frames, %.0f s simulated, longest %.0f s; the player stepped %d times, "
              "fired %d shots, pressed S %d times; %d walls broken\n",
              laimeta, pralaimeta, static_cast<long long>(is.kadru), is.sekundziu, ilgiausias, is.zingsniu, is.suviu,
              is.perjungimu, is.sienu);
  // The block exercised what it is for: a player who drove, fired and switched, walls
  // falling. (Its fifty consecutive seeds take every frame-time pattern by construction.)
  EXPECT_GT(is.zingsniu, 0);
  EXPECT_GT(is.suviu, 0);
  EXPECT_GT(is.perjungimu, 0);
  EXPECT_GT(is.sienu, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, BattleSoakBlock, ::testing::Range<uint32_t>(0, 10));

}  // namespace
