#include <cstdlib>

#include "battle/KArmija.h"
#include "tests/battle/MusioAplinka.h"

using ComputerControl = MusioTestas;

namespace {

// The tank with a battle number, as a battle start lays them out.
KTankas& Numeriu(int n) { return n <= 5 ? zaidejoArmija.tankai[n - 1] : priesoArmija.tankai[n - 6]; }

}  // namespace

TEST_F(ComputerControl, LookStopsAtAWallOrAFriendOrTheEdge) {
  KTankas& t = Z(2);  // number 3 at (10, 0); number 11 stands at (10, 14)
  t.Zvalgyti(0, 1);
  EXPECT_TRUE(t.priesasMatomas);
  EXPECT_EQ(t.matomasLangelis, 11);
  EXPECT_EQ(t.tikslinisKampas, 0);

  t.priesasMatomas = false;
  t.tikslinisKampas = 123;
  Lang(10, 7) = -1;
  t.Zvalgyti(0, 1);
  EXPECT_FALSE(t.priesasMatomas);
  EXPECT_EQ(t.matomasLangelis, -1);
  EXPECT_EQ(t.tikslinisKampas, 123);

  Lang(10, 7) = 0;
  Perkelti(Z(0), 10, 9);  // a friend in the line
  t.Zvalgyti(0, 1);
  EXPECT_FALSE(t.priesasMatomas);
  EXPECT_EQ(t.matomasLangelis, 1);

  // Along row 0 the neighbours are friends.
  t.Zvalgyti(1, 0);
  EXPECT_FALSE(t.priesasMatomas);
  EXPECT_EQ(t.matomasLangelis, 4);

  // An empty line to the edge ends on the last cell read.
  Perkelti(t, 3, 7);
  t.Zvalgyti(-1, 0);
  EXPECT_FALSE(t.priesasMatomas);
  EXPECT_EQ(t.matomasLangelis, 0);
  // A line starting at the edge reads only the own cell.
  Perkelti(t, 0, 7);
  t.Zvalgyti(-1, 0);
  EXPECT_FALSE(t.priesasMatomas);
  EXPECT_EQ(t.matomasLangelis, t.numeris);
}

TEST_F(ComputerControl, FriendOrFoeByTheArmyNumberBoundary) {
  struct {
    int stebi, matomas;
    bool priesas;
  } atvejai[] = {
      {5, 6, true}, {6, 5, true}, {5, 4, false}, {6, 7, false}, {1, 15, true},
      {15, 1, true}, {10, 11, false}, {2, 3, false}, {15, 14, false},
  };
  for (const auto& a : atvejai) {
    SetUp();
    KTankas& s = Numeriu(a.stebi);
    KTankas& m = Numeriu(a.matomas);
    Perkelti(s, 3, 7);
    Perkelti(m, 9, 7);
    s.priesasMatomas = false;  // a look only ever sets it
    s.Zvalgyti(1, 0);
    EXPECT_EQ(s.matomasLangelis, a.matomas);
    EXPECT_EQ(s.priesasMatomas, a.priesas) << a.stebi << " sees " << a.matomas;
    if (a.priesas) {
      EXPECT_EQ(s.tikslinisKampas, 270);
    }
  }
}

TEST_F(ComputerControl, TargetAngleFollowsTheLookDirection) {
  struct {
    int dx, dy, c, r;
    float kampas;
  } atvejai[] = {{-1, 0, 2, 7, 90}, {0, -1, 10, 2, 180}, {1, 0, 17, 7, 270}, {0, 1, 10, 12, 0}};
  for (const auto& a : atvejai) {
    SetUp();
    Uzmurinti();
    KTankas& t = Z(0);
    Perkelti(t, 10, 7);
    // A clear corridor from the tank to the enemy.
    for (int c = 10, r = 7; c != a.c || r != a.r; c += a.dx, r += a.dy) Lang(c + a.dx, r + a.dy) = 0;
    Perkelti(P(0), a.c, a.r);
    t.Zvalgyti(a.dx, a.dy);
    EXPECT_TRUE(t.priesasMatomas);
    EXPECT_EQ(t.tikslinisKampas, a.kampas);
  }
}

TEST_F(ComputerControl, LaterLookOverridesTheTargetAngle) {
  // Looks run left, right, down, up; an enemy up overrides one to the left.
  Uzmurinti();
  KTankas& t = Z(0);
  Perkelti(t, 10, 7);
  Lang(9, 7) = 0;
  Perkelti(P(0), 8, 7);
  Lang(10, 8) = 0;
  Perkelti(P(1), 10, 9);
  t.uztaisymas = 5;
  t.bokstelioKampas = 225;  // far from both, so no shot clears the sighting
  t.KompiuterioZingsnis();
  EXPECT_TRUE(t.priesasMatomas);
  EXPECT_EQ(t.tikslinisKampas, 0);
  EXPECT_FALSE(t.sovinysSkrenda);
  // With the one above gone, the left one stands.
  Pasalinti(P(1));
  Lang(10, 9) = -1;
  t.KompiuterioZingsnis();
  EXPECT_TRUE(t.priesasMatomas);
  EXPECT_EQ(t.tikslinisKampas, 90);
}

TEST_F(ComputerControl, OfEnemiesLeftAndRightTheRightOneWins) {
  // Looks run left, right, down, up: the later right-hand sighting stands.
  Uzmurinti();
  KTankas& t = Z(0);
  Perkelti(t, 10, 7);
  Lang(9, 7) = Lang(11, 7) = 0;
  Perkelti(P(0), 8, 7);
  Perkelti(P(1), 12, 7);
  t.uztaisymas = 5;
  t.bokstelioKampas = 180;  // far from both, so no shot clears the sighting
  t.KompiuterioZingsnis();
  EXPECT_TRUE(t.priesasMatomas);
  EXPECT_EQ(t.tikslinisKampas, 270);
}

TEST_F(ComputerControl, AnEmptyLineToTheEdgeShowsNoEnemy) {
  // Alone on an empty field every look runs to the edge over ground: the last cell
  // read is empty, which is no enemy, whichever army the tank belongs to.
  for (bool zaidejo : {true, false}) {
    SetUp();
    KTankas& t = zaidejo ? Z(2) : P(7);
    PaliktiTik(zaidejo ? std::initializer_list<int>{2} : std::initializer_list<int>{},
               zaidejo ? std::initializer_list<int>{} : std::initializer_list<int>{7});
    Perkelti(t, 9, 6);
    t.uztaisymas = 5;
    t.bokstelioKampas = 30;
    t.tikslinisKampas = 123;
    laikmatis.KadroLaikas = 1.0f / 60;
    t.KompiuterioZingsnis();
    EXPECT_FALSE(t.priesasMatomas) << (zaidejo ? "player's army" : "enemy army");
    EXPECT_EQ(t.matomasLangelis, 0);
    EXPECT_EQ(t.tikslinisKampas, 123);
    EXPECT_EQ(t.bokstelioKampas, 30);  // nothing to turn towards: it drives on instead
    EXPECT_TRUE(t.juda);
    EXPECT_FALSE(t.sovinysSkrenda);
  }
}

TEST_F(ComputerControl, ALookReachesTheGridsEdgeAndNoFurther) {
  // Over empty ground an enemy in the last cell of a line is seen, the longest line (20
  // cells) included. Past the top or bottom row lies, in memory, the neighbouring
  // column's other end: an enemy there is not in line.
  struct {
    const char* kas;
    int c, r, dx, dy, pc, pr;
    bool matomas;
  } atvejai[] = {
      {"right, to column 19", 3, 7, 1, 0, 19, 7, true},  {"right, all 20 cells", 0, 7, 1, 0, 19, 7, true},
      {"left, to column 0", 16, 7, -1, 0, 0, 7, true},   {"up, to row 14", 10, 3, 0, 1, 10, 14, true},
      {"down, to row 0", 10, 11, 0, -1, 10, 0, true},    {"up, past row 14", 10, 3, 0, 1, 11, 0, false},
      {"down, past row 0", 10, 11, 0, -1, 9, 14, false},
  };
  for (const auto& a : atvejai) {
    SetUp();
    PaliktiTik({0}, {0});
    KTankas& t = Z(0);
    Perkelti(t, a.c, a.r);
    Perkelti(P(0), a.pc, a.pr);
    t.priesasMatomas = false;  // a look only ever sets it
    t.Zvalgyti(a.dx, a.dy);
    EXPECT_EQ(t.priesasMatomas, a.matomas) << a.kas;
  }
}

TEST_F(ComputerControl, TurretTurnsTowardsTheEnemyAndFires) {
  // Turret at 0, enemy to the right (270): clockwise towards -90 at 50 deg/s,
  // the shot in the first frame within 1 degree.
  Uzmurinti();
  KTankas& t = Z(0);
  Perkelti(t, 10, 7);
  for (int c = 11; c < 15; ++c) Lang(c, 7) = 0;
  Perkelti(P(0), 15, 7);
  t.uztaisymas = 5;
  laikmatis.KadroLaikas = 1.0f / 60;
  float ankstesnis = t.bokstelioKampas;
  int kadrai = 0;
  while (!t.sovinysSkrenda && kadrai < 1000) {
    ASSERT_GE(Modulis(KampuSkirtumas(270, t.bokstelioKampas)), 1) << "no shot was taken within 1 degree";
    t.Atnaujinti();
    ++kadrai;
    ASSERT_LT(t.bokstelioKampas, ankstesnis);
    ASSERT_NEAR(ankstesnis - t.bokstelioKampas, 50.0f / 60, 1e-4f);
    ankstesnis = t.bokstelioKampas;
    ASSERT_FALSE(t.juda);
  }
  ASSERT_TRUE(t.sovinysSkrenda);
  EXPECT_EQ(kadrai, 107);  // 89.17 degrees turned
  EXPECT_LT(Modulis(KampuSkirtumas(270, t.bokstelioKampas)), 1);
  EXPECT_NEAR(t.bokstelioKampas, -89.1667f, 1e-3f);
  EXPECT_EQ(t.sovinioKampas, t.bokstelioKampas);
  EXPECT_FALSE(t.priesasMatomas);
  EXPECT_LT(t.uztaisymas, 0.02f);
  // The shell flies to the right.
  const float x0 = t.sovinys.x;
  t.Atnaujinti();
  EXPECT_GT(t.sovinys.x, x0 + 3.9f);
}

TEST_F(ComputerControl, TurretTurnsTheShorterWay) {
  struct {
    float bokstelis;
    int priesoKryptis;  // 0 up, 1 left, 3 right
    float kryptis;      // +1 counter-clockwise, -1 clockwise
  } atvejai[] = {
      {0, 3, -1},   {10, 3, -1},  {200, 3, +1}, {90, 3, +1},  // exactly opposite: counter-clockwise
      {450, 0, -1}, {-350, 0, -1}, {-10, 0, +1}, {720 + 80, 1, +1}, {100, 1, -1}, {-170, 1, -1},
  };
  const int dx[] = {0, -1, 0, 1}, dy[] = {1, 0, -1, 0};
  for (const auto& a : atvejai) {
    SetUp();
    laikmatis.KadroLaikas = 0.1f;
    Uzmurinti();
    KTankas& t = Z(0);
    Perkelti(t, 10, 7);
    const int pc = 10 + 2 * dx[a.priesoKryptis], pr = 7 + 2 * dy[a.priesoKryptis];
    Lang(10 + dx[a.priesoKryptis], 7 + dy[a.priesoKryptis]) = 0;
    Perkelti(P(0), pc, pr);
    t.uztaisymas = 5;
    t.bokstelioKampas = a.bokstelis;
    t.KompiuterioZingsnis();
    EXPECT_TRUE(t.priesasMatomas);
    EXPECT_FLOAT_EQ(t.bokstelioKampas - a.bokstelis, a.kryptis * 5) << a.bokstelis << " towards " << a.priesoKryptis;
  }
}

TEST_F(ComputerControl, FiresOnlyWhenStrictlyWithinOneDegree) {
  Uzmurinti();
  KTankas& t = Z(0);
  Perkelti(t, 10, 7);
  Lang(11, 7) = 0;
  Perkelti(P(0), 12, 7);
  t.uztaisymas = 5;
  laikmatis.KadroLaikas = 1.0f / 64;  // 0.78125 degrees a frame, exact in binary
  t.bokstelioKampas = 271.78125f;
  t.KompiuterioZingsnis();
  EXPECT_EQ(t.bokstelioKampas, 271.0f);
  EXPECT_FALSE(t.sovinysSkrenda);  // exactly 1 degree off: not yet
  t.KompiuterioZingsnis();
  EXPECT_EQ(t.bokstelioKampas, 270.21875f);
  EXPECT_TRUE(t.sovinysSkrenda);
}

TEST_F(ComputerControl, MovingTankKeepsItsTurretAndStopsOnArrival) {
  Uzmurinti();
  KTankas& t = Z(0);
  Perkelti(t, 10, 7);
  Lang(10, 8) = 0;
  for (int c = 11; c < 15; ++c) Lang(c, 8) = 0;
  Perkelti(P(0), 15, 8);  // in line only from (10, 8)
  t.uztaisymas = 0;
  t.judejimoKryptis = 0;
  ASSERT_TRUE(t.Aukstyn());
  laikmatis.KadroLaikas = 0.1f;
  t.uztaisymas = 5;
  int kadrai = 0;
  while (t.juda && kadrai < 20) {
    t.Atnaujinti();
    ++kadrai;
    if (t.juda) {
      EXPECT_EQ(t.bokstelioKampas, 0);
    }
  }
  EXPECT_EQ(t.eilute, 8);
  // Standing now, with the enemy in line: it turns instead of driving on.
  t.Atnaujinti();
  EXPECT_FALSE(t.juda);
  EXPECT_TRUE(t.priesasMatomas);
  EXPECT_FLOAT_EQ(t.bokstelioKampas, -5);
  EXPECT_EQ(t.eilute, 8);
  EXPECT_EQ(t.stulpelis, 10);
}

TEST_F(ComputerControl, WandersStraightUntilBlocked) {
  std::srand(5);
  Uzmurinti();
  KTankas& t = Z(0);
  Perkelti(t, 2, 7);
  for (int c = 3; c <= 6; ++c) Lang(c, 7) = 0;  // a corridor ending at the wall in column 7
  t.judejimoKryptis = 3;
  t.uztaisymas = 0;
  laikmatis.KadroLaikas = 1.0f / 60;
  int didziausias = 2, poTo = 99;
  bool pasieke = false;
  for (int i = 0; i < 600; ++i) {
    t.Atnaujinti();
    ASSERT_EQ(t.eilute, 7);
    ASSERT_EQ(t.tikslineEilute, 7);
    ASSERT_LE(t.tikslinisStulpelis, 6);
    didziausias = std::max(didziausias, t.stulpelis);
    if (t.stulpelis == 6) pasieke = true;
    if (pasieke) poTo = std::min(poTo, t.stulpelis);
  }
  EXPECT_EQ(didziausias, 6);
  EXPECT_EQ(Lang(7, 7), -1);
  // At the wall it turned; the only way left is back.
  EXPECT_LT(poTo, 6);
  // Four steps straight to the wall take 2.5 s of the 10 s: it went on wandering.
  EXPECT_GT(t.uztaisymas, 9.9f);
  EXPECT_FALSE(t.sovinysSkrenda);
}

TEST_F(ComputerControl, ABlockedTankTurnsAndDrivesOffInTheSameFrame) {
  // Blocked ahead with the three other ways open: whichever new direction is drawn,
  // the step into it begins in the frame the tank was blocked.
  for (unsigned seklai : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
    SetUp();
    std::srand(seklai);
    Uzmurinti();
    KTankas& t = Z(1);
    Perkelti(t, 10, 7);
    Lang(9, 7) = Lang(11, 7) = Lang(10, 6) = 0;  // (10, 8) above stays a wall
    t.kryptis = t.judejimoKryptis = 0;
    t.uztaisymas = 0;
    t.KompiuterioZingsnis();
    ASSERT_TRUE(t.juda) << "seed " << seklai;
    EXPECT_NE(t.judejimoKryptis, 0);
    const int dc[4] = {0, -1, 0, 1}, dr[4] = {1, 0, -1, 0};
    EXPECT_EQ(t.tikslinisStulpelis, 10 + dc[t.judejimoKryptis]);
    EXPECT_EQ(t.tikslineEilute, 7 + dr[t.judejimoKryptis]);
  }
}

TEST_F(ComputerControl, BoxedInTankStaysPut) {
  std::srand(9);
  Uzmurinti();
  KTankas& t = Z(0);
  Perkelti(t, 5, 5);
  Perkelti(Z(1), 5, 6);  // a friend above, walls elsewhere
  t.uztaisymas = 0;
  int32_t pries[300];
  std::copy(std::begin(zemelapis.langeliai), std::end(zemelapis.langeliai), pries);
  const KVektorius kur = t.pozicija;
  int ankstesne = t.judejimoKryptis;
  int skirtingos[4] = {};
  for (int i = 0; i < 200; ++i) {
    t.Atnaujinti();
    ASSERT_FALSE(t.juda);
    ASSERT_NE(t.judejimoKryptis, ankstesne) << "a new direction is drawn every frame";
    ASSERT_GE(t.judejimoKryptis, 0);
    ASSERT_LE(t.judejimoKryptis, 3);
    ASSERT_EQ(t.kryptis, t.judejimoKryptis);
    skirtingos[t.judejimoKryptis] = 1;
    ankstesne = t.judejimoKryptis;
  }
  EXPECT_EQ(skirtingos[0] + skirtingos[1] + skirtingos[2] + skirtingos[3], 4);
  EXPECT_EQ(t.pozicija.x, kur.x);
  EXPECT_EQ(t.pozicija.y, kur.y);
  EXPECT_TRUE(std::equal(std::begin(pries), std::end(pries), std::begin(zemelapis.langeliai)));
}

TEST_F(ComputerControl, AfterFortySecondsFiresWhenTheHullAxisEndsAtAWall) {
  // The hull-axis look: facing 0 up, 2 down, and for the odd facings the side
  // opposite to the travel (1 looks towards +x, 3 towards -x).
  struct {
    int kryptis;
    int draugoDx, draugoDy;  // a friend here ends the line without a wall
    bool sauna;
  } atvejai[] = {
      {0, 0, 1, false}, {0, 0, -1, true}, {2, 0, -1, false}, {2, 0, 1, true},
      {1, 1, 0, false}, {1, -1, 0, true}, {3, -1, 0, false}, {3, 1, 0, true},
  };
  for (const auto& a : atvejai) {
    SetUp();
    Uzmurinti();
    KTankas& t = Z(2);
    Perkelti(t, 10, 7);
    Perkelti(Z(0), 10 + a.draugoDx, 7 + a.draugoDy);
    t.kryptis = t.judejimoKryptis = a.kryptis;
    t.bokstelioKampas = 45;
    t.uztaisymas = 41;
    t.KompiuterioZingsnis();
    EXPECT_EQ(t.sovinysSkrenda, a.sauna) << "facing " << a.kryptis << " friend " << a.draugoDx << "," << a.draugoDy;
    if (a.sauna) {
      EXPECT_EQ(t.sovinioKampas, 45);  // along the turret, not the hull
    }
    EXPECT_FALSE(t.juda);
  }
}

TEST_F(ComputerControl, NoWallShotWhenTheHullAxisEndsAtAnEmptyEdge) {
  // The hull-axis look runs over ground to the grid's edge: no wall, no shot, in
  // every facing and for both armies.
  for (int kryptis = 0; kryptis < 4; ++kryptis)
    for (bool zaidejo : {true, false}) {
      SetUp();
      KTankas& t = zaidejo ? Z(2) : P(7);
      PaliktiTik(zaidejo ? std::initializer_list<int>{2} : std::initializer_list<int>{},
                 zaidejo ? std::initializer_list<int>{} : std::initializer_list<int>{7});
      Perkelti(t, 9, 6);
      t.kryptis = t.judejimoKryptis = kryptis;
      t.uztaisymas = 45;
      t.KompiuterioZingsnis();
      EXPECT_EQ(t.matomasLangelis, 0) << kryptis;
      EXPECT_FALSE(t.sovinysSkrenda) << "facing " << kryptis << (zaidejo ? ", player's army" : ", enemy army");
    }
}

TEST_F(ComputerControl, WallShotOnlyAfterFortySecondsAndWithNoShellInFlight) {
  // Walled in on every side: just inside and just outside the 40 s.
  struct {
    float uztaisymas;
    bool sauna;
  } ribos[] = {{39, false}, {40, false}, {40.01f, true}, {41, true}};
  for (const auto& r : ribos) {
    SetUp();
    Uzmurinti();
    KTankas& t = Z(2);
    Perkelti(t, 10, 7);
    t.uztaisymas = r.uztaisymas;
    t.KompiuterioZingsnis();
    EXPECT_EQ(t.sovinysSkrenda, r.sauna) << r.uztaisymas << " s";
  }
  // With its shell still in flight it does not fire.
  SetUp();
  Uzmurinti();
  KTankas& t = Z(2);
  Perkelti(t, 10, 7);
  t.uztaisymas = 41;
  t.sovinysSkrenda = true;
  t.sovinys = KVektorius(1, 2, 0);
  t.KompiuterioZingsnis();
  EXPECT_EQ(t.sovinys.x, 1);
  EXPECT_EQ(t.uztaisymas, 41);
}

TEST_F(ComputerControl, LeavesThePlayersTankAlone) {
  // The player's tank runs no computer step, whatever it sees.
  Uzmurinti();
  KTankas& t = Z(0);
  Perkelti(t, 10, 7);
  Lang(11, 7) = 0;
  Perkelti(P(0), 12, 7);
  Lang(10, 8) = 0;
  t.uztaisymas = 50;
  t.ZaidejoValdymas();
  for (int i = 0; i < 30; ++i) t.Atnaujinti();
  EXPECT_EQ(t.bokstelioKampas, 0);
  EXPECT_FALSE(t.sovinysSkrenda);
  EXPECT_FALSE(t.juda);
  EXPECT_FALSE(t.priesasMatomas);
  t.uztaisymas = 5;  // below the wall-shot time, so the sighting is not cleared by a shot
  t.KompiuterioValdymas();
  t.Atnaujinti();
  EXPECT_TRUE(t.priesasMatomas);
}

TEST(KArmija, SukurtiCentresTheTanksOnTheirRow) {
  dabartinisZemelapis = &zemelapis;
  struct {
    int n, centras, eilute, pirmas;
  } atvejai[] = {{5, 10, 0, 8}, {10, 10, 14, 5}, {1, 10, 3, 10}, {4, 10, 2, 8}, {16, 10, 7, 2}, {0, 10, 5, 0}};
  for (const auto& a : atvejai) {
    for (auto& l : zemelapis.langeliai) l = 0;
    KTankas::NuliuotiNumeracija();
    KArmija armija;
    armija.Sukurti(a.n, a.centras, a.eilute, 77);
    EXPECT_EQ(armija.kiekis, a.n);
    EXPECT_EQ(armija.gyvi, a.n);
    int uzimti = 0;
    for (auto l : zemelapis.langeliai) uzimti += l != 0;
    EXPECT_EQ(uzimti, a.n);
    for (int i = 0; i < a.n; ++i) {
      const KTankas& t = armija.tankai[i];
      EXPECT_EQ(t.stulpelis, a.pirmas + i) << a.n;
      EXPECT_EQ(t.eilute, a.eilute);
      EXPECT_EQ(t.numeris, i + 1);
      EXPECT_EQ(t.tekstura, 77u);
      EXPECT_EQ(zemelapis.Langelis(a.pirmas + i, a.eilute), i + 1);
    }
  }
}

TEST(KArmija, NoMoreThanSixteenTanks) {
  dabartinisZemelapis = &zemelapis;
  for (auto& l : zemelapis.langeliai) l = 0;
  KTankas::NuliuotiNumeracija();
  KArmija armija;
  armija.Sukurti(40, 10, 7, 0);
  EXPECT_EQ(armija.kiekis, KArmija::TALPA);
  EXPECT_EQ(KTankas::numeracija, KArmija::TALPA);
  armija.Sukurti(-3, 10, 7, 0);
  EXPECT_EQ(armija.kiekis, 0);
  EXPECT_EQ(armija.gyvi, 0);
}

TEST_F(ComputerControl, LivingCountDropsInTheFrameAfterADeath) {
  Uzmurinti();  // nothing moves, nothing sees
  priesoArmija.Atnaujinti();
  EXPECT_EQ(priesoArmija.gyvi, 10);
  for (int i = 0; i < 3; ++i) P(4).Pazeisti();
  EXPECT_FALSE(P(4).gyvas);
  EXPECT_EQ(priesoArmija.gyvi, 10);  // the hit test runs after the count
  priesoArmija.Atnaujinti();
  EXPECT_EQ(priesoArmija.gyvi, 9);
  // Tanks beyond the count are neither counted nor updated.
  priesoArmija.Sukurti(3, 10, 14, 0);
  ASSERT_TRUE(P(7).gyvas);
  const KVektorius kur = P(7).pozicija;
  const float uztaisymas = P(7).uztaisymas;
  priesoArmija.Atnaujinti();
  EXPECT_EQ(priesoArmija.gyvi, 3);
  EXPECT_EQ(P(7).pozicija.x, kur.x);
  EXPECT_EQ(P(7).uztaisymas, uztaisymas);
}
