#include "ui/KPagalba.h"

#include <cmath>

#include "tests/ui/EkranuAplinka.h"

namespace {

class HelpScreen : public EkranuTestas {
 protected:
  // Draws the overlay once over black and returns the centre's brightness.
  static int Piesti() {
    Fonas();
    pagalba.Piesti();
    return SkaitytiPikseli(400, 300)[0];
  }
};

}  // namespace

TEST_F(HelpScreen, FadesInAndOutAtThreeUnitsASecond) {
  struct Zingsnis {
    bool rodoma;
    float alfa;
  };
  const Zingsnis eiga[] = {{true, 0.3f},  {true, 0.6f},  {true, 0.9f},  {true, 1.0f}, {true, 1.0f},
                           {false, 0.7f}, {false, 0.4f}, {false, 0.1f}, {false, 0.0f}, {false, 0.0f}};
  laikmatis.KadroLaikas = 0.1f;
  for (const Zingsnis& z : eiga) {
    pagalba.Rodyti(z.rodoma);
    const int sviesumas = Piesti();
    EXPECT_NEAR(z.alfa, pagalba.alfa, 1e-5f);
    EXPECT_NEAR(std::lround(z.alfa * 255), sviesumas, 2);
  }
}

TEST_F(HelpScreen, NearlyTransparentIsSnappedToZeroAndNotDrawn) {
  pagalba.alfa = 0.35f;
  laikmatis.KadroLaikas = 0.11666f;  // leaves 0.00002
  EXPECT_EQ(0, Piesti());
  EXPECT_EQ(0.0f, pagalba.alfa);
  // A hidden overlay stays at zero: the fade never goes negative.
  EXPECT_EQ(0, Piesti());
  EXPECT_EQ(0.0f, pagalba.alfa);
}

TEST_F(HelpScreen, RodytiOnlySetsTheFlag) {
  pagalba.alfa = 0.5f;
  pagalba.Rodyti(true);
  EXPECT_TRUE(pagalba.rodoma);
  EXPECT_EQ(0.5f, pagalba.alfa);
  pagalba.Rodyti(false);
  EXPECT_FALSE(pagalba.rodoma);
}

TEST_F(HelpScreen, PictureCoversTheCentred400Square) {
  pagalba.tekstura = Tekstura(2, 2, {10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 255, 100, 110, 120, 255});
  pagalba.alfa = 1;
  pagalba.rodoma = true;
  Piesti();
  EXPECT_PIKSELIS(202, 102, 10, 20, 30);
  EXPECT_PIKSELIS(597, 102, 40, 50, 60);
  EXPECT_PIKSELIS(202, 497, 70, 80, 90);
  EXPECT_PIKSELIS(597, 497, 100, 110, 120);
  EXPECT_PIKSELIS(197, 300, 0, 0, 0);
  EXPECT_PIKSELIS(400, 503, 0, 0, 0);
}

TEST_F(HelpScreen, F1ShowsWhileHeldInEveryState) {
  for (int s : {BUSENA_INTRO, BUSENA_MENIU, BUSENA_PAGALBA, BUSENA_MUSIS, BUSENA_ISEITI}) {
    SetUp();
    if (s == BUSENA_MUSIS) PradetiMusi();
    busena = s;
    ZaistiKadra({"F1"});
    EXPECT_TRUE(pagalba.rodoma) << "state " << s;
    for (int i = 0; i < 4; ++i) ZaistiKadra();
    EXPECT_TRUE(pagalba.rodoma) << "state " << s;
    EXPECT_EQ(1.0f, pagalba.alfa) << "state " << s;
    // Drawn last, over whatever the state drew: the untextured overlay is white.
    EXPECT_PIKSELIS(300, 400, 255, 255, 255);
    ZaistiKadra({}, {"F1"});
    EXPECT_FALSE(pagalba.rodoma) << "state " << s;
    for (int i = 0; i < 4; ++i) ZaistiKadra();
    EXPECT_EQ(0.0f, pagalba.alfa) << "state " << s;
    EXPECT_EQ(s == BUSENA_INTRO ? BUSENA_INTRO : s, busena) << "F1 changes no state";
  }
}

TEST_F(HelpScreen, F1PressedAndReleasedInOneFrameShowsNothing) {
  busena = BUSENA_ISEITI;
  ZaistiKadra({"F1"}, {"F1"});
  EXPECT_FALSE(pagalba.rodoma);
  EXPECT_EQ(0.0f, pagalba.alfa);
  EXPECT_EQ(0, SkaitytiPikseli(400, 300)[0]);
}

TEST_F(HelpScreen, HelpStateFromTheMenuStaysUntilEnterEvenWhenF1HidesIt) {
  busena = BUSENA_MENIU;
  meniu.pasirinkimas = 1;
  ZaistiKadra({"Return"});
  EXPECT_EQ(BUSENA_PAGALBA, busena);
  EXPECT_TRUE(pagalba.rodoma);
  ZaistiKadra({}, {"Return"});
  for (int i = 0; i < 3; ++i) ZaistiKadra();
  // Nothing but the overlay: white in the middle, black around it.
  EXPECT_PIKSELIS(400, 300, 255, 255, 255);
  EXPECT_PIKSELIS(100, 300, 0, 0, 0);
  EXPECT_PIKSELIS(700, 300, 0, 0, 0);

  ZaistiKadra({"F1"});
  ZaistiKadra({}, {"F1"});
  EXPECT_FALSE(pagalba.rodoma);
  for (int i = 0; i < 4; ++i) ZaistiKadra();
  EXPECT_EQ(BUSENA_PAGALBA, busena);
  EXPECT_PIKSELIS(400, 300, 0, 0, 0);

  ZaistiKadra({"Return"});
  EXPECT_EQ(BUSENA_MENIU, busena);
  EXPECT_FALSE(pagalba.rodoma);
}
