#include <cmath>

#include "battle/KTankas.h"
#include "tests/battle/MusioAplinka.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace {

struct Nuotrauka {
  int32_t stulpelis, eilute, tStulpelis, tEilute, judejimoKryptis;
  float x, y, tx, ty;
  bool juda;
};

Nuotrauka Nufotografuoti(const KTankas& t) {
  return {t.stulpelis, t.eilute, t.tikslinisStulpelis, t.tikslineEilute, t.judejimoKryptis,
          t.pozicija.x, t.pozicija.y, t.tikslas.x, t.tikslas.y, t.juda};
}

void TokiePat(const Nuotrauka& a, const Nuotrauka& b) {
  EXPECT_EQ(a.stulpelis, b.stulpelis);
  EXPECT_EQ(a.eilute, b.eilute);
  EXPECT_EQ(a.tStulpelis, b.tStulpelis);
  EXPECT_EQ(a.tEilute, b.tEilute);
  EXPECT_EQ(a.judejimoKryptis, b.judejimoKryptis);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.tx, b.tx);
  EXPECT_EQ(a.ty, b.ty);
  EXPECT_EQ(a.juda, b.juda);
}

}  // namespace

using Tank = MusioTestas;

TEST_F(Tank, SukurtiNumbersAndFacesByRow) {
  // A battle start numbers the tanks 1..15 in creation order, the player's first.
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Z(i).numeris, i + 1);
    EXPECT_EQ(Lang(8 + i, 0), i + 1);
  }
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(P(i).numeris, i + 6);
    EXPECT_EQ(Lang(5 + i, 14), i + 6);
  }
  struct {
    int eilute, kryptis;
    float bokstelis;
  } atvejai[] = {{0, 0, 0}, {7, 0, 0}, {8, 2, 180}, {14, 2, 180}};
  for (const auto& a : atvejai) {
    KTankas t;
    t.judejimoKryptis = 3;  // as a previous battle might have left it
    t.Sukurti(2, a.eilute, 42);
    EXPECT_EQ(t.kryptis, a.kryptis) << a.eilute;
    EXPECT_EQ(t.bokstelioKampas, a.bokstelis);
    // The first update must not turn the hull away from its start facing.
    EXPECT_EQ(t.judejimoKryptis, a.kryptis);
    t.kompiuteris = false;
    t.Atnaujinti();
    EXPECT_EQ(t.kryptis, a.kryptis);
    EXPECT_FLOAT_EQ(t.pozicija.x, 2.5f * L);
    EXPECT_FLOAT_EQ(t.pozicija.y, (a.eilute + 0.5f) * L);
    EXPECT_EQ(t.tekstura, 42u);
    EXPECT_EQ(t.gyvybes, 3);
    EXPECT_TRUE(t.gyvas);
    EXPECT_FALSE(t.juda);
    EXPECT_FALSE(t.sovinysSkrenda);
    EXPECT_EQ(Lang(2, a.eilute), t.numeris);
  }
  EXPECT_EQ(KTankas::numeracija, 19);
  KTankas::NuliuotiNumeracija();
  KTankas t;
  t.Sukurti(0, 5, 0);
  EXPECT_EQ(t.numeris, 1);
}

TEST_F(Tank, StartReloadTimeComesFromRand) {
  // Start reload values come from rand in 0.1 s steps below 30 s, not all alike.
  std::srand(3);
  float maziausias = 100, didziausias = -1;
  for (int i = 0; i < 40; ++i) {
    KTankas t;
    t.Sukurti(1, 1, 0);
    const float desimtadaliai = t.uztaisymas * 10;
    EXPECT_NEAR(desimtadaliai, std::round(desimtadaliai), 1e-3f);
    maziausias = std::fmin(maziausias, t.uztaisymas);
    didziausias = std::fmax(didziausias, t.uztaisymas);
  }
  EXPECT_GE(maziausias, 0);
  EXPECT_LE(didziausias, 29.9f + 1e-4f);
  EXPECT_GT(didziausias - maziausias, 5);
}

TEST_F(Tank, StepTakes0625SecondsWithoutOvershooting) {
  // Frame times from a fast display to a long stall: the step ends on the cell centre.
  const float laikai[] = {1.0f / 144, 1.0f / 60, 1.0f / 30, 0.1f, 0.125f, 0.3f, 0.7f, 5.0f};
  for (float dt : laikai) {
    SetUp();
    laikmatis.KadroLaikas = dt;
    KTankas& t = Z(2);  // column 10, row 0
    t.kompiuteris = false;
    Lang(10, 1) = 0;
    ASSERT_TRUE(t.Aukstyn());
    EXPECT_EQ(Lang(10, 0), 3);
    EXPECT_EQ(Lang(10, 1), 3);  // holds both cells while it moves
    const float pradziaY = t.pozicija.y;
    const float tikslasY = pradziaY + L;
    int kadrai = 0;
    float ankstesnis = pradziaY;
    while (t.juda && kadrai < 10000) {
      t.Atnaujinti();
      ++kadrai;
      ASSERT_LE(t.pozicija.y, tikslasY + 1e-4f) << dt;
      ASSERT_GE(t.pozicija.y, ankstesnis) << dt;
      ASSERT_FLOAT_EQ(t.pozicija.x, 10.5f * L);
      if (t.juda) {
        ASSERT_LE(t.pozicija.y - ankstesnis, dt * 60 + 1e-3f);
        ASSERT_EQ(t.eilute, 0);
      }
      ankstesnis = t.pozicija.y;
    }
    // It arrives in the frame that completes 0.625 s (less the 0.1 px arrival margin).
    const int tiketina = static_cast<int>(std::ceil((37.5 - 0.1) / (60.0 * dt) - 1e-6));
    EXPECT_EQ(kadrai, std::max(1, tiketina)) << dt;
    EXPECT_NEAR(t.pozicija.y, tikslasY, 0.1f);
    EXPECT_EQ(t.eilute, 1);
    EXPECT_EQ(t.stulpelis, 10);
    EXPECT_EQ(Lang(10, 0), 0);
    EXPECT_EQ(Lang(10, 1), 3);
  }
}

TEST_F(Tank, ArrivalWithinTheMarginLandsOnTheCentreSoStepsDoNotDrift) {
  KTankas& t = Z(2);  // column 10, row 0
  t.kompiuteris = false;
  // A frame that ends just inside the 0.1-pixel margin arrives; one just outside does not.
  struct {
    float trukumas;
    bool atvyko;
  } ribos[] = {{0.05f, true}, {0.15f, false}};
  for (const auto& r : ribos) {
    Perkelti(t, 2, 6);
    Lang(3, 6) = 0;
    laikmatis.KadroLaikas = (L - r.trukumas) / 60;
    ASSERT_TRUE(t.Desinen());
    t.Atnaujinti();
    EXPECT_EQ(t.juda, !r.atvyko) << r.trukumas << " px short";
    EXPECT_EQ(t.stulpelis, r.atvyko ? 3 : 2) << r.trukumas << " px short";
  }
  // Arrived, the tank stands exactly on the centre, step after step.
  laikmatis.KadroLaikas = (L - 0.05f) / 60;
  Perkelti(t, 2, 6);
  for (int c = 3; c <= 12; ++c) {
    Lang(c, 6) = 0;
    ASSERT_TRUE(t.Desinen());
    t.Atnaujinti();
    ASSERT_FALSE(t.juda) << c;
    EXPECT_EQ(t.stulpelis, c);
    EXPECT_EQ(t.pozicija.x, Centras(c, 6).x) << c;
    EXPECT_EQ(t.pozicija.y, Centras(c, 6).y) << c;
  }
  ASSERT_TRUE(t.Zemyn());
  t.Atnaujinti();
  EXPECT_EQ(t.pozicija.y, Centras(12, 5).y);
}

TEST_F(Tank, StepsInEveryDirection) {
  struct {
    bool (KTankas::*zingsnis)();
    int dc, dr, kryptis;
  } kryptys[] = {
      {&KTankas::Aukstyn, 0, 1, 0}, {&KTankas::Kairen, -1, 0, 1}, {&KTankas::Zemyn, 0, -1, 2}, {&KTankas::Desinen, 1, 0, 3}};
  laikmatis.KadroLaikas = 0.25f;
  for (const auto& k : kryptys) {
    KTankas& t = Z(0);
    t.kompiuteris = false;
    Perkelti(t, 6, 6);
    ASSERT_TRUE((t.*k.zingsnis)());
    EXPECT_EQ(t.judejimoKryptis, k.kryptis);
    EXPECT_EQ(t.tikslinisStulpelis, 6 + k.dc);
    EXPECT_EQ(t.tikslineEilute, 6 + k.dr);
    EXPECT_FLOAT_EQ(t.tikslas.x, t.pozicija.x + k.dc * L);
    EXPECT_FLOAT_EQ(t.tikslas.y, t.pozicija.y + k.dr * L);
    EXPECT_EQ(Lang(6 + k.dc, 6 + k.dr), t.numeris);
    for (int i = 0; i < 3; ++i) t.Atnaujinti();
    EXPECT_FALSE(t.juda);
    EXPECT_EQ(t.kryptis, k.kryptis);  // the hull turns to the step
    EXPECT_EQ(t.stulpelis, 6 + k.dc);
    EXPECT_EQ(t.eilute, 6 + k.dr);
    EXPECT_EQ(Lang(6, 6), 0);
    Perkelti(t, 8, 0);
  }
}

TEST_F(Tank, RefusedStepChangesNothing) {
  KTankas& t = Z(0);  // column 8, row 0
  t.kompiuteris = false;
  struct {
    const char* kas;
    int c, r;
    bool (KTankas::*zingsnis)();
    int blokas;  // what the cell in the way holds; 99 for the grid edge
  } atvejai[] = {
      {"edge below", 3, 0, &KTankas::Zemyn, 99},   {"edge left", 0, 5, &KTankas::Kairen, 99},
      {"edge right", 19, 5, &KTankas::Desinen, 99}, {"edge top", 4, 14, &KTankas::Aukstyn, 99},
      {"wall", 4, 5, &KTankas::Aukstyn, -1},       {"tank", 4, 5, &KTankas::Desinen, 12},
  };
  for (const auto& a : atvejai) {
    Perkelti(t, a.c, a.r);
    if (a.blokas != 99) {
      const int dc = a.zingsnis == &KTankas::Desinen ? 1 : (a.zingsnis == &KTankas::Kairen ? -1 : 0);
      const int dr = a.zingsnis == &KTankas::Aukstyn ? 1 : (a.zingsnis == &KTankas::Zemyn ? -1 : 0);
      Lang(a.c + dc, a.r + dr) = a.blokas;
    }
    int32_t pries[300];
    std::copy(std::begin(zemelapis.langeliai), std::end(zemelapis.langeliai), pries);
    const Nuotrauka n = Nufotografuoti(t);
    EXPECT_FALSE((t.*a.zingsnis)()) << a.kas;
    TokiePat(n, Nufotografuoti(t));
    EXPECT_TRUE(std::equal(std::begin(pries), std::end(pries), std::begin(zemelapis.langeliai))) << a.kas;
  }
}

TEST_F(Tank, CannotEnterACellAnotherTankIsEntering) {
  KTankas& a = Z(0);
  KTankas& b = Z(1);
  Perkelti(a, 3, 5);
  Perkelti(b, 5, 5);
  ASSERT_TRUE(b.Kairen());  // b is only entering (4, 5)
  const Nuotrauka n = Nufotografuoti(a);
  EXPECT_FALSE(a.Desinen());
  TokiePat(n, Nufotografuoti(a));
  EXPECT_EQ(Lang(4, 5), b.numeris);
}

TEST_F(Tank, NoStepWhileMoving) {
  KTankas& t = Z(0);
  Perkelti(t, 3, 5);
  ASSERT_TRUE(t.Aukstyn());
  const Nuotrauka n = Nufotografuoti(t);
  EXPECT_FALSE(t.Aukstyn());
  EXPECT_FALSE(t.Kairen());
  EXPECT_FALSE(t.Desinen());
  EXPECT_FALSE(t.Zemyn());
  EXPECT_FALSE(t.Eiti());
  TokiePat(n, Nufotografuoti(t));
  EXPECT_EQ(Lang(2, 5), 0);
  EXPECT_EQ(Lang(4, 5), 0);
  // A dead tank does not step either.
  KTankas& m = Z(1);
  Perkelti(m, 7, 7);
  Pasalinti(m);
  EXPECT_FALSE(m.Aukstyn());
  EXPECT_EQ(Lang(7, 8), 0);
}

TEST_F(Tank, EitiStepsInTheMovementDirection) {
  KTankas& t = Z(0);
  for (int k = 0; k < 4; ++k) {
    Perkelti(t, 6, 6);
    t.judejimoKryptis = k;
    ASSERT_TRUE(t.Eiti());
    const int dc[] = {0, -1, 0, 1}, dr[] = {1, 0, -1, 0};
    EXPECT_EQ(t.tikslinisStulpelis, 6 + dc[k]);
    EXPECT_EQ(t.tikslineEilute, 6 + dr[k]);
    zemelapis.Irasyti(t.tikslinisStulpelis, t.tikslineEilute, 0);
  }
}

TEST_F(Tank, ReloadLimitHoldsForTheShotAndTheComputersLook) {
  // Just inside and just outside the 1.5 s: a shot, and a computer tank's look for an
  // enemy two cells to its right.
  struct {
    float uztaisymas;
    bool gali;
  } ribos[] = {{1.4f, false}, {1.5f, false}, {1.51f, true}, {1.6f, true}};
  for (const auto& r : ribos) {
    SetUp();
    KTankas& t = Z(2);
    t.kompiuteris = false;
    t.uztaisymas = r.uztaisymas;
    t.Sauti();
    EXPECT_EQ(t.sovinysSkrenda, r.gali) << "shot at " << r.uztaisymas << " s";
    SetUp();
    Uzmurinti();
    KTankas& k = Z(0);
    Perkelti(k, 10, 7);
    Lang(11, 7) = 0;
    Perkelti(P(0), 12, 7);
    k.uztaisymas = r.uztaisymas;
    k.KompiuterioZingsnis();
    EXPECT_EQ(k.priesasMatomas, r.gali) << "look at " << r.uztaisymas << " s";
  }
}

TEST_F(Tank, FiresOnlyWhenReloaded) {
  KTankas& t = Z(2);
  t.kompiuteris = false;
  laikmatis.KadroLaikas = 0.02f;
  t.uztaisymas = 1.51f;
  t.priesasMatomas = true;
  t.bokstelioKampas = 90;  // points towards -x
  t.Sauti();
  ASSERT_TRUE(t.sovinysSkrenda);
  EXPECT_EQ(t.uztaisymas, 0);
  EXPECT_FALSE(t.priesasMatomas);
  EXPECT_EQ(t.sovinioKampas, 90);
  // Starts just ahead of the centre along the turret: frame time x 60.
  EXPECT_NEAR(t.sovinys.x, t.pozicija.x - 1.2f, 1e-4f);
  EXPECT_NEAR(t.sovinys.y, t.pozicija.y, 1e-4f);
  // No second shell while the first flies, however long ago the shot was.
  const KVektorius pirmas = t.sovinys;
  t.uztaisymas = 30;
  t.bokstelioKampas = 0;
  t.Sauti();
  EXPECT_EQ(t.sovinys.x, pirmas.x);
  EXPECT_EQ(t.sovinioKampas, 90);
  EXPECT_EQ(t.uztaisymas, 30);
  // A dead tank does not fire.
  KTankas& m = Z(3);
  m.uztaisymas = 30;
  Pasalinti(m);
  m.Sauti();
  EXPECT_FALSE(m.sovinysSkrenda);
}

TEST_F(Tank, ShellStartsAheadOfTheCentreAlongTheTurret) {
  // Frame time x 60 along (-sin a, cos a): 0.02 s gives 1.2 pixels.
  struct {
    float kampas, dx, dy;
  } atvejai[] = {{0, 0, 1.2f}, {90, -1.2f, 0}, {180, 0, -1.2f}, {270, 1.2f, 0}};
  laikmatis.KadroLaikas = 0.02f;
  for (const auto& a : atvejai) {
    KTankas& t = Z(2);
    Perkelti(t, 10, 7);
    t.kompiuteris = false;
    t.sovinysSkrenda = false;
    t.suvis.groja = false;
    t.uztaisymas = 5;
    t.bokstelioKampas = a.kampas;
    t.Sauti();
    ASSERT_TRUE(t.sovinysSkrenda);
    EXPECT_NEAR(t.sovinys.x - t.pozicija.x, a.dx, 1e-4f) << a.kampas;
    EXPECT_NEAR(t.sovinys.y - t.pozicija.y, a.dy, 1e-4f) << a.kampas;
    // Every shot is heard; a refused one is not.
    EXPECT_TRUE(t.suvis.groja) << a.kampas;
    t.suvis.groja = false;
    t.Sauti();
    EXPECT_FALSE(t.suvis.groja) << "a second shell while the first flies";
  }
}

TEST_F(Tank, ShellEndsJustPastEachSideOf800By600) {
  // 1/240 s moves a shell one pixel. Strictly beyond 0 or 800 (x), 0 or 600 (y) it
  // ends; on the line itself it flies on.
  struct {
    float kampas, x, y;
    bool skrenda;
    const char* kas;
  } atvejai[] = {
      {90, 0.5f, 300, false, "left"},     {90, 1.5f, 300, true, "left, still in"},
      {270, 799.5f, 300, false, "right"}, {270, 798.5f, 300, true, "right, still in"},
      {180, 300, 0.5f, false, "bottom"},  {180, 300, 1.5f, true, "bottom, still in"},
      {0, 300, 599.5f, false, "top"},     {0, 300, 598.5f, true, "top, still in"},
      {90, 1, 300, true, "onto the left line"},   {270, 799, 300, true, "onto the right line"},
      {180, 300, 1, true, "onto the bottom line"}, {0, 300, 599, true, "onto the top line"},
  };
  laikmatis.KadroLaikas = 1.0f / 240;
  for (const auto& a : atvejai) {
    KTankas& t = Z(2);
    t.kompiuteris = false;
    t.sovinysSkrenda = true;
    t.sovinioKampas = a.kampas;
    t.sovinys = KVektorius(a.x, a.y, 0);
    t.Atnaujinti();
    EXPECT_EQ(t.sovinysSkrenda, a.skrenda) << a.kas << ": " << t.sovinys.x << "," << t.sovinys.y;
    EXPECT_NEAR(Atstumas(t.sovinys, KVektorius(a.x, a.y, 0)), 1, 1e-3f) << a.kas;
  }
}

TEST_F(Tank, ShellFliesAlongItsAngle) {
  // Angle a flies along (-sin a, cos a) at 240 px/s.
  const float kampai[] = {0, 90, 180, 270, 45, -30, 720 + 135};
  laikmatis.KadroLaikas = 0.05f;
  for (float a : kampai) {
    KTankas& t = Z(2);
    Perkelti(t, 10, 7);
    t.kompiuteris = false;
    t.sovinysSkrenda = false;
    t.uztaisymas = 5;
    t.bokstelioKampas = a;
    t.Sauti();
    const KVektorius p0 = t.sovinys;
    t.Atnaujinti();
    const double r = a * 3.141592653589793 / 180;
    EXPECT_NEAR(t.sovinys.x - p0.x, -std::sin(r) * 12, 1e-3) << a;
    EXPECT_NEAR(t.sovinys.y - p0.y, std::cos(r) * 12, 1e-3) << a;
    EXPECT_NEAR(t.uztaisymas, 0.05f, 1e-6f);
  }
}

TEST_F(Tank, ShellFliesOnUntilItLeaves800By600) {
  KTankas& t = Z(4);
  Perkelti(t, 19, 3);
  t.kompiuteris = false;
  t.uztaisymas = 5;
  t.bokstelioKampas = 270;  // towards +x, out over the grid's right edge
  laikmatis.KadroLaikas = 0.01f;
  t.Sauti();
  bool buvoUzTinklo = false;
  int kadrai = 0;
  while (t.sovinysSkrenda && kadrai < 1000) {
    t.Atnaujinti();
    TikrintiPataikymus(zaidejoArmija);
    ++kadrai;
    if (t.sovinysSkrenda) {
      ASSERT_LE(t.sovinys.x, 800);
      if (t.sovinys.x >= 750) buvoUzTinklo = true;
    }
  }
  EXPECT_TRUE(buvoUzTinklo);
  EXPECT_FALSE(t.sovinysSkrenda);
  EXPECT_GT(t.sovinys.x, 800);

  // Upwards from row 14: beyond 562.5 the shell hits nothing until 600.
  KTankas& e = P(0);
  Perkelti(e, 0, 14);
  e.uztaisymas = 5;
  e.bokstelioKampas = 0;
  e.kompiuteris = false;
  e.Sauti();
  int virsTinklo = 0;
  for (int i = 0; i < 100 && e.sovinysSkrenda; ++i) {
    e.Atnaujinti();
    TikrintiPataikymus(priesoArmija);
    if (e.sovinysSkrenda && e.sovinys.y >= 562.5f) ++virsTinklo;
  }
  EXPECT_GT(virsTinklo, 5);
  EXPECT_FALSE(e.sovinysSkrenda);
  EXPECT_GT(e.sovinys.y, 600);
}

TEST_F(Tank, ShotAtAWallRemovesItAndEnds) {
  KTankas& t = Z(2);
  Perkelti(t, 10, 5);
  t.kompiuteris = false;
  Lang(10, 6) = -1;
  Lang(10, 9) = -1;
  laikmatis.KadroLaikas = 1.0f / 60;
  t.uztaisymas = 5;
  t.Sauti();
  int kadrai = 0;
  while (t.sovinysSkrenda && kadrai < 100) {
    t.Atnaujinti();
    TikrintiPataikymus(zaidejoArmija);
    ++kadrai;
  }
  EXPECT_FALSE(t.sovinysSkrenda);
  EXPECT_EQ(Lang(10, 6), 0);
  EXPECT_EQ(Lang(10, 9), -1);
  EXPECT_NEAR(t.sovinys.y, 6 * L, 4.1f);  // ended on entering the wall's cell
  // The next shell passes the emptied cell and breaks the wall behind it.
  t.uztaisymas = 5;
  t.Sauti();
  bool perejo = false;
  while (t.sovinysSkrenda && kadrai < 300) {
    t.Atnaujinti();
    TikrintiPataikymus(zaidejoArmija);
    if (t.sovinysSkrenda && t.sovinys.y > 7 * L) perejo = true;
    ++kadrai;
  }
  EXPECT_TRUE(perejo);
  EXPECT_EQ(Lang(10, 9), 0);
}

TEST_F(Tank, HitsOnlyInTheTanksCellWithin20Pixels) {
  KTankas& sauna = Z(0);
  Perkelti(sauna, 2, 2);
  KTankas& taikinys = P(3);
  Perkelti(taikinys, 10, 6);
  const KVektorius c = taikinys.pozicija;  // (393.75, 243.75)
  struct {
    const char* kas;
    float x, y;
    bool pataiko;
  } atvejai[] = {
      {"centre", c.x, c.y, true},
      {"18.5 px up inside the cell", c.x, c.y + 18.5f, true},
      {"neighbouring cell, 19.25 px", 11 * L + 0.5f, c.y, false},
      {"neighbouring cell below, 19.25 px", c.x, 6 * L - 0.5f, false},
      {"own cell corner, 25.8 px", 10 * L + 0.5f, 6 * L + 0.5f, false},
      {"own cell, 19.9 px on a diagonal", c.x + 14.07f, c.y + 14.07f, true},
      {"own cell, exactly 20 px", c.x + 12, c.y + 16, false},
  };
  for (const auto& a : atvejai) {
    taikinys.gyvybes = 3;
    sauna.sovinysSkrenda = true;
    sauna.sovinys = KVektorius(a.x, a.y, 0);
    TikrintiPataikymus(zaidejoArmija);
    EXPECT_EQ(taikinys.gyvybes, a.pataiko ? 2 : 3) << a.kas;
    EXPECT_EQ(sauna.sovinysSkrenda, !a.pataiko) << a.kas;
  }
}

TEST_F(Tank, OwnShellSparesTheShooter) {
  KTankas& t = Z(1);
  t.sovinysSkrenda = true;
  t.sovinys = t.pozicija;
  TikrintiPataikymus(zaidejoArmija);
  EXPECT_TRUE(t.sovinysSkrenda);
  EXPECT_EQ(t.gyvybes, 3);
}

TEST_F(Tank, HitsFriendsAndFoesByNumber) {
  // No side test: a shell hurts friends as well; the number alone finds the army.
  struct {
    KArmija* armija;
    int sauna, taikinys;
  } atvejai[] = {{&zaidejoArmija, 0, 1}, {&priesoArmija, 4, 5}, {&zaidejoArmija, 4, -1}, {&priesoArmija, 9, -5}};
  for (const auto& a : atvejai) {
    SetUp();
    KTankas& s = a.armija->tankai[a.sauna];
    // A negative target -1 - i is tank i of the other army.
    KTankas& t = a.taikinys >= 0 ? a.armija->tankai[a.taikinys]
                                 : (a.armija == &zaidejoArmija ? P(-a.taikinys - 1) : Z(-a.taikinys - 1));
    s.sovinysSkrenda = true;
    s.sovinys = t.pozicija;
    TikrintiPataikymus(*a.armija);
    EXPECT_EQ(t.gyvybes, 2) << t.numeris;
    EXPECT_FALSE(s.sovinysSkrenda);
  }
}

TEST_F(Tank, MovingTankIsFoundThroughBothCells) {
  KTankas& s = Z(0);
  Perkelti(s, 1, 1);
  KTankas& t = P(2);
  Perkelti(t, 10, 8);
  laikmatis.KadroLaikas = 0.2f;  // 12 px into the step
  ASSERT_TRUE(t.Desinen());
  t.kompiuteris = false;
  t.Atnaujinti();
  ASSERT_TRUE(t.juda);
  const float x = t.pozicija.x;  // 405.75
  struct {
    const char* kas;
    float x, y;
    bool pataiko;
  } atvejai[] = {
      {"cell entered, close to the current position", 11 * L + 1, t.pozicija.y, true},
      {"cell left, close to the current position", x - 15, t.pozicija.y, true},
      {"cell left, near the old centre but 19.5 from now", x - 19.5f, t.pozicija.y + 2, true},
      {"cell left, 21 px behind", x - 21, t.pozicija.y, false},
      {"cell entered, at its centre but 25.5 away", 11.5f * L, t.pozicija.y, false},
  };
  for (const auto& a : atvejai) {
    t.gyvybes = 3;
    s.sovinysSkrenda = true;
    s.sovinys = KVektorius(a.x, a.y, 0);
    TikrintiPataikymus(zaidejoArmija);
    EXPECT_EQ(t.gyvybes, a.pataiko ? 2 : 3) << a.kas;
  }
}

TEST_F(Tank, DiesOnTheThirdHit) {
  ZurnaloGaudykle zurnalas;
  KTankas& s = Z(0);
  KTankas& t = P(6);  // number 12
  Perkelti(t, 9, 9);
  laikmatis.KadroLaikas = 0.3f;
  ASSERT_TRUE(t.Zemyn());
  t.kompiuteris = false;
  t.Atnaujinti();
  ASSERT_TRUE(t.juda);
  t.sovinysSkrenda = true;
  t.sovinys = KVektorius(700, 500, 0);
  for (int i = 1; i <= 3; ++i) {
    s.sovinysSkrenda = true;
    s.sovinys = t.pozicija;
    TikrintiPataikymus(zaidejoArmija);
    EXPECT_FALSE(s.sovinysSkrenda);
    EXPECT_EQ(t.gyvybes, 3 - i);
    EXPECT_EQ(t.gyvas, i < 3) << i;
  }
  EXPECT_EQ(zurnalas.Kiek("Zuvo: 12"), 1);
  EXPECT_EQ(Lang(9, 9), 0);
  EXPECT_EQ(Lang(9, 8), 0);
  EXPECT_FALSE(t.sovinysSkrenda);
  EXPECT_TRUE(t.sprogimas.groja);
  // The dead tank is no longer hit, updated or in anyone's way.
  s.sovinysSkrenda = true;
  s.sovinys = t.pozicija;
  TikrintiPataikymus(zaidejoArmija);
  EXPECT_TRUE(s.sovinysSkrenda);
  EXPECT_EQ(zurnalas.Kiek("Zuvo: 12"), 1);
  const KVektorius kur = t.pozicija;
  t.Atnaujinti();
  EXPECT_EQ(t.pozicija.y, kur.y);
  EXPECT_EQ(Lang(9, 8), 0);
}

TEST_F(Tank, ANumberOfNoTankHitsNothing) {
  // A cell value that names no tank of either army, and shells far off the grid.
  KTankas& s = Z(0);
  Perkelti(s, 1, 1);
  const int32_t netikri[] = {16, 40, 1000000};
  for (int32_t v : netikri) {
    Lang(6, 6) = v;
    s.sovinysSkrenda = true;
    s.sovinys = Centras(6, 6);
    TikrintiPataikymus(zaidejoArmija);
    EXPECT_TRUE(s.sovinysSkrenda) << v;
    EXPECT_EQ(Lang(6, 6), v);
  }
  // Numbers inside the player's range name tanks only while the army has them.
  zaidejoArmija.kiekis = 3;
  Lang(6, 6) = 5;
  s.sovinys = Centras(6, 6);
  TikrintiPataikymus(zaidejoArmija);
  EXPECT_TRUE(s.sovinysSkrenda);
  EXPECT_EQ(Z(4).gyvybes, 3);
  zaidejoArmija.kiekis = 5;
  const KVektorius toli[] = {{1e30f, 1e30f, 0}, {-1e30f, 5, 0}, {5, -1e9f, 0}};
  for (const auto& p : toli) {
    s.sovinysSkrenda = true;
    s.sovinys = p;
    TikrintiPataikymus(zaidejoArmija);
    EXPECT_TRUE(s.sovinysSkrenda);
  }
}
