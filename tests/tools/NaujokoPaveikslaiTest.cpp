// The pictures a new player is helped by: every piece of a sheet inside the cell the game
// draws it from, and the help pictures that differ from the old one only in how they say
// they close.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/ZaidimoSkaiciai.h"
#include "tests/tools/DuomenuVaizdas.h"

namespace {

// Pixels of a box whose alpha is above the given value.
int Matomi(const DuomenuVaizdas& v, int x0, int y0, int x1, int y1, int virs = 0) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += v.A(x, y) > virs;
  return n;
}

// The cells of one row, [x0, x1) each: clear at every edge they share (a texel either side,
// which filtering reads), holding something inside.
void Langeliai(const DuomenuVaizdas& v, const std::vector<std::pair<int, int>>& langeliai, int y0, int y1,
               const char* kas) {
  for (const auto& [x0, x1] : langeliai) {
    EXPECT_EQ(0, Matomi(v, x0, y0, x0 + 1, y1)) << kas << ": left edge of the cell at " << x0;
    EXPECT_EQ(0, Matomi(v, x1 - 1, y0, x1, y1)) << kas << ": right edge of the cell at " << x0;
    EXPECT_GT(Matomi(v, x0, y0, x1, y1, 20), 40) << kas << ": the cell at " << x0 << " is empty";
  }
}

}  // namespace

TEST(NewPlayerPictures, EverySheetPieceLiesInsideItsCell) {
  DuomenuVaizdas juosta("juosta.tga");
  ASSERT_EQ(JUOSTOS_PLOTIS, juosta.tga.plotis);
  ASSERT_EQ(JUOSTOS_AUKSTIS, juosta.tga.aukstis);
  std::vector<std::pair<int, int>> zodziai, apacia;
  for (int i = 0; i < JUOSTOS_ZODZIU; ++i) zodziai.push_back({i * JUOSTOS_ZODZIO_PLOTIS, (i + 1) * JUOSTOS_ZODZIO_PLOTIS});
  for (int i = 0; i < 10; ++i) apacia.push_back({i * SKAITMENS_PLOTIS, (i + 1) * SKAITMENS_PLOTIS});
  for (int z = 0; z < 2; ++z) apacia.push_back({ZENKLO_X + z * ZENKLO_PLOTIS, ZENKLO_X + (z + 1) * ZENKLO_PLOTIS});
  Langeliai(juosta, zodziai, JUOSTOS_EILUTE, JUOSTOS_AUKSTIS, "a word");
  Langeliai(juosta, apacia, 0, JUOSTOS_EILUTE, "a digit or sign");
  // Nothing crosses between the rows.
  EXPECT_EQ(0, Matomi(juosta, 0, JUOSTOS_EILUTE - 1, JUOSTOS_PLOTIS, JUOSTOS_EILUTE + 1));
  DuomenuVaizdas blyksniai("blyksniai.tga");
  ASSERT_EQ(BLYKSNIU_KADRAI * BLYKSNIO_KADRAS, blyksniai.tga.plotis);
  std::vector<std::pair<int, int>> kadrai;
  for (int k = 0; k < BLYKSNIU_KADRAI; ++k) kadrai.push_back({k * BLYKSNIO_KADRAS, (k + 1) * BLYKSNIO_KADRAS});
  Langeliai(blyksniai, kadrai, 0, BLYKSNIO_KADRAS, "a flash frame");
}

TEST(NewPlayerPictures, EachHelpDiffersFromTheOldOnlyInHowItCloses) {
  DuomenuVaizdas senas("pagalba.tga");
  const int w = senas.tga.plotis;
  // The closing line sits in the lowest 30 of the 400 units.
  const int riba = w * 30 / 400;
  for (const char* failas : {"pagalbosPuslapis.tga", "pagalbaF1.tga"}) {
    DuomenuVaizdas v(failas);
    ASSERT_EQ(w, v.tga.plotis);
    int virsuje = 0, apacioje = 0;
    for (int y = 0; y < w; ++y)
      for (int x = 0; x < w; ++x) (y < riba ? apacioje : virsuje) += std::memcmp(v.P(x, y), senas.P(x, y), 4) != 0;
    EXPECT_EQ(0, virsuje) << failas << ": the lines above the last are the old ones";
    EXPECT_GT(apacioje, 100) << failas << ": its last line is its own";
  }
  DuomenuVaizdas puslapis("pagalbosPuslapis.tga"), f1("pagalbaF1.tga");
  EXPECT_NE(0, std::memcmp(puslapis.tga.pikseliai, f1.tga.pikseliai, puslapis.tga.dydis));
}
