// The generated pictures as the game draws them: the menu's white letters take the
// selection's red, the outcome pictures differ, the help lies over the battle.
#include <cstdlib>
#include <string>

#include "tests/ui/EkranuAplinka.h"

namespace {

class GeneratedPicturesDrawn : public EkranuTestas {
 protected:
  static void SetUpTestSuite() {
    UztikrintiGlKonteksta();
    teksturos.UzkrautiAplanka((std::string(TANKAI_BINARY_DIR) + "/duomenys/").c_str());
  }
  void SetUp() override {
    EkranuTestas::SetUp();
    meniu.punktuTekstura = teksturos.Gauti("meniu.tga");
    meniu.paveiksloTekstura = teksturos.Gauti("meniuPav.tga");
    ASSERT_NE(0u, meniu.punktuTekstura);
    ASSERT_NE(0u, meniu.paveiksloTekstura);
  }

  struct Spalvos {
    int baltu = 0, raudonu = 0;
  };
  // Counts white and pure red pixels in the rows y0..y1 of the left half.
  static Spalvos Skaiciuoti(int y0, int y1) {
    const auto p = SkaitytiPikselius(0, y0, 400, y1 - y0);
    Spalvos s;
    for (size_t i = 0; i < p.size(); i += 4) {
      s.baltu += p[i] > 200 && p[i + 1] > 200 && p[i + 2] > 200;
      s.raudonu += p[i] > 200 && p[i + 1] < 50 && p[i + 2] < 50;
    }
    return s;
  }
};

}  // namespace

TEST_F(GeneratedPicturesDrawn, SelectedMenuItemReadsRedTheOthersWhite) {
  busena = BUSENA_MENIU;
  // Each item's own rows, clear of the 40 units its neighbours overlap.
  const int nuo[3] = {370, 270, 170}, iki[3] = {430, 330, 230};
  for (int32_t pasirinkta = 0; pasirinkta < 3; ++pasirinkta) {
    meniu.pasirinkimas = pasirinkta;
    ZaistiKadra();
    for (int i = 0; i < 3; ++i) {
      const Spalvos s = Skaiciuoti(nuo[i], iki[i]);
      if (i == pasirinkta) {
        EXPECT_EQ(0, s.baltu) << "item " << i;
        EXPECT_GT(s.raudonu, 200) << "item " << i;
      } else {
        EXPECT_GT(s.baltu, 200) << "item " << i;
        EXPECT_EQ(0, s.raudonu) << "item " << i;
      }
    }
  }
}

TEST_F(GeneratedPicturesDrawn, EachOutcomeShowsItsOwnPicture) {
  busena = BUSENA_MENIU;
  std::vector<unsigned char> vaizdai[3];
  const bool veliavos[3][2] = {{false, false}, {true, true}, {true, false}};
  for (int i = 0; i < 3; ++i) {
    meniu.baigta = veliavos[i][0];
    meniu.laimeta = veliavos[i][1];
    ZaistiKadra();
    vaizdai[i] = SkaitytiPikselius(400, 0, 400, 600);
    long suma = 0;
    for (size_t k = 0; k < vaizdai[i].size(); k += 4) suma += vaizdai[i][k] + vaizdai[i][k + 1] + vaizdai[i][k + 2];
    EXPECT_GT(suma / (400 * 600 * 3), 20) << "picture " << i << " is not black";
  }
  for (int a = 0; a < 3; ++a)
    for (int b = a + 1; b < 3; ++b) {
      long skirtumas = 0;
      for (size_t k = 0; k < vaizdai[a].size(); ++k) skirtumas += std::abs(vaizdai[a][k] - vaizdai[b][k]);
      EXPECT_GT(skirtumas / static_cast<long>(vaizdai[a].size()), 15) << "pictures " << a << " and " << b;
    }
}
