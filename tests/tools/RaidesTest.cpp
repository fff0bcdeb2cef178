// The generator's text: a text wider than its box, or with a letter the font lacks,
// is an error the generator fails on, in every language's pictures.
#include <gtest/gtest.h>

#include "KRaides.h"

namespace {

TEST(PictureText, ATextMustFitItsBoxAndTheFontMustHaveEveryLetter) {
  KRaides raides;
  ASSERT_TRUE(raides.Atidaryti("DejaVu Sans:style=Book", "DejaVu Sans"));
  KDrobe d(512, 64);
  const KSritis sr{0, 0, 512, 64, 512, 64};
  const Spalva s = SpalvaRgb(1, 1, 1);
  const double storis = 1.5;
  // The box a text fills exactly: its width and the rim either side.
  auto Lygiai = [&](const char* t) { return raides.Plotis(sr, t, 20) + 2 * storis; };
  struct Atvejis {
    const char* tekstas;
    double riba;
    int klaidu;
  } atvejai[] = {
      {"Pagalba", 500, 0},
      {"Žąsų ūkis, schießen, zurück", 500, 0},  // Lithuanian and German letters
      {"Pagalba", Lygiai("Pagalba"), 0},
      {"Pagalba", Lygiai("Pagalba") - 0.01, 1},
      {"Pagalba", 20, 1},
      {"戦車", 500, 2},            // two letters DejaVu Sans does not have
      {"Tank \xF0\x9F\x9A\x80", 500, 1},  // a rocket, neither
      {nullptr, 500, 1},
  };
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(a.tekstas ? a.tekstas : "(none)");
    raides.klaidos = 0;
    raides.RasytiSuKonturu(d, sr, a.tekstas, 5, 20, 20, s, s, s, storis, 0.0, a.riba);
    EXPECT_EQ(a.klaidu, raides.klaidos);
  }
  // The text is drawn all the same: the whole picture comes out, the build fails.
  int pazymeta = 0;
  for (const Spalva& t : d.taskai) pazymeta += t.a > 0;
  EXPECT_GT(pazymeta, 100);
}

}  // namespace
