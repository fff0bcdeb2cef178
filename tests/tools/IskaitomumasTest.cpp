// The battle readable without colour vision, measured on the generated pictures: the
// two armies, and walls against ground, differ in lightness and not only in hue under
// every simulated view; the marker's flash and the shell stand out on ground and walls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/ZaidimoSkaiciai.h"
#include "tests/common/Regejimas.h"
#include "tests/tools/DuomenuVaizdas.h"

namespace {

constexpr double ARMIJU_DE = 20, ARMIJU_DL = 15;
constexpr double SIENU_DE = 12, SIENU_DL = 10;
// The flash and the shell must stand out at least as the armies do from each other.
constexpr double BLYKSNIO_DE = 20, BLYKSNIO_DL = 15;

// The sheet's ranges as the tank's quads sample them: core/ZaidimoSkaiciai.h.

// Texel columns whose centres lie in the texture range s0..s1.
bool Stulpelyje(int x, int plotis, double s0, double s1) {
  const double s = (x + 0.5) / plotis;
  return s >= s0 && s <= s1;
}

// Mean colour of the columns s0..s1, weighted by alpha.
KVidurkis Sritis(const DuomenuVaizdas& v, double s0, double s1) {
  KVidurkis m;
  for (int y = 0; y < v.tga.aukstis; ++y)
    for (int x = 0; x < v.tga.plotis; ++x) {
      if (!Stulpelyje(x, v.tga.plotis, s0, s1)) continue;
      const unsigned char* p = v.P(x, y);
      m.Prideti(p[2], p[1], p[0], v.A(x, y) / 255.0);
    }
  return m;
}

// Columns s0..s1 of `virsus` drawn over the tiled background as blending does it (on the
// stored values, rounded to bytes) into `su`, the bare background under them into `be`;
// both weighted by the drawn picture's alpha, so its faint fringe counts little.
void Uzdeti(const DuomenuVaizdas& virsus, double s0, double s1, const DuomenuVaizdas& fonas, KVidurkis& su,
            KVidurkis& be) {
  for (int y = 0; y < virsus.tga.aukstis; ++y)
    for (int x = 0; x < virsus.tga.plotis; ++x) {
      if (!Stulpelyje(x, virsus.tga.plotis, s0, s1)) continue;
      const double a = virsus.A(x, y) / 255.0;
      const unsigned char* f = virsus.P(x, y);
      const unsigned char* g = fonas.P(x % fonas.tga.plotis, y % fonas.tga.aukstis);
      unsigned char c[3];
      for (int k = 0; k < 3; ++k) c[k] = static_cast<unsigned char>(f[k] * a + g[k] * (1 - a) + 0.5);
      su.Prideti(c[2], c[1], c[0], a);
      be.Prideti(g[2], g[1], g[0], a);
    }
}

// Texels where the drawing has an edge: where lightness (L* over black, so the outline
// of the shape counts too) changes by more than 10 across the texel.
std::vector<bool> Krastai(const DuomenuVaizdas& v, int x0, int x1) {
  const int w = v.tga.plotis, h = v.tga.aukstis;
  std::vector<double> l(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = x0; x < x1; ++x) {
      const unsigned char* p = v.P(x, y);
      l[static_cast<size_t>(y) * w + x] = ILab(IsBaitu(p[2], p[1], p[0])).L * v.A(x, y) / 255.0;
    }
  std::vector<bool> k(l.size());
  for (int y = 1; y + 1 < h; ++y)
    for (int x = x0 + 1; x + 1 < x1; ++x) {
      const size_t i = static_cast<size_t>(y) * w + x;
      k[i] = std::hypot(l[i + 1] - l[i - 1], l[i + w] - l[i - w]) > 10;
    }
  return k;
}

// How alike two pictures are in their drawing, colours aside: the share of each one's
// edges that the other has within a texel, averaged both ways. A recoloured copy of
// one drawing comes near 1.
double PiesinioPanasumas(const DuomenuVaizdas& a, const DuomenuVaizdas& b, double s0, double s1) {
  const int w = a.tga.plotis, h = a.tga.aukstis;
  const int x0 = static_cast<int>(std::ceil(s0 * w - 0.5)), x1 = static_cast<int>(std::ceil(s1 * w - 0.5));
  const std::vector<bool> ka = Krastai(a, x0, x1), kb = Krastai(b, x0, x1);
  auto Dalis = [&](const std::vector<bool>& p, const std::vector<bool>& q) {
    int visi = 0, bendri = 0;
    for (int y = 1; y + 1 < h; ++y)
      for (int x = x0 + 1; x + 1 < x1; ++x) {
        if (!p[static_cast<size_t>(y) * w + x]) continue;
        ++visi;
        bool yra = false;
        for (int dy = -1; dy <= 1 && !yra; ++dy)
          for (int dx = -1; dx <= 1 && !yra; ++dx) yra = q[static_cast<size_t>(y + dy) * w + x + dx];
        bendri += yra;
      }
    return visi ? static_cast<double>(bendri) / visi : 1.0;
  };
  return (Dalis(ka, kb) + Dalis(kb, ka)) / 2;
}

// Prints the figures of every view and expects the limits in the four checked ones.
void TikrintiVaizdus(const std::string& ko, const KVidurkis& x, const KVidurkis& y, double minDE, double minDL) {
  std::printf("%s", Lentele(ko.c_str(), x, y, minDE, minDL).c_str());
  ASSERT_GT(x.svoris, 0) << ko;
  ASSERT_GT(y.svoris, 0) << ko;
  for (int v = IPRASTAS + 1; v < VAIZDU_SKAICIUS; ++v) {
    const Skirtumas s = Palyginti(x, y, v);
    EXPECT_GE(s.dE, minDE) << ko << ", " << VaizdoPavadinimas(v);
    EXPECT_GE(s.dL, minDL) << ko << ", " << VaizdoPavadinimas(v);
  }
}

}  // namespace

TEST(Readability, ArmyHullsDifferInLightnessInEveryView) {
  DuomenuVaizdas lt("LT.tga"), ru("RU.tga");
  TikrintiVaizdus("LT hull vs RU hull", Sritis(lt, KORPUSO_S0, KORPUSO_S1), Sritis(ru, KORPUSO_S0, KORPUSO_S1),
                  ARMIJU_DE, ARMIJU_DL);
}

// Not one drawing in two colours: hulls and turrets differ in what is drawn where
// (skirts or bare tracks, a dark chevron or pale bands, round or angular turrets).
TEST(Readability, ArmiesDifferInShapeNotOnlyInColour) {
  DuomenuVaizdas lt("LT.tga"), ru("RU.tga");
  const double korpusas = PiesinioPanasumas(lt, ru, KORPUSO_S0, KORPUSO_S1);
  const double bokstelis = PiesinioPanasumas(lt, ru, BOKSTELIO_S0, BOKSTELIO_S1);
  std::printf("edges the two drawings share: hulls %.2f, turrets %.2f (same drawing: 1)\n", korpusas, bokstelis);
  EXPECT_LT(korpusas, 0.75);
  EXPECT_LT(bokstelis, 0.75);
  // The measure itself: a drawing is fully like itself.
  EXPECT_NEAR(1.0, PiesinioPanasumas(lt, lt, KORPUSO_S0, KORPUSO_S1), 1e-9);
}

TEST(Readability, WallAndGroundDifferInLightnessInEveryView) {
  DuomenuVaizdas zeme("zeme.tga"), siena("siena.tga");
  TikrintiVaizdus("ground vs wall", Sritis(zeme, 0, 1), Sritis(siena, 0, 1), SIENU_DE, SIENU_DL);
}

TEST(Readability, MarkerFlashStandsOutOnGroundAndWalls) {
  DuomenuVaizdas rodykle("rodykle.tga");
  for (const char* fonas : {"zeme.tga", "siena.tga"}) {
    DuomenuVaizdas f(fonas);
    KVidurkis su, be;
    Uzdeti(rodykle, 0, 1, f, su, be);
    TikrintiVaizdus(std::string("flash on ") + fonas, su, be, BLYKSNIO_DE, BLYKSNIO_DL);
  }
}

TEST(Readability, ShellStandsOutOnGroundAndWalls) {
  for (const char* lapas : {"LT.tga", "RU.tga"}) {
    DuomenuVaizdas l(lapas);
    for (const char* fonas : {"zeme.tga", "siena.tga"}) {
      DuomenuVaizdas f(fonas);
      KVidurkis su, be;
      Uzdeti(l, SOVINIO_S0, SOVINIO_S1, f, su, be);
      TikrintiVaizdus(std::string(lapas) + " shell on " + fonas, su, be, BLYKSNIO_DE, BLYKSNIO_DL);
    }
  }
}

// Neither army may melt into the ground it drives on: the light one stays lighter
// than the ground, the dark one darker, by as much as walls differ from ground.
TEST(Readability, EachArmyStandsOutOnTheGround) {
  DuomenuVaizdas zeme("zeme.tga");
  const KVidurkis fonas = Sritis(zeme, 0, 1);
  for (const char* lapas : {"LT.tga", "RU.tga"}) {
    DuomenuVaizdas l(lapas);
    TikrintiVaizdus(std::string(lapas) + " hull vs ground", Sritis(l, KORPUSO_S0, KORPUSO_S1), fonas, SIENU_DE,
                    SIENU_DL);
  }
}
