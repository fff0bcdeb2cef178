#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "gfx/KBmp.h"
#include "tests/common/BmpSuite.h"
#include "tests/images/Vaizdai.h"

namespace {

const std::string kAplankas = BmpSuitesAplankas();

struct Irasas {
  const char* failas;
  const char* klaida;  // "" when the file loads
  int plotis = 0, aukstis = 0;
  // Bits of red, green, blue and alpha in the file. Channels are compared at that
  // precision: ImageMagick widens 5 and 6 bits to the full range but only shifts others.
  std::array<int, 4> bitai = {8, 8, 8, 8};
  bool alfa = true;  // compare alpha too
};

constexpr std::array<int, 4> k565 = {5, 6, 5, 8}, k555 = {5, 5, 5, 8};

// A channel value as a level of n bits; both full-range and shifted widenings give it.
int Lygis(int v, int n) { return n >= 8 ? v : (v << n) >> 8; }

// Largest level difference between two RGBA pictures; 256 when the sizes differ.
int LygiuSkirtumas(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b,
                   const std::array<int, 4>& bitai, bool alfa) {
  if (a.size() != b.size() || a.empty()) return 256;
  int d = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    const int k = static_cast<int>(i % 4);
    if (k == 3 && !alfa) continue;
    d = std::max(d, std::abs(Lygis(a[i], bitai[k]) - Lygis(b[i], bitai[k])));
  }
  return d;
}

const char* const kIndeksuotos = "naudojamos indeksuotos spalvos";
const char* const kSuspaudimas = "failas naudoja suspaudima";

// Every file of the suite: what the loader makes of it. Loaded files must match
// ImageMagick's decode of the same file.
const std::vector<Irasas> kLentele = {
    {"g/pal1.bmp", kIndeksuotos},
    {"g/pal1bg.bmp", kIndeksuotos},
    {"g/pal1wb.bmp", kIndeksuotos},
    {"g/pal4.bmp", kIndeksuotos},
    {"g/pal4gs.bmp", kIndeksuotos},
    {"g/pal4rle.bmp", kSuspaudimas},
    {"g/pal8-0.bmp", "", 127, 64},
    {"g/pal8.bmp", kIndeksuotos},
    {"g/pal8gs.bmp", kIndeksuotos},
    {"g/pal8nonsquare.bmp", kIndeksuotos},
    {"g/pal8os2.bmp", "netinkama antraste"},
    {"g/pal8rle.bmp", kSuspaudimas},
    {"g/pal8topdown.bmp", kIndeksuotos},
    {"g/pal8v4.bmp", kIndeksuotos},
    {"g/pal8v5.bmp", kIndeksuotos},
    {"g/pal8w124.bmp", kIndeksuotos},
    {"g/pal8w125.bmp", kIndeksuotos},
    {"g/pal8w126.bmp", kIndeksuotos},
    {"g/rgb16-565.bmp", "", 127, 64, k565},
    {"g/rgb16-565pal.bmp", "", 127, 64, k565},
    {"g/rgb16.bmp", "", 127, 64, k555},
    {"g/rgb16bfdef.bmp", "", 127, 64, k555},
    {"g/rgb24.bmp", "", 127, 64},
    {"g/rgb24pal.bmp", "", 127, 64},
    {"g/rgb32.bmp", "", 127, 64},
    {"g/rgb32bf.bmp", kSuspaudimas},
    {"g/rgb32bfdef.bmp", kSuspaudimas},
    {"q/pal1huffmsb.bmp", kSuspaudimas},
    {"q/pal1p1.bmp", kIndeksuotos},
    {"q/pal2.bmp", kIndeksuotos},
    {"q/pal2color.bmp", kIndeksuotos},
    {"q/pal4rlecut.bmp", kSuspaudimas},
    {"q/pal4rletrns.bmp", kSuspaudimas},
    {"q/pal8offs.bmp", kIndeksuotos},
    {"q/pal8os2-hs.bmp", "netinkama antraste"},
    {"q/pal8os2-sz.bmp", "netinkama antraste"},
    {"q/pal8os2sp.bmp", "netinkama antraste"},
    {"q/pal8os2v2-16.bmp", "netinkama antraste"},
    {"q/pal8os2v2-40sz.bmp", kIndeksuotos},
    {"q/pal8os2v2-sz.bmp", kIndeksuotos},
    {"q/pal8os2v2.bmp", kIndeksuotos},
    {"q/pal8oversizepal.bmp", kIndeksuotos},
    {"q/pal8rlecut.bmp", kSuspaudimas},
    {"q/pal8rletrns.bmp", kSuspaudimas},
    {"q/rgb16-231.bmp", "", 127, 64, {2, 3, 1, 8}},
    {"q/rgb16-3103.bmp", "", 127, 64, {3, 10, 3, 8}},
    // The unused top bit is set: still opaque.
    {"q/rgb16faketrns.bmp", "", 127, 64, k555, false},
    {"q/rgb24jpeg.bmp", kSuspaudimas},
    {"q/rgb24largepal.bmp", kIndeksuotos},
    {"q/rgb24lprof.bmp", "", 127, 64},
    {"q/rgb24png.bmp", kSuspaudimas},
    {"q/rgb24prof.bmp", "", 127, 64},
    {"q/rgb24prof2.bmp", "", 127, 64},
    {"q/rgb24rle24.bmp", kSuspaudimas},
    {"q/rgb32-111110.bmp", kSuspaudimas},
    {"q/rgb32-7187.bmp", kSuspaudimas},
    {"q/rgb32-xbgr.bmp", kSuspaudimas},
    // The fourth byte is taken as alpha where ImageMagick ignores it.
    {"q/rgb32fakealpha.bmp", "", 127, 64, {8, 8, 8, 8}, false},
    {"q/rgb32h52.bmp", kSuspaudimas},
    {"q/rgba16-1924.bmp", "", 127, 64, {1, 9, 2, 4}},
    {"q/rgba16-4444.bmp", "", 127, 64, {4, 4, 4, 4}},
    {"q/rgba16-5551.bmp", "", 127, 64, {5, 5, 5, 1}},
    {"q/rgba32-1.bmp", kSuspaudimas},
    {"q/rgba32-1010102.bmp", kSuspaudimas},
    {"q/rgba32-2.bmp", kSuspaudimas},
    {"q/rgba32-61754.bmp", kSuspaudimas},
    {"q/rgba32-81284.bmp", kSuspaudimas},
    {"q/rgba32abf.bmp", kSuspaudimas},
    {"q/rgba32h56.bmp", kSuspaudimas},
    {"q/rgba64.bmp", "Netinkamas bpp"},
    {"b/badbitcount.bmp", kIndeksuotos},
    {"b/badbitssize.bmp", kIndeksuotos},
    {"b/baddens1.bmp", kIndeksuotos},
    {"b/baddens2.bmp", kIndeksuotos},
    {"b/badfilesize.bmp", kIndeksuotos},
    {"b/badheadersize.bmp", kIndeksuotos},
    {"b/badpalettesize.bmp", kIndeksuotos},
    {"b/badplanes.bmp", kIndeksuotos},
    {"b/badrle.bmp", kSuspaudimas},
    {"b/badrle4.bmp", kSuspaudimas},
    {"b/badrle4bis.bmp", kSuspaudimas},
    {"b/badrle4ter.bmp", kSuspaudimas},
    {"b/badrlebis.bmp", kSuspaudimas},
    {"b/badrleter.bmp", kSuspaudimas},
    {"b/badwidth.bmp", kIndeksuotos},
    {"b/pal8badindex.bmp", kIndeksuotos},
    // 3000000 x 2000000 pixels in a 24 kB file.
    {"b/reallybig.bmp", "netinkami matmenys"},
    // Masks of 8, 8 and 0 bits: no blue at all.
    {"b/rgb16-880.bmp", "", 127, 64},
    {"b/rletopdown.bmp", kSuspaudimas},
    {"b/shortfile.bmp", kIndeksuotos},
    {"x/ba-bm.bmp", "failas nera BMP formato"},
};

// Every test here reads the suite: without it they are skipped, saying so.
class BmpSuite : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string trukumas = BmpSuitesTrukumas();
    if (!trukumas.empty()) GTEST_SKIP() << trukumas;
  }
};

TEST_F(BmpSuite, TableCoversEveryFile) {
  std::set<std::string> lenteleje, aplanke;
  for (const auto& i : kLentele) lenteleje.insert(i.failas);
  for (const char* dalis : {"g", "q", "b", "x"})
    for (const auto& e : std::filesystem::directory_iterator(kAplankas + dalis))
      if (e.path().extension() == ".bmp") aplanke.insert(std::string(dalis) + "/" + e.path().filename().string());
  ASSERT_FALSE(aplanke.empty()) << "no suite at " << kAplankas;
  EXPECT_EQ(lenteleje, aplanke);
}

TEST_F(BmpSuite, EveryFileLoadsAsImageMagickShowsItOrFailsWithItsText) {
  for (const auto& i : kLentele) {
    SCOPED_TRACE(i.failas);
    const std::string kelias = kAplankas + i.failas;
    KBmp b;
    ASSERT_EQ(vaizdai::Klaida(b, kelias), i.klaida);
    if (*i.klaida) {
      EXPECT_EQ(b.pikseliai, nullptr);
      continue;
    }
    EXPECT_EQ(b.plotis, i.plotis);
    EXPECT_EQ(b.aukstis, i.aukstis);
    const auto gauta = vaizdai::KaipRgba(b);
    b.Atlaisvinti();
    int w = 0, h = 0;
    std::vector<unsigned char> tiketina;
    ASSERT_TRUE(vaizdai::ImageMagickRgba(kelias, w, h, tiketina));
    ASSERT_EQ(w, i.plotis);
    ASSERT_EQ(h, i.aukstis);
    // Channels wider than 8 bits may round either way.
    const bool platus = i.bitai[0] > 8 || i.bitai[1] > 8 || i.bitai[2] > 8;
    EXPECT_LE(LygiuSkirtumas(gauta, tiketina, i.bitai, i.alfa), platus ? 1 : 0);
  }
}

TEST_F(BmpSuite, FakeAlphaIsAlphaAndUnusedBitsAreNot) {
  KBmp a;
  ASSERT_EQ(vaizdai::Klaida(a, kAplankas + "q/rgb32fakealpha.bmp"), "");
  EXPECT_EQ(a.vidinisFormatas, static_cast<GLenum>(GL_RGBA));
  a.Atlaisvinti();
  // All-zero fourth bytes: an opaque picture.
  KBmp b;
  ASSERT_EQ(vaizdai::Klaida(b, kAplankas + "g/rgb32.bmp"), "");
  EXPECT_EQ(b.vidinisFormatas, static_cast<GLenum>(GL_RGB));
  b.Atlaisvinti();
  KBmp c;
  ASSERT_EQ(vaizdai::Klaida(c, kAplankas + "q/rgb16faketrns.bmp"), "");
  const auto rgba = vaizdai::KaipRgba(c);
  c.Atlaisvinti();
  ASSERT_FALSE(rgba.empty());
  for (size_t i = 3; i < rgba.size(); i += 4) ASSERT_EQ(rgba[i], 255) << "pixel " << i / 4;
}

}  // namespace
