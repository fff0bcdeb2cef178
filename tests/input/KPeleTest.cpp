#include "input/KPele.h"

#include <gtest/gtest.h>

#include "config/KNustatymai.h"
#ifndef _WIN32
#include "platform/PlatformosTestai.h"
#endif

namespace {

TEST(KPele, Defaults) {
  KPele p;
  EXPECT_FALSE(p.ratukasPajudejo);
  EXPECT_FALSE(p.kairysPasikeite || p.desinysPasikeite || p.vidurinisPasikeite);
  EXPECT_EQ(p.plotis, 640);
  EXPECT_EQ(p.aukstis, 480);
  EXPECT_EQ(p.centrasX, 320);
  EXPECT_EQ(p.centrasY, 240);
  EXPECT_EQ(p.ratukoSuma, 0);
  EXPECT_EQ(p.ratukoZingsnis, 0);
  EXPECT_EQ(p.kairys + p.desinys + p.vidurinis, 0);
}

TEST(KPele, CursorGoesToTheWindowCentre) {
#ifndef _WIN32
  TestaiBeEkrano();  // the cursor placement runs on the headless display
#endif
  struct {
    int32_t x, y, plotis, aukstis;
    int32_t centrasX, centrasY;
  } atvejai[] = {
      {100, 50, 800, 600, 500, 350},
      {0, 0, 641, 481, 320, 240},
      {0, 0, 640, 480, 320, 240},
      {-100, -20, 641, 3, 220, -19},
      {0, 0, -641, -3, -320, -1},  // halves truncate toward zero
      {0, 0, 1, 0, 0, 0},
      // Far-off settings saturate instead of wrapping round.
      {INT32_MAX, INT32_MAX - 1, 100, 4, INT32_MAX, INT32_MAX},
      {INT32_MIN, INT32_MIN + 1, -100, -4, INT32_MIN, INT32_MIN},
      {INT32_MAX, 0, INT32_MIN, INT32_MAX, INT32_MAX - 1073741824, 1073741823},
  };
  for (const auto& a : atvejai) {
    SCOPED_TRACE(::testing::Message() << a.x << "," << a.y << " " << a.plotis << "x" << a.aukstis);
    KNustatymai n;
    n.x = a.x, n.y = a.y, n.plotis = a.plotis, n.aukstis = a.aukstis;
    KPele p;
    p.Sukurti(n);
    EXPECT_EQ(p.plotis, a.plotis);
    EXPECT_EQ(p.aukstis, a.aukstis);
    EXPECT_EQ(p.centrasX, a.centrasX);
    EXPECT_EQ(p.centrasY, a.centrasY);
  }
}

TEST(KPele, Buttons) {
  KPele p;
  p.KairysMygtukas(true);
  EXPECT_EQ(p.kairys, 2);
  EXPECT_TRUE(p.kairysPasikeite);
  EXPECT_FALSE(p.desinysPasikeite || p.vidurinisPasikeite);
  EXPECT_EQ(p.desinys + p.vidurinis, 0);
  p.KairysMygtukas(false);
  EXPECT_EQ(p.kairys, 1);
  EXPECT_TRUE(p.kairysPasikeite);

  // Whatever the state was, a message writes 2 or 1; nothing advances it afterwards.
  p.DesinysMygtukas(true);
  p.DesinysMygtukas(true);
  EXPECT_EQ(p.desinys, 2);
  p.VidurinisMygtukas(false);
  EXPECT_EQ(p.vidurinis, 1);
  EXPECT_TRUE(p.desinysPasikeite && p.vidurinisPasikeite);
  p.VidurinisMygtukas(true);
  EXPECT_EQ(p.vidurinis, 2);
  EXPECT_EQ(p.kairys, 1);
}

TEST(KPele, Wheel) {
  KPele p;
  p.Ratukas(1);
  EXPECT_TRUE(p.ratukasPajudejo);
  p.Ratukas(-2);
  EXPECT_EQ(p.ratukoSuma, -1);
  EXPECT_EQ(p.ratukoZingsnis, -2);
  EXPECT_TRUE(p.ratukasPajudejo);
  p.Ratukas(0);  // a delta below one notch
  EXPECT_EQ(p.ratukoSuma, -1);
  EXPECT_EQ(p.ratukoZingsnis, 0);
  EXPECT_FALSE(p.ratukasPajudejo);
  p.Ratukas(5);
  EXPECT_EQ(p.ratukoSuma, 4);
  EXPECT_TRUE(p.ratukasPajudejo);

  KPele toli;
  toli.Ratukas(INT32_MAX);
  toli.Ratukas(INT32_MAX);
  EXPECT_EQ(toli.ratukoSuma, INT32_MAX);
  toli.Ratukas(INT32_MIN);
  EXPECT_EQ(toli.ratukoSuma, -1);
  EXPECT_EQ(toli.ratukoZingsnis, INT32_MIN);
}

}  // namespace
