#include "ui/KMeniu.h"

#include <cmath>
#include <string>

#include "tests/audio/Kilpa.h"
#include "tests/ui/EkranuAplinka.h"

namespace {

class MainMenu : public EkranuTestas {
 protected:
  // Bands of the item texture, bottom to top: 50 (never shown), 150, 200, 250.
  void JuostuTekstura() {
    std::vector<unsigned char> t;
    for (int pilka : {50, 150, 200, 250}) {
      const unsigned char g = static_cast<unsigned char>(pilka);
      for (unsigned char baitas : {g, g, g, static_cast<unsigned char>(255)}) t.push_back(baitas);
    }
    meniu.punktuTekstura = Tekstura(1, 4, t);
  }
  // 256 texels across, texel i with red i: the red drawn tells the s read.
  void PaveiksloTekstura() {
    std::vector<unsigned char> t;
    for (int i = 0; i < 256; ++i) t.insert(t.end(), {static_cast<unsigned char>(i), 0, 0, 255});
    meniu.paveiksloTekstura = Tekstura(256, 1, t);
  }
  static void Piesti() {
    Fonas();
    meniu.Piesti();
  }
};

}  // namespace

TEST_F(MainMenu, PerjungtiWrapsOverThreeItems) {
  struct Atvejis {
    int32_t buvo, zingsnis, bus;
  } atvejai[] = {{0, -1, 2}, {2, +1, 0}, {0, +1, 1}, {1, +1, 2}, {2, -1, 1}, {1, -1, 0}};
  for (const Atvejis& a : atvejai) {
    KMeniu m;
    m.pasirinkimas = a.buvo;
    m.Perjungti(a.zingsnis);
    EXPECT_EQ(a.bus, m.pasirinkimas) << a.buvo << " " << a.zingsnis;
  }
}

TEST_F(MainMenu, PictureRangeFollowsTheOutcomeFlags) {
  struct Atvejis {
    bool baigta, laimeta;
    float s0, s1;
  } atvejai[] = {{false, false, 0.0f, 0.34f}, {false, true, 0.0f, 0.34f}, {true, true, 0.34f, 0.7f},
                 {true, false, 0.7f, 1.0f}};
  PaveiksloTekstura();
  for (const Atvejis& a : atvejai) {
    meniu.baigta = a.baigta;
    meniu.laimeta = a.laimeta;
    float s0 = -1, s1 = -1;
    meniu.PaveiksloRibos(s0, s1);
    EXPECT_EQ(a.s0, s0);
    EXPECT_EQ(a.s1, s1);
    // What is drawn across x 400..800 reads the texture from s0 to s1.
    Piesti();
    const auto SKaire = [&](int x) { return (a.s0 + (x + 0.5 - 400) / 400 * (a.s1 - a.s0)) * 256; };
    for (int x : {400, 600, 799}) {
      const auto p = SkaitytiPikseli(x, 300);
      EXPECT_NEAR(std::floor(SKaire(x)), p[0], 1) << "x " << x << " flags " << a.baigta << a.laimeta;
      EXPECT_EQ(0, p[1]);
    }
    EXPECT_EQ(SkaitytiPikseli(600, 2)[0], SkaitytiPikseli(600, 597)[0]) << "the picture spans the full height";
  }
}

TEST_F(MainMenu, SelectedItemIsTintedRedAndLaterItemsOverlapEarlierOnes) {
  JuostuTekstura();
  for (int32_t pasirinkta = 0; pasirinkta < 3; ++pasirinkta) {
    meniu.pasirinkimas = pasirinkta;
    Piesti();
    const int centrai[3] = {400, 300, 200};
    const int juostos[3] = {250, 200, 150};
    for (int i = 0; i < 3; ++i) {
      const int g = i == pasirinkta ? 0 : juostos[i];
      EXPECT_PIKSELIS(200, centrai[i], juostos[i], g, g);
    }
    // Item 1 lies over the lower 40 units of item 0, item 2 over those of item 1.
    EXPECT_EQ(juostos[1], SkaitytiPikseli(100, 350)[0]);
    EXPECT_EQ(juostos[2], SkaitytiPikseli(100, 250)[0]);
    // Items span x 0..400 and y 130..470; the unused band never shows.
    EXPECT_PIKSELIS(200, 127, 0, 0, 0);
    EXPECT_PIKSELIS(200, 473, 0, 0, 0);
    EXPECT_EQ(juostos[2], SkaitytiPikseli(1, 140)[0]);
  }
  GLfloat spalva[4];
  glGetFloatv(GL_CURRENT_COLOR, spalva);
  EXPECT_EQ(1.0f, spalva[0]);
  EXPECT_EQ(1.0f, spalva[1]);
  EXPECT_EQ(1.0f, spalva[2]);
}

TEST_F(MainMenu, EachItemSpansItsWholeQuarterOfTheItemPicture) {
  // 256 texel rows, row j with red j: the red drawn tells the t read. Item i shows t from
  // (3 - i) / 4 at its bottom edge to (4 - i) / 4 at its top edge, over 140 units.
  std::vector<unsigned char> t;
  for (int j = 0; j < 256; ++j) t.insert(t.end(), {static_cast<unsigned char>(j), 0, 0, 255});
  meniu.punktuTekstura = Tekstura(1, 256, t);
  meniu.pasirinkimas = 1;  // tinted red: the red channel is the texture's all the same
  Piesti();
  const struct {
    int punktas, y;
  } taskai[] = {{0, 372}, {0, 420}, {0, 468}, {1, 272}, {1, 320}, {1, 368}, {2, 131}, {2, 200}, {2, 268}};
  for (const auto& a : taskai) {
    const int apacia = 400 - 100 * a.punktas - 70;
    const double tt = (3 - a.punktas) * 0.25 + (a.y + 0.5 - apacia) / 140.0 * 0.25;
    EXPECT_NEAR(std::floor(tt * 256), SkaitytiPikseli(200, a.y)[0], 1) << "item " << a.punktas << " at y " << a.y;
  }
}

TEST_F(MainMenu, ArrowsAndEnterThroughTheStateMachine) {
  busena = BUSENA_MENIU;
  ZaistiKadra({"Up"});
  EXPECT_EQ(2, meniu.pasirinkimas);
  ZaistiKadra();  // held: no further move
  EXPECT_EQ(2, meniu.pasirinkimas);
  ZaistiKadra({}, {"Up"});
  ZaistiKadra({"Down"});
  EXPECT_EQ(0, meniu.pasirinkimas);
  ZaistiKadra({}, {"Down"});
  ZaistiKadra({"Down"});
  EXPECT_EQ(1, meniu.pasirinkimas);
  ZaistiKadra({}, {"Down"});
  ZaistiKadra({"Down"});
  ZaistiKadra({"Return"});
  EXPECT_EQ(BUSENA_ISEITI, busena);
  EXPECT_TRUE(baigti);
  // The frame of the choice is still drawn: only the (hidden) overlay, so black.
  EXPECT_PIKSELIS(200, 300, 0, 0, 0);
}

TEST_F(MainMenu, HeldJoystickAxisMovesEveryFrame) {
  KVairalazde v;
  dabartineVairalazde = &v;
  busena = BUSENA_MENIU;
  v.asys[1] = 0.8f;
  const int32_t tikimasi[] = {1, 2, 0, 1};
  for (int32_t t : tikimasi) {
    ZaistiKadra();
    EXPECT_EQ(t, meniu.pasirinkimas);
  }
  v.asys[1] = -0.6f;
  ZaistiKadra();
  EXPECT_EQ(0, meniu.pasirinkimas);
  v.asys[1] = 0.5f;  // at the threshold: no move
  ZaistiKadra();
  EXPECT_EQ(0, meniu.pasirinkimas);
}

TEST_F(MainMenu, BattleOutcomeChoosesThePictureAndEscapeKeepsTheFlags) {
  PaveiksloTekstura();
  meniu.baigta = true;
  meniu.laimeta = true;
  busena = BUSENA_MENIU;
  meniu.pasirinkimas = 0;
  ZaistiKadra({"Return"});
  ASSERT_EQ(BUSENA_MUSIS, busena);
  EXPECT_FALSE(meniu.baigta);
  EXPECT_FALSE(meniu.laimeta);
  ZaistiKadra({}, {"Return"});
  ZaistiKadra({"Escape"});
  ASSERT_EQ(BUSENA_MENIU, busena);
  ZaistiKadra();
  EXPECT_EQ(0, meniu.pasirinkimas) << "the menu comes back on the item last chosen";
  EXPECT_NEAR(43, SkaitytiPikseli(600, 300)[0], 1) << "after Escape: the first picture";
}

// The click is heard once however fast the selection moves: rendered through
// OpenAL Soft's loopback device from the generated sample.
TEST_F(MainMenu, ClickSoundsOnceForQuickMovesAndAgainAfterItEnds) {
  Kilpa kilpa;
  ASSERT_TRUE(kilpa.Veikia());
  const std::string spaud = std::string(TANKAI_BINARY_DIR) + "/duomenys/spaud.wav";
  garsai.UzkrautiGarsa(spaud.c_str());
  ASSERT_NE(0u, garsai.Rasti("spaud.wav"));
  {
    KMeniu m;
    m.Sukurti();
    ASSERT_TRUE(m.spragtelejimas.sukurtas);
    std::vector<float> garsas;
    const int kadras = Kilpa::DAZNIS / 60;
    m.Perjungti(+1);
    m.Piesti();
    kilpa.Generuoti(kadras, garsas);
    m.Perjungti(+1);
    m.Piesti();
    kilpa.Generuoti(kadras, garsas);
    EXPECT_EQ(2, m.pasirinkimas) << "the selection moves even when the click does not restart";
    for (int i = 0; i < 20; ++i) {
      m.Piesti();
      kilpa.Generuoti(kadras, garsas);
    }
    auto ruozai = GarsoRuozai(garsas, 0.01f, 400);
    ASSERT_EQ(1u, ruozai.size());
    EXPECT_LT(ruozai[0].ilgis, static_cast<size_t>(Kilpa::DAZNIS / 10)) << "a short click";
    EXPECT_FALSE(m.spragtelejimas.groja);

    m.Perjungti(-1);
    for (int i = 0; i < 20; ++i) {
      m.Piesti();
      kilpa.Generuoti(kadras, garsas);
    }
    EXPECT_EQ(2u, GarsoRuozai(garsas, 0.01f, 400).size());
    EXPECT_EQ(1, m.pasirinkimas);
  }
  garsai.Atlaisvinti();
}
