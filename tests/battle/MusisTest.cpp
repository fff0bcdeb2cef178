// The battle frame driven frame by frame through the game update, keys set by hand.
#include <cstdlib>

#include "app/Zaidimas.h"
#include "tests/battle/MusioAplinka.h"

namespace {

class Battle : public MusioTestas {
 protected:
  void SetUp() override {
    MusioTestas::SetUp();
    dabartineVairalazde = nullptr;
    busena = BUSENA_MUSIS;
    meniu.baigta = false;
    meniu.laimeta = false;
    dabartinioTankoIndeksas = 0;
    dabartinisTankas = nullptr;
    PasirinktiTanka(0);
    // No computer tank is near a shot during these few seconds.
    for (int i = 0; i < zaidejoArmija.kiekis; ++i) Z(i).uztaisymas = 0;
    for (int i = 0; i < priesoArmija.kiekis; ++i) P(i).uztaisymas = 0;
  }

  // The game's update alone, as a frame runs it (no window here): the keys set as
  // pressed count in it, and after it as held, as the next frame's edges would leave them.
  static void Atnaujinti() {
    AtnaujintiZaidima();
    for (auto& b : klaviatura.busenos) {
      if (b == KLAVISAS_NUSPAUSTAS) b = KLAVISAS_LAIKOMAS;
      if (b == KLAVISAS_PAKELTAS) b = KLAVISAS_ATLEISTAS;
    }
  }
  static void Spausti(int kodas) { klaviatura.busenos[kodas] = KLAVISAS_NUSPAUSTAS; }
  static void Atleisti(int kodas) { klaviatura.busenos[kodas] = KLAVISAS_PAKELTAS; }
};

}  // namespace

TEST_F(Battle, EscapeReturnsToTheMenuLeavingTheOutcomeFlags) {
  Uzmurinti();
  Atnaujinti();
  EXPECT_EQ(busena, BUSENA_MUSIS);
  Spausti(VK_ESCAPE);
  Atnaujinti();
  EXPECT_EQ(busena, BUSENA_MENIU);
  EXPECT_FALSE(meniu.baigta);
  EXPECT_FALSE(meniu.laimeta);
  // Whatever the flags hold, Escape leaves them.
  busena = BUSENA_MUSIS;
  meniu.baigta = true;
  meniu.laimeta = true;
  Spausti(VK_ESCAPE);
  Atnaujinti();
  EXPECT_EQ(busena, BUSENA_MENIU);
  EXPECT_TRUE(meniu.baigta);
  EXPECT_TRUE(meniu.laimeta);
}

TEST_F(Battle, EndsWhenAnArmyIsGone) {
  struct {
    const char* kas;
    bool zaidejoNeliko, priesoNeliko, escape;
    bool laimeta;
  } atvejai[] = {
      {"player's army gone", true, false, false, false},
      {"enemy army gone", false, true, false, true},
      {"both gone in one frame: won", true, true, false, true},
      {"both gone, with Escape", true, true, true, true},
      {"player's army gone, with Escape", true, false, true, false},
  };
  for (const auto& a : atvejai) {
    SetUp();
    Uzmurinti();
    if (a.zaidejoNeliko)
      for (int i = 0; i < 5; ++i) Pasalinti(Z(i));
    if (a.priesoNeliko)
      for (int i = 0; i < 10; ++i) Pasalinti(P(i));
    if (a.escape) Spausti(VK_ESCAPE);
    Atnaujinti();
    EXPECT_EQ(busena, BUSENA_MENIU) << a.kas;
    EXPECT_TRUE(meniu.baigta) << a.kas;
    EXPECT_EQ(meniu.laimeta, a.laimeta) << a.kas;
  }
}

TEST_F(Battle, EndsInTheFrameAfterTheLastDeath) {
  Uzmurinti();
  PaliktiTik({0}, {0});
  KTankas& paskutinis = P(0);
  paskutinis.gyvybes = 1;
  KTankas& mano = Z(0);
  mano.sovinysSkrenda = true;
  mano.sovinioKampas = 0;
  mano.sovinys = paskutinis.pozicija;
  Atnaujinti();
  EXPECT_FALSE(paskutinis.gyvas);
  EXPECT_EQ(busena, BUSENA_MUSIS);  // counted before the hit test
  EXPECT_FALSE(meniu.baigta);
  Atnaujinti();
  EXPECT_EQ(busena, BUSENA_MENIU);
  EXPECT_TRUE(meniu.baigta);
  EXPECT_TRUE(meniu.laimeta);
}

TEST_F(Battle, SMovesToTheNextLivingTank) {
  struct {
    unsigned zuve;  // bit i: tank i destroyed
    int dabartinis, tiketinas;
  } atvejai[] = {
      {0, 0, 1},    {0b00110, 0, 3}, {0, 4, 0}, {0b00001, 4, 1},
      {0b10001, 3, 1},
      {0b11011, 2, 2},  // the lone survivor stays
      {0b00100, 2, 3},  // from a destroyed current tank to the next one
  };
  for (const auto& a : atvejai) {
    SetUp();
    Uzmurinti();
    PasirinktiTanka(a.dabartinis);
    ASSERT_EQ(dabartinioTankoIndeksas, a.dabartinis);
    for (int i = 0; i < 5; ++i)
      if (a.zuve & (1u << i)) Pasalinti(Z(i));
    zaidejoArmija.Atnaujinti();
    KTankas& senas = Z(a.dabartinis);
    rodykle.laikas = 0.3f;
    rodykle.alfa = 0.5f;
    Z(a.tiketinas).priesasMatomas = true;
    Spausti('S');
    Atnaujinti();
    EXPECT_EQ(dabartinioTankoIndeksas, a.tiketinas) << "from " << a.dabartinis;
    EXPECT_EQ(dabartinisTankas, &Z(a.tiketinas));
    EXPECT_FALSE(dabartinisTankas->kompiuteris);
    EXPECT_FALSE(dabartinisTankas->priesasMatomas);
    if (&senas != dabartinisTankas) {
      EXPECT_TRUE(senas.kompiuteris);
    }
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Z(i).kompiuteris, i != a.tiketinas) << i;
    // The flash restarts on the new tank, even when it is the same one.
    EXPECT_EQ(rodykle.sekama, &dabartinisTankas->pozicija);
    EXPECT_EQ(rodykle.laikas, 0);
    EXPECT_EQ(rodykle.alfa, 1);
  }
}

TEST_F(Battle, ChoiceStaysOnADestroyedCurrentTank) {
  Uzmurinti();
  PasirinktiTanka(2);
  for (int i = 0; i < 3; ++i) Z(2).Pazeisti();
  ASSERT_FALSE(Z(2).gyvas);
  Atnaujinti();
  Atnaujinti();
  EXPECT_EQ(dabartinioTankoIndeksas, 2);
  EXPECT_EQ(dabartinisTankas, &Z(2));
  EXPECT_EQ(busena, BUSENA_MUSIS);
  // Commands to the dead tank do nothing.
  Spausti(VK_UP);
  Spausti(VK_SPACE);
  Atnaujinti();
  EXPECT_FALSE(Z(2).juda);
  EXPECT_FALSE(Z(2).sovinysSkrenda);
}

TEST_F(Battle, WithNoLivingTankTheChoiceChangesNothing) {
  Uzmurinti();
  PasirinktiTanka(3);
  for (int i = 0; i < 5; ++i) Pasalinti(Z(i));
  zaidejoArmija.Atnaujinti();
  ASSERT_EQ(zaidejoArmija.gyvi, 0);
  rodykle.alfa = 0;
  PasirinktiTanka(4);
  EXPECT_EQ(dabartinioTankoIndeksas, 3);
  EXPECT_EQ(dabartinisTankas, &Z(3));
  EXPECT_FALSE(Z(3).kompiuteris);
  EXPECT_EQ(rodykle.alfa, 0);
  // A stale living count with no tank actually alive finds none either.
  zaidejoArmija.gyvi = 2;
  PasirinktiTanka(0);
  EXPECT_EQ(dabartinioTankoIndeksas, 3);
  EXPECT_EQ(rodykle.alfa, 0);
}

TEST_F(Battle, HeldArrowDrivesCellByCell) {
  Uzmurinti();
  KTankas& t = *dabartinisTankas;
  Perkelti(t, 3, 3);
  for (int c = 4; c <= 6; ++c) Lang(c, 3) = 0;
  laikmatis.KadroLaikas = 1.0f / 60;
  Spausti(VK_RIGHT);
  int pradzios[4] = {}, n = 0;
  int ankstesnisTikslas = t.tikslinisStulpelis;
  for (int kadras = 1; kadras <= 200; ++kadras) {
    Atnaujinti();
    if (t.tikslinisStulpelis != ankstesnisTikslas && n < 4) pradzios[n++] = kadras;
    ankstesnisTikslas = t.tikslinisStulpelis;
  }
  // 38 frames a step; each step begins in the frame after the last one arrived.
  ASSERT_EQ(n, 3);
  EXPECT_EQ(pradzios[0], 1);
  EXPECT_EQ(pradzios[1], 39);
  EXPECT_EQ(pradzios[2], 77);
  EXPECT_EQ(t.stulpelis, 6);
  EXPECT_FALSE(t.juda);
  EXPECT_EQ(t.kryptis, 3);
}

TEST_F(Battle, FirstArrowInOrderThatStartsAStepWins) {
  // Left, Right, Up, Down: the first that starts a step wins.
  struct {
    int pirmas, antras;  // 0: no key
    bool kaireSiena;
    int dc, dr;
  } atvejai[] = {
      {VK_LEFT, VK_RIGHT, false, -1, 0}, {VK_RIGHT, VK_UP, false, 1, 0}, {VK_UP, VK_DOWN, false, 0, 1},
      {VK_DOWN, 0, false, 0, -1},
      {VK_LEFT, VK_UP, true, 0, 1},  // left is refused at the wall, so up starts
  };
  for (const auto& a : atvejai) {
    SetUp();
    Uzmurinti();
    KTankas& t = *dabartinisTankas;
    Perkelti(t, 6, 6);
    Lang(7, 6) = Lang(6, 7) = Lang(6, 5) = 0;
    if (!a.kaireSiena) Lang(5, 6) = 0;
    Spausti(a.pirmas);
    if (a.antras) Spausti(a.antras);
    Atnaujinti();
    EXPECT_TRUE(t.juda);
    EXPECT_EQ(t.tikslinisStulpelis, 6 + a.dc);
    EXPECT_EQ(t.tikslineEilute, 6 + a.dr);
  }
}

TEST_F(Battle, TurretKeysAndSpace) {
  Uzmurinti();
  KTankas& t = *dabartinisTankas;
  Spausti('A');
  for (int i = 0; i < 10; ++i) Atnaujinti();
  EXPECT_FLOAT_EQ(t.bokstelioKampas, 10);  // one degree a frame, whatever the frame time
  laikmatis.KadroLaikas = 0.5f;
  Spausti('D');
  Atnaujinti();
  EXPECT_FLOAT_EQ(t.bokstelioKampas, 10);  // both held: they cancel
  klaviatura.busenos['A'] = KLAVISAS_ATLEISTAS;
  for (int i = 0; i < 5; ++i) Atnaujinti();
  EXPECT_FLOAT_EQ(t.bokstelioKampas, 5);
  klaviatura.busenos['D'] = KLAVISAS_ATLEISTAS;
  // Space is read while held; the shell leaves once the tank has reloaded.
  laikmatis.KadroLaikas = 0.5f;
  t.uztaisymas = 0;
  Spausti(VK_SPACE);
  for (int i = 0; i < 3; ++i) Atnaujinti();  // reloaded 0, 0.5, 1.0 when asked; 1.5 after
  EXPECT_FALSE(t.sovinysSkrenda);
  laikmatis.KadroLaikas = 0.01f;
  Atnaujinti();  // asked at exactly 1.5: refused
  EXPECT_FALSE(t.sovinysSkrenda);
  Atnaujinti();
  EXPECT_TRUE(t.sovinysSkrenda);
  EXPECT_FLOAT_EQ(t.sovinioKampas, 5);
}

TEST_F(Battle, JoystickDrivesTurnsFiresAndSwitches) {
  Uzmurinti();
  KVairalazde v;
  dabartineVairalazde = &v;
  KTankas& pirmas = *dabartinisTankas;
  // Button 7 and S in the same frame: two tanks on.
  v.mygtukai[7] = KLAVISAS_NUSPAUSTAS;
  Spausti('S');
  Atnaujinti();
  EXPECT_EQ(dabartinioTankoIndeksas, 2);
  v.mygtukai[7] = KLAVISAS_LAIKOMAS;
  Atnaujinti();
  EXPECT_EQ(dabartinioTankoIndeksas, 2);
  EXPECT_TRUE(pirmas.kompiuteris);
  KTankas& t = *dabartinisTankas;
  Perkelti(t, 6, 6);
  Lang(5, 6) = Lang(6, 5) = 0;
  // The turret axis turns by -2 degrees times its value each frame.
  v.asys[3] = 0.25f;
  Atnaujinti();
  EXPECT_FLOAT_EQ(t.bokstelioKampas, -0.5f);
  v.asys[3] = 0;
  // X axis left past 0.5 steps left; Y axis past 0.5 is down.
  v.asys[0] = -0.6f;
  Atnaujinti();
  EXPECT_EQ(t.tikslinisStulpelis, 5);
  v.asys[0] = 0;
  SetUp();
  Uzmurinti();
  dabartineVairalazde = &v;
  KTankas& u = *dabartinisTankas;
  Perkelti(u, 6, 6);
  Lang(6, 5) = 0;
  v.asys[1] = 0.6f;
  Atnaujinti();
  EXPECT_EQ(u.tikslineEilute, 5);
  v.asys[1] = 0;
  // Button 0 or button 6 down (pressed in this frame or held) fires; up or released
  // in this frame does not.
  for (int mygtukas : {0, 6})
    for (uint8_t b : {KLAVISAS_NUSPAUSTAS, KLAVISAS_LAIKOMAS, KLAVISAS_PAKELTAS, KLAVISAS_ATLEISTAS}) {
      u.sovinysSkrenda = false;
      u.uztaisymas = 5;
      v.mygtukai[0] = v.mygtukai[6] = KLAVISAS_ATLEISTAS;
      v.mygtukai[mygtukas] = b;
      Atnaujinti();
      EXPECT_EQ(u.sovinysSkrenda, b > KLAVISAS_PAKELTAS) << "button " << mygtukas << " state " << int(b);
    }
  dabartineVairalazde = nullptr;
}

TEST_F(Battle, StickDrivesPastHalfWayOnEachAxisAndNotAtIt) {
  // Strictly beyond 0.5 the stick is an arrow held: X left and right, Y down (+) and up (-).
  struct {
    float x, y;
    int dc, dr;  // 0, 0: no step
  } atvejai[] = {
      {0, 0, 0, 0},        {0.5f, 0, 0, 0},      {-0.5f, 0, 0, 0},    {0, 0.5f, 0, 0},
      {0, -0.5f, 0, 0},    {0.51f, 0, 1, 0},     {-0.51f, 0, -1, 0},  {0, 0.51f, 0, -1},
      {0, -0.51f, 0, 1},   {0.49f, -0.49f, 0, 0},
  };
  for (const auto& a : atvejai) {
    SetUp();
    Uzmurinti();
    KVairalazde v;
    v.asys[0] = a.x;
    v.asys[1] = a.y;
    dabartineVairalazde = &v;
    KTankas& t = *dabartinisTankas;
    Perkelti(t, 6, 6);
    Lang(5, 6) = Lang(7, 6) = Lang(6, 5) = Lang(6, 7) = 0;
    Atnaujinti();
    EXPECT_EQ(t.juda, a.dc != 0 || a.dr != 0) << a.x << "," << a.y;
    EXPECT_EQ(t.tikslinisStulpelis, 6 + a.dc) << a.x << "," << a.y;
    EXPECT_EQ(t.tikslineEilute, 6 + a.dr) << a.x << "," << a.y;
    dabartineVairalazde = nullptr;
  }
}

TEST_F(Battle, ThePlayersArmyMovesFirst) {
  // A computer tank of each army heads for the same free cell in the same frame: the
  // player's army is updated first, so its tank takes the cell.
  Uzmurinti();
  KTankas& musu = Z(1);
  KTankas& ju = P(0);
  Perkelti(musu, 5, 5);
  Perkelti(ju, 7, 5);
  Lang(6, 5) = 0;
  musu.judejimoKryptis = 3;
  ju.judejimoKryptis = 1;
  Atnaujinti();
  EXPECT_EQ(Lang(6, 5), musu.numeris);
  EXPECT_TRUE(musu.juda);
  EXPECT_FALSE(ju.juda);
}

TEST_F(Battle, ThePlayersShellsAreTestedFirst) {
  // Two shells over one wall in the same frame: the player's army's shell breaks it and
  // ends; the enemy's, tested after, finds ground and flies on.
  Uzmurinti();
  KTankas& musu = Z(1);
  KTankas& ju = P(0);
  const KVektorius centras = Centras(6, 8);
  ASSERT_EQ(Lang(6, 8), -1);
  for (KTankas* t : {&musu, &ju}) {
    t->sovinysSkrenda = true;
    t->sovinioKampas = 0;
    t->sovinys = centras;
  }
  Atnaujinti();
  EXPECT_EQ(Lang(6, 8), 0);
  EXPECT_FALSE(musu.sovinysSkrenda);
  EXPECT_TRUE(ju.sovinysSkrenda);
}

TEST_F(Battle, EnemyShellsHitInTheFrameToo) {
  // An enemy shell over a wall breaks it; one over a player's tank damages it.
  Uzmurinti();
  KTankas& ju = P(0);
  KTankas& ju2 = P(1);
  KTankas& musu = Z(3);
  Perkelti(musu, 12, 4);
  ju.sovinysSkrenda = true;
  ju.sovinioKampas = 0;
  ju.sovinys = Centras(6, 8);
  ju2.sovinysSkrenda = true;
  ju2.sovinioKampas = 0;
  ju2.sovinys = musu.pozicija;
  Atnaujinti();
  EXPECT_EQ(Lang(6, 8), 0);
  EXPECT_FALSE(ju.sovinysSkrenda);
  EXPECT_EQ(musu.gyvybes, 2);
  EXPECT_FALSE(ju2.sovinysSkrenda);
}

TEST_F(Battle, NewBattleFromTheMenu) {
  // A battle that left its numbering and current tank elsewhere.
  PasirinktiTanka(3);
  KTankas::numeracija = 40;
  meniu.baigta = true;
  meniu.laimeta = true;
  busena = BUSENA_MENIU;
  meniu.pasirinkimas = 0;
  std::srand(1234);
  int32_t tiketina[300];
  for (auto& l : tiketina) l = std::rand() % 2 - 1;
  std::srand(1234);
  Spausti(VK_RETURN);
  Atnaujinti();
  EXPECT_EQ(busena, BUSENA_MUSIS);
  EXPECT_FALSE(meniu.baigta);
  EXPECT_FALSE(meniu.laimeta);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Z(i).numeris, i + 1);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(P(i).numeris, i + 6);
  EXPECT_EQ(zaidejoArmija.kiekis, 5);
  EXPECT_EQ(priesoArmija.kiekis, 10);
  // The map comes first from the seed; the armies stand on it afterwards.
  for (int c = 0; c < 20; ++c)
    for (int r = 0; r < 15; ++r) {
      const bool zaidejo = r == 0 && c >= 8 && c <= 12;
      const bool prieso = r == 14 && c >= 5 && c <= 14;
      if (zaidejo)
        EXPECT_EQ(Lang(c, r), c - 8 + 1);
      else if (prieso)
        EXPECT_EQ(Lang(c, r), c - 5 + 6);
      else
        EXPECT_EQ(Lang(c, r), tiketina[c * 15 + r]) << c << "," << r;
    }
  EXPECT_EQ(dabartinioTankoIndeksas, 0);
  EXPECT_FALSE(Z(0).kompiuteris);
  EXPECT_TRUE(Z(3).kompiuteris);
  EXPECT_EQ(rodykle.sekama, &Z(0).pozicija);
  EXPECT_EQ(rodykle.alfa, 1);
}
