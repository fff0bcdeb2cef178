#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "app/Globalai.h"

namespace {

void Uzpildyti(KZemelapis& z, int32_t verte) {
  for (auto& l : z.langeliai) l = verte;
}

}  // namespace

TEST(KZemelapis, GeneruotiFillsColumnByColumnFromRand) {
  // The seed decides the battlefield: the n-th number drawn lands in column n / 15, row n % 15.
  for (unsigned sekla : {1u, 7u, 20240601u}) {
    KZemelapis z;
    Uzpildyti(z, 99);
    std::srand(sekla);
    z.Generuoti();
    std::srand(sekla);
    int sienos = 0;
    for (int c = 0; c < 20; ++c)
      for (int r = 0; r < 15; ++r) {
        const int32_t tiketina = std::rand() % 2 - 1;
        ASSERT_EQ(z.Langelis(c, r), tiketina) << "column " << c << " row " << r;
        ASSERT_EQ(z.langeliai[c * 15 + r], tiketina);
        sienos += tiketina == -1;
      }
    // Every cell replaced by ground or wall, about half walls.
    EXPECT_GT(sienos, 100);
    EXPECT_LT(sienos, 200);
  }
}

TEST(KZemelapis, AnotherSeedGivesAnotherMap) {
  KZemelapis a, b;
  std::srand(11);
  a.Generuoti();
  std::srand(12);
  b.Generuoti();
  int skirtingi = 0;
  for (int i = 0; i < 300; ++i) skirtingi += a.langeliai[i] != b.langeliai[i];
  EXPECT_GT(skirtingi, 50);
}

TEST(KZemelapis, LaisvasOnlyForEmptyCellsInTheGrid) {
  KZemelapis z;
  Uzpildyti(z, 0);
  z.Langelis(3, 4) = -1;
  z.Langelis(5, 6) = 7;
  z.Langelis(19, 14) = 1;
  struct {
    int c, r;
    bool laisvas;
  } atvejai[] = {
      {-1, 0, false}, {20, 0, false}, {0, -1, false}, {0, 15, false}, {-1000000, 7, false}, {7, 2147483647, false},
      {3, 4, false},  {5, 6, false},  {19, 14, false}, {0, 0, true},  {19, 0, true},         {0, 14, true},
      {18, 14, true}, {3, 5, true},
  };
  for (const auto& a : atvejai) EXPECT_EQ(z.Laisvas(a.c, a.r), a.laisvas) << a.c << "," << a.r;
}

TEST(KZemelapis, PataikytiReadsTheCellUnderTheShell) {
  KZemelapis z;
  for (int c = 0; c < 20; ++c)
    for (int r = 0; r < 15; ++r) z.Langelis(c, r) = 100 + c * 15 + r;  // every cell distinct
  struct {
    float x, y;
    int32_t tiketina;
  } atvejai[] = {
      {749.9f, 562.4f, 100 + 19 * 15 + 14},
      {0, 0, 100},
      {37.49f, 37.49f, 100},
      {37.5f, 37.5f, 100 + 15 + 1},
      {-0.5f, 10, 100},  // truncation toward zero: just left of the grid still reads column 0
      {10, -0.5f, 100},
      {-37.5f, 10, 0},
      {750, 100, 0},
      {100, 562.5f, 0},
      {799, 599, 0},
      {1e30f, 10, 0},
      {10, -1e30f, 0},
      {-3e9f, 3e9f, 0},
  };
  for (const auto& a : atvejai) EXPECT_EQ(z.Pataikyti(KVektorius(a.x, a.y, 0)), a.tiketina) << a.x << "," << a.y;
  // Reading ground or a tank cell changes nothing.
  for (int i = 0; i < 300; ++i) EXPECT_EQ(z.langeliai[i], 100 + i);
}

TEST(KZemelapis, PataikytiOnANonNumberHitsNothing) {
  KZemelapis z;
  Uzpildyti(z, -1);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(z.Pataikyti(KVektorius(nan, 10, 0)), 0);
  EXPECT_EQ(z.Pataikyti(KVektorius(10, nan, 0)), 0);
  EXPECT_EQ(z.Pataikyti(KVektorius(inf, 10, 0)), 0);
  EXPECT_EQ(z.Pataikyti(KVektorius(10, -inf, 0)), 0);
  for (int i = 0; i < 300; ++i) EXPECT_EQ(z.langeliai[i], -1);
}

TEST(KZemelapis, OneHitRemovesAWall) {
  KZemelapis z;
  Uzpildyti(z, 0);
  z.Langelis(4, 9) = -1;
  z.Langelis(6, 2) = 7;
  const KVektorius sienoje(4 * 37.5f + 3, 9 * 37.5f + 30, 0);
  EXPECT_EQ(z.Pataikyti(sienoje), -1);
  EXPECT_EQ(z.Langelis(4, 9), 0);
  EXPECT_EQ(z.Pataikyti(sienoje), 0);
  EXPECT_TRUE(z.Laisvas(4, 9));
  // A tank cell answers its number and stays the tank's.
  const KVektorius tanke(6 * 37.5f + 18, 2 * 37.5f + 18, 0);
  EXPECT_EQ(z.Pataikyti(tanke), 7);
  EXPECT_EQ(z.Pataikyti(tanke), 7);
  EXPECT_EQ(z.Langelis(6, 2), 7);
  // The other cells were not touched.
  int pakeisti = 0;
  for (int i = 0; i < 300; ++i) pakeisti += z.langeliai[i] != 0;
  EXPECT_EQ(pakeisti, 1);
}

TEST(KZemelapis, IrasytiOutsideTheGridWritesNothing) {
  KZemelapis z;
  Uzpildyti(z, 5);
  const int ribos[][2] = {{-1, 0}, {20, 0}, {0, -1}, {0, 15}, {-1, -1}, {20, 15}, {-100000, 3}};
  for (const auto& r : ribos) z.Irasyti(r[0], r[1], 0);
  for (int i = 0; i < 300; ++i) EXPECT_EQ(z.langeliai[i], 5);
  z.Irasyti(19, 14, 9);
  EXPECT_EQ(z.langeliai[299], 9);
}
