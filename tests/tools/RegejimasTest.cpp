// The colour measure itself, against published reference values, so that the pictures'
// and the screenshots' figures can be trusted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/common/Regejimas.h"

namespace {

void TiesineArti(const Tiesine& c, double r, double g, double b) {
  EXPECT_NEAR(r, c.r, 1e-6);
  EXPECT_NEAR(g, c.g, 1e-6);
  EXPECT_NEAR(b, c.b, 1e-6);
}

KVidurkis Viena(uint8_t r, uint8_t g, uint8_t b) {
  KVidurkis m;
  m.Prideti(r, g, b, 1);
  return m;
}

}  // namespace

TEST(ColourMeasure, SrgbTransferBothWays) {
  EXPECT_DOUBLE_EQ(0.0, Tiesinti(0));
  EXPECT_NEAR(1.0, Tiesinti(1), 1e-12);
  EXPECT_NEAR(0.2140411, Tiesinti(0.5), 1e-6);
  EXPECT_NEAR(0.0030960, Tiesinti(0.04), 1e-6);  // the straight segment near black
  // (The two published thresholds, 0.04045 and 0.0031308, meet only to 1e-7.)
  for (double c : {0.0, 0.02, 0.04045, 0.3, 0.75, 1.0}) EXPECT_NEAR(c, Koduoti(Tiesinti(c)), 1e-7) << c;
  EXPECT_DOUBLE_EQ(1.0, Koduoti(1.7));
  EXPECT_DOUBLE_EQ(0.0, Koduoti(-0.2));
}

TEST(ColourMeasure, CielabOfSrgbPrimariesAndGreys) {
  // Reference values for sRGB under D65.
  const Lab r = ILab(IsBaitu(255, 0, 0));
  EXPECT_NEAR(53.2408, r.L, 0.01);
  EXPECT_NEAR(80.0925, r.a, 0.02);
  EXPECT_NEAR(67.2032, r.b, 0.02);
  const Lab b = ILab(IsBaitu(0, 0, 255));
  EXPECT_NEAR(32.2970, b.L, 0.01);
  EXPECT_NEAR(79.1875, b.a, 0.02);
  EXPECT_NEAR(-107.8602, b.b, 0.02);
  const Lab g = ILab(IsBaitu(0, 255, 0));
  EXPECT_NEAR(87.7347, g.L, 0.01);
  EXPECT_NEAR(-86.1827, g.a, 0.02);
  EXPECT_NEAR(83.1793, g.b, 0.02);
  const Lab w = ILab(IsBaitu(255, 255, 255));
  EXPECT_NEAR(100, w.L, 1e-6);
  EXPECT_NEAR(0, w.a, 1e-6);
  EXPECT_NEAR(0, w.b, 1e-6);
  // Very dark greys take the straight part of the curve.
  EXPECT_NEAR(0.2742, ILab(IsBaitu(1, 1, 1)).L, 0.001);
  EXPECT_NEAR(53.5850, ILab(IsBaitu(128, 128, 128)).L, 0.01);
  EXPECT_NEAR(100, DeltaE(ILab(IsBaitu(0, 0, 0)), w), 1e-6);
  EXPECT_NEAR(5, DeltaE(Lab{50, 3, 0}, Lab{50, 0, 4}), 1e-12);
}

TEST(ColourMeasure, DichromacyMatricesAtFullSeverity) {
  // Each primary gives its column of the matrix, clamped to what a screen shows.
  TiesineArti(Matyti(Tiesine{1, 0, 0}, DEUTERANOPIJA), 0.367322, 0.280085, 0);
  TiesineArti(Matyti(Tiesine{0, 1, 0}, DEUTERANOPIJA), 0.860646, 0.672501, 0.042940);
  TiesineArti(Matyti(Tiesine{0, 0, 1}, DEUTERANOPIJA), 0, 0.047413, 0.968881);
  TiesineArti(Matyti(Tiesine{1, 0, 0}, PROTANOPIJA), 0.152286, 0.114503, 0);
  TiesineArti(Matyti(Tiesine{0, 1, 0}, PROTANOPIJA), 1, 0.786281, 0);
  TiesineArti(Matyti(Tiesine{0, 0, 1}, PROTANOPIJA), 0, 0.099216, 1);
  TiesineArti(Matyti(Tiesine{1, 0, 0}, TRITANOPIJA), 1, 0, 0.004733);
  TiesineArti(Matyti(Tiesine{0, 1, 0}, TRITANOPIJA), 0, 0.930809, 0.691367);
  TiesineArti(Matyti(Tiesine{0, 0, 1}, TRITANOPIJA), 0, 0.147602, 0.303900);
  TiesineArti(Matyti(Tiesine{0.2, 0.5, 0.7}, IPRASTAS), 0.2, 0.5, 0.7);
  // White stays white in every view; greyscale keeps lightness and drops the hue.
  for (int v = 0; v < VAIZDU_SKAICIUS; ++v) EXPECT_NEAR(100, ILab(Matyti(Tiesine{1, 1, 1}, v)).L, 0.01) << v;
  const Tiesine c = IsBaitu(200, 60, 30);
  const Lab pilka = ILab(Matyti(c, PILKAS));
  EXPECT_NEAR(ILab(c).L, pilka.L, 1e-5);
  EXPECT_NEAR(0, pilka.a, 1e-6);
  EXPECT_NEAR(0, pilka.b, 1e-6);
}

TEST(ColourMeasure, MeanIsWeightedAndTakenInLinearLight) {
  KVidurkis m;
  m.Prideti(255, 255, 255, 1);
  m.Prideti(0, 0, 0, 1);
  m.Prideti(10, 200, 30, 0);  // no weight, no effect
  EXPECT_DOUBLE_EQ(2, m.svoris);
  EXPECT_NEAR(76.0693, m.Spalva(IPRASTAS).L, 0.001);  // linear 0.5, not sRGB 0.5
  m.Prideti(255, 255, 255, 2);
  EXPECT_NEAR(89.3930, m.Spalva(PILKAS).L, 0.001);  // linear 0.75
  // Each pixel is seen through the view before averaging: full green, clamped under
  // protanopia, then mixed with black.
  KVidurkis z;
  z.Prideti(0, 255, 0, 1);
  z.Prideti(0, 0, 0, 3);
  EXPECT_NEAR(ILab(Tiesine{0.25, 0.786281 / 4, 0}).L, z.Spalva(PROTANOPIJA).L, 1e-9);
  EXPECT_NEAR(0, KVidurkis{}.Spalva(IPRASTAS).L, 1e-12);
}

TEST(ColourMeasure, RedAndGreenOfEqualLightnessFailTheCheckWhiteAndBlackPass) {
  // The armies' old hues: far apart in normal vision, together without red-green vision.
  const KVidurkis raudona = Viena(158, 41, 31), zalia = Viena(92, 128, 56);
  EXPECT_GT(Palyginti(raudona, zalia, IPRASTAS).dE, 40);
  EXPECT_LT(Palyginti(raudona, zalia, DEUTERANOPIJA).dE, 12);
  EXPECT_FALSE(VisiVaizdaiSkiriasi(raudona, zalia, 20, 15));
  const KVidurkis balta = Viena(230, 230, 230), juoda = Viena(20, 20, 20);
  EXPECT_TRUE(VisiVaizdaiSkiriasi(balta, juoda, 20, 15));
  EXPECT_NEAR(Palyginti(balta, juoda, PILKAS).dL, Palyginti(juoda, balta, PILKAS).dL, 1e-12);
  EXPECT_GT(Palyginti(juoda, balta, PILKAS).dL, 0);
  // Hue alone is not enough: normal vision is left out of the check.
  const KVidurkis melyna = Viena(40, 60, 200), geltona = Viena(120, 120, 20);
  EXPECT_GT(Palyginti(melyna, geltona, IPRASTAS).dE, 20);
  EXPECT_FALSE(VisiVaizdaiSkiriasi(melyna, geltona, 20, 15));
  // Just at a limit passes, just under it does not; the weakest view decides.
  double dL = 1000;
  for (int v = IPRASTAS + 1; v < VAIZDU_SKAICIUS; ++v) dL = std::min(dL, Palyginti(balta, juoda, v).dL);
  EXPECT_TRUE(VisiVaizdaiSkiriasi(balta, juoda, 20, dL - 1e-6));
  EXPECT_FALSE(VisiVaizdaiSkiriasi(balta, juoda, 20, dL + 1e-6));
  EXPECT_FALSE(VisiVaizdaiSkiriasi(balta, KVidurkis{}, 0, 0)) << "nothing measured is no pass";
}

TEST(ColourMeasure, TableNamesEveryViewAndMarksShortfalls) {
  const KVidurkis raudona = Viena(158, 41, 31), zalia = Viena(92, 128, 56);
  const std::string t = Lentele("armies", raudona, zalia, 20, 15);
  for (int v = 0; v < VAIZDU_SKAICIUS; ++v) EXPECT_NE(std::string::npos, t.find(VaizdoPavadinimas(v))) << t;
  EXPECT_NE(std::string::npos, t.find("deuteranopia dE")) << t;
  EXPECT_NE(std::string::npos, t.find("FAIL")) << t;
  const std::string normali = t.substr(t.find("normal"), t.find('\n', t.find("normal")) - t.find("normal"));
  EXPECT_EQ(std::string::npos, normali.find("FAIL")) << "normal vision is shown, not judged: " << normali;
  EXPECT_EQ(std::string::npos, Lentele("b/w", Viena(230, 230, 230), Viena(20, 20, 20), 20, 15).find("FAIL"));
}
