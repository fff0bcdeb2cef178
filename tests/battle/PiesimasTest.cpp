// Drawing in a real (headless) GL context, checked by reading the pixels back.
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Zaidimas.h"
#include "gfx/GlBusena.h"
#include "tests/battle/MusioAplinka.h"
#include "tests/common/GlKontekstas.h"

namespace {

using Spalva = std::array<unsigned char, 4>;

constexpr Spalva JUODA = {0, 0, 0, 255};
constexpr Spalva RAUDONA = {255, 0, 0, 255};
constexpr Spalva ZALIA = {0, 255, 0, 255};
constexpr Spalva MELYNA = {0, 0, 255, 255};
constexpr Spalva GELTONA = {255, 255, 0, 255};
constexpr Spalva PILKA = {128, 128, 128, 255};

// A texture of w by h texels, each the colour the function gives it (rows from the
// bottom), sampled nearest.
GLuint Tekstura(int plotis, int aukstis, const std::function<Spalva(int, int)>& spalva) {
  std::vector<unsigned char> taskai(static_cast<size_t>(plotis) * aukstis * 4);
  for (int y = 0; y < aukstis; ++y)
    for (int x = 0; x < plotis; ++x)
      for (int k = 0; k < 4; ++k) taskai[(static_cast<size_t>(y) * plotis + x) * 4 + k] = spalva(x, y)[k];
  GLuint vardas = 0;
  glGenTextures(1, &vardas);
  glBindTexture(GL_TEXTURE_2D, vardas);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, plotis, aukstis, 0, GL_RGBA, GL_UNSIGNED_BYTE, taskai.data());
  return vardas;
}

// A texture of vertical bands: each band a colour up to (not including) its end texel.
GLuint JuostuTekstura(int plotis, std::vector<std::pair<int, Spalva>> juostos) {
  return Tekstura(plotis, 4, [&](int x, int) {
    for (const auto& j : juostos)
      if (x < j.first) return j.second;
    return JUODA;
  });
}

GLuint Vienspalve(Spalva s) { return JuostuTekstura(4, {{4, s}}); }

bool Artima(const Spalva& a, const Spalva& b, int leidimas = 3) {
  for (int k = 0; k < 3; ++k)
    if (std::abs(a[k] - b[k]) > leidimas) return false;
  return true;
}

std::string Tekstas(const Spalva& s) {
  return "(" + std::to_string(s[0]) + "," + std::to_string(s[1]) + "," + std::to_string(s[2]) + ")";
}

class BattleDrawing : public MusioTestas {
 protected:
  void SetUp() override {
    UztikrintiGlKonteksta();
    MusioTestas::SetUp();
    static GLuint zeme = Vienspalve(PILKA), siena = Vienspalve(RAUDONA);
    // The army sheet: hull up to 0.445, turret to 0.71, gap, shell from 0.89.
    static GLuint lapas = JuostuTekstura(200, {{89, RAUDONA}, {142, ZALIA}, {178, MELYNA}, {200, GELTONA}});
    static GLuint rodykles = Vienspalve({255, 255, 255, 255});
    zemelapis.zemesTekstura = zeme;
    zemelapis.sienosTekstura = siena;
    armijosLapas = lapas;
    rodykle.tekstura = rodykles;
    rodykle.alfa = 0;
    for (int i = 0; i < zaidejoArmija.kiekis; ++i) Z(i).tekstura = lapas;
    for (int i = 0; i < priesoArmija.kiekis; ++i) P(i).tekstura = lapas;
    busena = BUSENA_MUSIS;
    pagalba.alfa = 0;
    pagalba.rodoma = false;
    laikmatis.KadroLaikas = 0;
  }

  // A view pixel of map pixel (x, y): the battle is drawn translated by (25, 5).
  static Spalva Zemelapyje(float x, float y) {
    return SkaitytiPikseli(static_cast<int>(std::floor(25 + x)), static_cast<int>(std::floor(5 + y)));
  }

  GLuint armijosLapas = 0;
};

}  // namespace

TEST_F(BattleDrawing, CellsShowTheirOwnTexture) {
  PaliktiTik({}, {});
  for (int c = 0; c < 20; ++c)
    for (int r = 0; r < 15; ++r) Lang(c, r) = ((c * 7 + r * 3) % 5 == 0) ? -1 : ((c + r) % 4 == 0 ? 9 : 0);
  PiestiKadra();
  int sienos = 0;
  for (int c = 0; c < 20; ++c)
    for (int r = 0; r < 15; ++r) {
      const bool siena = Lang(c, r) == -1;
      sienos += siena;
      // Centre and a point near each corner: the cell is covered whole, by one texture.
      const float kx[] = {0.5f, 0.05f, 0.95f, 0.05f, 0.95f}, ky[] = {0.5f, 0.05f, 0.05f, 0.95f, 0.95f};
      for (int k = 0; k < 5; ++k) {
        const Spalva p = Zemelapyje((c + kx[k]) * L, (r + ky[k]) * L);
        ASSERT_TRUE(Artima(p, siena ? RAUDONA : PILKA)) << c << "," << r << " " << Tekstas(p);
      }
    }
  EXPECT_GT(sienos, 30);
  // Outside the 750 by 562.5 grid nothing is drawn.
  const int uz[][2] = {{10, 300}, {24, 5}, {776, 300}, {400, 569}, {400, 3}, {790, 590}};
  for (const auto& p : uz) EXPECT_TRUE(Artima(SkaitytiPikseli(p[0], p[1]), JUODA)) << p[0] << "," << p[1];
  EXPECT_TRUE(Artima(SkaitytiPikseli(25, 5), PILKA) || Artima(SkaitytiPikseli(25, 5), RAUDONA));
  EXPECT_TRUE(Artima(SkaitytiPikseli(774, 566), PILKA) || Artima(SkaitytiPikseli(774, 566), RAUDONA));
}

TEST_F(BattleDrawing, TankIsDrawnFromItsSheetRanges) {
  PaliktiTik({0}, {0});
  Uzmurinti();
  for (auto& l : zemelapis.langeliai)
    if (l < 0) l = 0;
  KTankas& t = Z(0);
  Perkelti(t, 4, 4);  // facing 0, turret 0
  KTankas& e = P(0);
  Perkelti(e, 12, 10);
  e.kryptis = 2;
  e.bokstelioKampas = 270;  // turret towards +x
  PiestiKadra();
  const KVektorius a = t.pozicija, b = e.pozicija;
  struct {
    const KVektorius* c;
    float dx, dy;
    Spalva tiketina;
    const char* kas;
  } taskai[] = {
      {&a, -10, -10, RAUDONA, "hull corner"}, {&a, 10, 10, RAUDONA, "hull corner"},
      {&a, 10, -10, RAUDONA, "hull corner"},  {&a, 0, 0, ZALIA, "turret over the hull"},
      {&a, 0, 18, ZALIA, "turret ahead"},     {&a, 0, -6, ZALIA, "turret behind the pivot"},
      {&a, 0, 23, PILKA, "past the barrel"},  {&a, 0, -10, RAUDONA, "hull behind the turret"},
      {&a, 14, 0, PILKA, "beside the hull"},  {&a, -10, 16, PILKA, "beside the barrel"},
      {&b, 18, 0, ZALIA, "turned turret"},    {&b, 0, 18, PILKA, "nothing where turret 0 would be"},
      {&b, -10, 10, RAUDONA, "hull"},
  };
  for (const auto& p : taskai) {
    const Spalva s = Zemelapyje(p.c->x + p.dx, p.c->y + p.dy);
    EXPECT_TRUE(Artima(s, p.tiketina)) << p.kas << " at " << p.dx << "," << p.dy << ": " << Tekstas(s);
  }
  // A dead tank draws nothing.
  Pasalinti(e);
  PiestiKadra();
  EXPECT_TRUE(Artima(Zemelapyje(b.x, b.y), PILKA));
  EXPECT_TRUE(Artima(Zemelapyje(b.x + 18, b.y), PILKA));
}

TEST_F(BattleDrawing, HullIsDrawnTowardsItsFacing) {
  // A sheet whose hull picture has its front half (upper texture rows) yellow and its
  // back half red: the yellow half must point the way the tank faces, 0 up, 1 left,
  // 2 down, 3 right (counter-clockwise by 90 degrees a step).
  static const GLuint lapas = Tekstura(200, 4, [](int x, int y) {
    return x < 89 ? (y >= 2 ? GELTONA : RAUDONA) : (x < 142 ? ZALIA : MELYNA);
  });
  PaliktiTik({0}, {});
  KTankas& t = Z(0);
  Perkelti(t, 6, 6);
  t.tekstura = lapas;
  t.bokstelioKampas = 0;  // the turret covers |x| < 7 only; the points below lie beside it
  struct {
    int kryptis;
    float priekisX, priekisY, galasX, galasY;
  } atvejai[] = {{0, 9, 9, 9, -9}, {1, -9, 9, 9, 9}, {2, 9, -9, 9, 9}, {3, 9, 9, -9, 9}};
  for (const auto& a : atvejai) {
    t.kryptis = t.judejimoKryptis = a.kryptis;
    PiestiKadra();
    const Spalva priekis = Zemelapyje(t.pozicija.x + a.priekisX, t.pozicija.y + a.priekisY);
    const Spalva galas = Zemelapyje(t.pozicija.x + a.galasX, t.pozicija.y + a.galasY);
    EXPECT_TRUE(Artima(priekis, GELTONA)) << "facing " << a.kryptis << ", front " << Tekstas(priekis);
    EXPECT_TRUE(Artima(galas, RAUDONA)) << "facing " << a.kryptis << ", back " << Tekstas(galas);
  }
}

TEST_F(BattleDrawing, ShellIsDrawnAlongItsAngle) {
  PaliktiTik({0}, {});
  KTankas& t = Z(0);
  Perkelti(t, 2, 2);
  t.sovinysSkrenda = true;
  t.sovinys = KVektorius(400, 300, 0);
  t.sovinioKampas = 0;
  PiestiKadra();
  EXPECT_TRUE(Artima(Zemelapyje(400, 300), GELTONA));
  EXPECT_TRUE(Artima(Zemelapyje(400, 308), GELTONA));
  EXPECT_TRUE(Artima(Zemelapyje(403, 300), GELTONA));
  EXPECT_TRUE(Artima(Zemelapyje(408, 300), PILKA));
  EXPECT_TRUE(Artima(Zemelapyje(400, 312), PILKA));
  t.sovinioKampas = 90;  // lying across
  PiestiKadra();
  EXPECT_TRUE(Artima(Zemelapyje(408, 300), GELTONA));
  EXPECT_TRUE(Artima(Zemelapyje(400, 308), PILKA));
  // Over the edge of the grid the shell is still drawn.
  t.sovinys = KVektorius(760, 300, 0);
  PiestiKadra();
  EXPECT_TRUE(Artima(Zemelapyje(760, 300), GELTONA));
  t.sovinysSkrenda = false;
  PiestiKadra();
  EXPECT_TRUE(Artima(Zemelapyje(760, 300), JUODA));
}

TEST_F(BattleDrawing, MarkerFlashFadesInAndOut) {
  // Before any attachment nothing is drawn, though nothing is followed.
  rodykle.sekama = nullptr;
  rodykle.alfa = 0;
  OrtoProjekcija(0, 0, 800, 600, 100.0f, -100.0f);
  glEnable(GL_TEXTURE_2D);
  glClear(GL_COLOR_BUFFER_BIT);
  rodykle.Piesti();
  EXPECT_TRUE(Artima(SkaitytiPikseli(0, 0), JUODA));

  KVektorius kur(300, 200, 0);
  rodykle.Priristi(kur);
  laikmatis.KadroLaikas = 0.1f;
  const float alfos[] = {0.5f, 1.0f, 2.0f / 3, 1.0f / 3};
  for (int i = 0; i < 4; ++i) {
    glClear(GL_COLOR_BUFFER_BIT);
    rodykle.Piesti();
    EXPECT_NEAR(rodykle.alfa, alfos[i], 1e-4f) << i;
    const float s = (i + 1) * 0.1f * 50 + 20;  // half the side
    const int tiketina = static_cast<int>(std::lround(alfos[i] * 255));
    const int x = static_cast<int>(kur.x), y = static_cast<int>(kur.y);
    EXPECT_NEAR(SkaitytiPikseli(x, y)[0], tiketina, 3) << i;
    EXPECT_NEAR(SkaitytiPikseli(static_cast<int>(x + s - 2), y)[0], tiketina, 3) << i;
    EXPECT_NEAR(SkaitytiPikseli(x, static_cast<int>(y - s + 2))[0], tiketina, 3) << i;
    EXPECT_EQ(SkaitytiPikseli(static_cast<int>(x + s + 2), y)[0], 0) << i;
    EXPECT_EQ(SkaitytiPikseli(x, static_cast<int>(y - s - 3))[0], 0) << i;
    // It follows the position it was attached to.
    kur.x += 10;
  }
  glClear(GL_COLOR_BUFFER_BIT);
  rodykle.Piesti();
  EXPECT_LT(rodykle.alfa, 0.001f);
  EXPECT_LE(SkaitytiPikseli(340, 200)[0], 1);
  const float laikas = rodykle.laikas;
  rodykle.Piesti();
  EXPECT_EQ(rodykle.laikas, laikas);  // over: the time stands
  // The colour is left opaque white for what follows.
  GLfloat spalva[4];
  glGetFloatv(GL_CURRENT_COLOR, spalva);
  EXPECT_EQ(spalva[3], 1.0f);
  // A new attachment restarts the flash.
  rodykle.Priristi(kur);
  rodykle.Piesti();
  EXPECT_NEAR(rodykle.alfa, 0.5f, 1e-4f);
}

TEST_F(BattleDrawing, MarkerIsDrawnOverTheTanks) {
  PaliktiTik({0}, {});
  KTankas& t = Z(0);
  Perkelti(t, 10, 7);
  PasirinktiTanka(0);
  laikmatis.KadroLaikas = 0.2f;  // alpha 1 at once
  PiestiKadra();
  // White over the tank's picture, in map space.
  EXPECT_TRUE(Artima(Zemelapyje(t.pozicija.x, t.pozicija.y), {255, 255, 255, 255}));
  EXPECT_TRUE(Artima(Zemelapyje(t.pozicija.x + 28, t.pozicija.y), {255, 255, 255, 255}));
  laikmatis.KadroLaikas = 0.3f;
  PiestiKadra();
  EXPECT_TRUE(Artima(Zemelapyje(t.pozicija.x, t.pozicija.y), ZALIA));  // flash over, turret seen
}

namespace {

constexpr Spalva ZYDRA = {0, 255, 255, 255};
// Cell i of a sheet: a colour of its own, green 40 * i over blue 200.
Spalva Langelis(int i) { return {0, static_cast<unsigned char>(40 * i % 256), 200, 255}; }

class NewPlayerDrawing : public BattleDrawing {
 protected:
  void SetUp() override {
    BattleDrawing::SetUp();
    // The marker: a ring of 10 map pixels round a clear middle (its 40 units in 4 texels).
    static GLuint zyme = Tekstura(4, 4, [](int x, int y) {
      return (x == 0 || x == 3 || y == 0 || y == 3) ? ZYDRA : Spalva{0, 0, 0, 0};
    });
    static GLuint blyksniai = Tekstura(BLYKSNIU_KADRAI, 1, [](int x, int) { return Langelis(x); });
    // The status line: words cyan, digit d and the signs each their own cell colour.
    static GLuint juosta = Tekstura(JUOSTOS_PLOTIS / 16, 2, [](int x, int y) {
      if (y == 1) return ZYDRA;
      const int px = x * 16;
      return px < ZENKLO_X ? Langelis(px / SKAITMENS_PLOTIS) : Langelis(10 + (px - ZENKLO_X) / ZENKLO_PLOTIS);
    });
    paveikslai = {zyme, blyksniai, juosta};
    Paveikslai(true);
  }
  void Paveikslai(bool yra) {
    rodykle.zymesTekstura = yra ? paveikslai[0] : 0;
    KTankas::blyksniai = yra ? paveikslai[1] : 0;
    busenosJuosta.tekstura = yra ? paveikslai[2] : 0;
  }
  static void Raktai(int zymeklis, int juosta, int pataikymai) {
    nustatymai.zymeklis = zymeklis;
    nustatymai.busenosJuosta = juosta;
    nustatymai.pataikymai = pataikymai;
  }
  static std::vector<unsigned char> Kadras() {
    PiestiKadra();
    return SkaitytiPikselius(0, 0, 800, 600);
  }
  std::array<GLuint, 3> paveikslai{};
};

}  // namespace

TEST_F(NewPlayerDrawing, WithoutTheKeysOrTheirPicturesTheBattleLooksAsItAlwaysDid) {
  // A battle with a hit, a death and a current tank in it.
  PaliktiTik({0, 1}, {0});
  Perkelti(Z(0), 4, 4);
  Perkelti(Z(1), 8, 4);
  Perkelti(P(0), 12, 10);
  PasirinktiTanka(0);
  rodykle.alfa = 0;
  auto Ivykiai = [](bool ka) {
    Z(1).poSmugio = ka ? 0.0f : 1.0f;
    P(0).poMirties = ka ? 0.0f : 1.0f;
    P(0).gyvas = !ka;
  };
  // As it always was: the same battle without the new pictures and with nothing happening.
  Raktai(0, 0, 0);
  Paveikslai(false);
  Ivykiai(false);
  P(0).gyvas = false;
  const auto kaipVisada = Kadras();
  struct {
    const char* kas;
    int zymeklis, juosta, pataikymai;
    bool paveikslai, skiriasi;
  } atvejai[] = {
      {"the keys absent", 0, 0, 0, true, false},
      {"the keys on, the pictures missing", 1, 1, 1, false, false},
      {"the marker", 1, 0, 0, true, true},
      {"the status line", 0, 1, 0, true, true},
      {"the flashes", 0, 0, 1, true, true},
  };
  for (const auto& a : atvejai) {
    Raktai(a.zymeklis, a.juosta, a.pataikymai);
    Paveikslai(a.paveikslai);
    Ivykiai(true);
    EXPECT_EQ(Kadras() != kaipVisada, a.skiriasi) << a.kas;
  }
}

TEST_F(NewPlayerDrawing, TheMarkerFramesTheCurrentTankWhileItLives) {
  PaliktiTik({0, 1}, {});
  Perkelti(Z(0), 4, 4);
  Perkelti(Z(1), 8, 4);
  Raktai(1, 0, 0);
  PasirinktiTanka(1);
  rodykle.alfa = 0;
  PiestiKadra();
  const KVektorius a = Z(1).pozicija, kitas = Z(0).pozicija;
  EXPECT_TRUE(Artima(Zemelapyje(a.x + 15, a.y), ZYDRA));
  EXPECT_TRUE(Artima(Zemelapyje(a.x, a.y), ZALIA)) << "the tank itself is seen";
  EXPECT_TRUE(Artima(Zemelapyje(kitas.x + 15, kitas.y), PILKA)) << "the other tank has none";
  Pasalinti(Z(1));
  PiestiKadra();
  EXPECT_TRUE(Artima(Zemelapyje(a.x + 15, a.y), PILKA)) << "a dead tank has none";
}

TEST_F(NewPlayerDrawing, AHitFlashesAndADeathBurstsFrameByFrame) {
  PaliktiTik({0}, {});
  KTankas& t = Z(0);
  Perkelti(t, 6, 6);
  t.kompiuteris = false;  // it stands where it is looked at
  Raktai(0, 0, 1);
  rodykle.alfa = 0;
  const KVektorius c = t.pozicija;
  auto Centras = [&] {
    PiestiKadra();
    return Zemelapyje(c.x + 8, c.y - 8);  // on the hull, beside the turret
  };
  EXPECT_TRUE(Artima(Centras(), RAUDONA)) << "nothing before a hit";
  t.Pazeisti();
  EXPECT_TRUE(Artima(Centras(), Langelis(SMUGIO_KADRAS))) << "the hit's flash";
  laikmatis.KadroLaikas = KTankas::SMUGIO_LAIKAS;
  t.Atnaujinti();
  EXPECT_TRUE(Artima(Centras(), RAUDONA)) << "over after its time";
  // The death: the burst's frames in order over the time, then the ground.
  t.Zuti();
  // Looked at halfway through each of its frames.
  laikmatis.KadroLaikas = KTankas::SPROGIMO_LAIKAS / SPROGIMO_KADRAI / 2;
  t.Atnaujinti();
  laikmatis.KadroLaikas *= 2;
  for (int k = 0; k < SPROGIMO_KADRAI; ++k) {
    EXPECT_TRUE(Artima(Centras(), Langelis(k))) << "frame " << k;
    t.Atnaujinti();
  }
  EXPECT_TRUE(Artima(Centras(), PILKA)) << "the burst is over";
}

TEST_F(NewPlayerDrawing, TheStatusLineCountsTheLivingAndYourTanksArmour) {
  Raktai(0, 1, 0);
  PasirinktiTanka(0);
  rodykle.alfa = 0;
  // Where the line puts a count's digits and the armour's signs, in view units, and the
  // cell it takes each from.
  const int y = 584;
  auto Ziureti = [&](int x, int langelis, const char* kas) {
    const Spalva s = SkaitytiPikseli(x, y);
    EXPECT_TRUE(Artima(s, Langelis(langelis))) << kas << ": " << Tekstas(s) << " at " << x;
  };
  struct {
    unsigned zaidejoZuve, priesoZuve;
    int gyvybes;
    const char* zaidejo;  // the counts as the line should read them
    const char* prieso;
  } atvejai[] = {{0, 0, 3, "5", "10"}, {0b00010, 0b1000000011, 2, "4", "7"}, {0b11110, 0b1111111110, 1, "1", "1"}};
  for (const auto& a : atvejai) {
    for (int i = 0; i < 5; ++i) Z(i).gyvas = !(a.zaidejoZuve >> i & 1);
    for (int i = 0; i < 10; ++i) P(i).gyvas = !(a.priesoZuve >> i & 1);
    Z(0).gyvybes = a.gyvybes;
    PiestiKadra();
    for (int i = 0; a.zaidejo[i]; ++i) Ziureti(238 + 16 * i, a.zaidejo[i] - '0', "your tanks");
    for (int i = 0; a.prieso[i]; ++i) Ziureti(483 + 16 * i, a.prieso[i] - '0', "enemy tanks");
    for (int i = 0; i < TANKO_GYVYBES; ++i) Ziureti(716 + 24 * i, i < a.gyvybes ? 10 : 11, "armour");
    // The words, and each army's own tank drawn from its sheet.
    EXPECT_TRUE(Artima(SkaitytiPikseli(150, y), ZYDRA));
    EXPECT_TRUE(Artima(SkaitytiPikseli(213, y - 8), RAUDONA));
  }
  // Your tank gone: no armour left.
  Z(0).gyvas = false;
  PiestiKadra();
  for (int i = 0; i < TANKO_GYVYBES; ++i) Ziureti(716 + 24 * i, 11, "armour of a dead tank");
}
