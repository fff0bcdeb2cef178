#include <gtest/gtest.h>

#include <cmath>

#include "battle/KVektorius.h"

TEST(KVektorius, LayoutIsThreeFloats) {
  // Audio calls take a vector as three consecutive floats.
  static_assert(sizeof(KVektorius) == 3 * sizeof(float), "x, y, z and nothing else");
  KVektorius v(1, 2, 3);
  const float* f = &v.x;
  EXPECT_EQ(f[0], 1);
  EXPECT_EQ(f[1], 2);
  EXPECT_EQ(f[2], 3);
  KVektorius n;
  EXPECT_EQ(n.x, 0);
  EXPECT_EQ(n.y, 0);
  EXPECT_EQ(n.z, 0);
}

TEST(KVektorius, Arithmetic) {
  KVektorius a(1.5f, -2, 4);
  a += KVektorius(0.5f, 3, -1);
  EXPECT_FLOAT_EQ(a.x, 2);
  EXPECT_FLOAT_EQ(a.y, 1);
  EXPECT_FLOAT_EQ(a.z, 3);
  a *= -2;
  EXPECT_FLOAT_EQ(a.x, -4);
  EXPECT_FLOAT_EQ(a.y, -2);
  EXPECT_FLOAT_EQ(a.z, -6);
  const KVektorius d = KVektorius(5, 7, 9) - KVektorius(1, 10, 9);
  EXPECT_FLOAT_EQ(d.x, 4);
  EXPECT_FLOAT_EQ(d.y, -3);
  EXPECT_FLOAT_EQ(d.z, 0);
  EXPECT_FLOAT_EQ(d.Ilgis(), 5);
  EXPECT_FLOAT_EQ(Atstumas(KVektorius(1, 1, 1), KVektorius(3, 4, 7)), std::sqrt(4.0f + 9 + 36));
  EXPECT_FLOAT_EQ(Atstumas(KVektorius(3, 4, 7), KVektorius(1, 1, 1)), std::sqrt(4.0f + 9 + 36));
}

TEST(KVektorius, ApribotiIlgiLimitsTheLength) {
  struct Atvejis {
    KVektorius v;
    float maksimumas;
    bool keiciamas;
  } atvejai[] = {
      {{3, 4, 0}, 10, false},   // shorter
      {{3, 4, 0}, 5, false},    // exactly as long: strict comparison
      {{3, 4, 0}, 2.5f, true},  // longer
      {{-30, 0, 40}, 1, true},
      {{0, -37.5f, 0}, 0.5f, true},
      {{0, 0, 0}, 0, false},    // zero vector at limit zero is never rescaled
  };
  for (const auto& a : atvejai) {
    KVektorius v = a.v;
    KVektorius& grazintas = v.ApribotiIlgi(a.maksimumas);
    EXPECT_EQ(&grazintas, &v);
    if (!a.keiciamas) {
      EXPECT_EQ(v.x, a.v.x);
      EXPECT_EQ(v.y, a.v.y);
      EXPECT_EQ(v.z, a.v.z);
      continue;
    }
    EXPECT_NEAR(v.Ilgis(), a.maksimumas, 1e-5f * a.maksimumas);
    // Same direction: each component scaled by the same positive factor.
    const float k = a.maksimumas / a.v.Ilgis();
    EXPECT_NEAR(v.x, a.v.x * k, 1e-5f);
    EXPECT_NEAR(v.y, a.v.y * k, 1e-5f);
    EXPECT_NEAR(v.z, a.v.z * k, 1e-5f);
  }
}

TEST(KVektorius, ModulisIsTheAbsoluteValue) {
  EXPECT_EQ(Modulis(2.5f), 2.5f);
  EXPECT_EQ(Modulis(-2.5f), 2.5f);
  EXPECT_EQ(Modulis(0.0f), 0.0f);
  EXPECT_EQ(Modulis(-1e-30f), 1e-30f);
}

TEST(KVektorius, KampuSkirtumasWrapsIntoHalfATurn) {
  struct {
    float a, b, tiketina;
  } atvejai[] = {
      {270, 0, 90},     {0, 270, -90},    {10, 370, 0},     {0, 180, 180},   // both ends kept
      {0, -180, -180},  {180, 0, -180},   {0, 181, -179},   {0, -181, 179},
      {90, 90, 0},      {-720, 0, 0},     {0, 1000, -80},   {359, 1, 2},
      {1, 359, -2},     {270, -89.5f, 0.5f}, {-90, 270, 0},
  };
  for (const auto& t : atvejai) EXPECT_FLOAT_EQ(KampuSkirtumas(t.a, t.b), t.tiketina) << t.a << " -> " << t.b;
}

TEST(KVektorius, KampuSkirtumasFarFromZero) {
  // A turret wound up for hours still gives an angle in range, without endless stepping.
  const float tolimi[] = {1e6f, -1e6f, 3.6e7f + 88, 1e12f, -1e20f};
  for (float a : tolimi) {
    const float d = KampuSkirtumas(a, 0);
    EXPECT_GE(d, -180) << a;
    EXPECT_LE(d, 180) << a;
    const float atgal = KampuSkirtumas(0, a);
    EXPECT_NEAR(atgal, -d, 1e-3f) << a;
  }
  EXPECT_FLOAT_EQ(KampuSkirtumas(0, 3.6e7f + 88), 88);
}
