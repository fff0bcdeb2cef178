#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/KBmp.h"
#include "tests/images/LaikinasAplankas.h"
#include "tests/images/Vaizdai.h"

namespace {

using Baitai = std::vector<unsigned char>;

void Rasyti32(Baitai& b, size_t vieta, uint32_t v) {
  if (b.size() < vieta + 4) b.resize(vieta + 4);
  for (int i = 0; i < 4; ++i) b[vieta + i] = static_cast<unsigned char>(v >> (8 * i));
}

struct Bitmapas {
  int32_t plotis = 1, aukstis = 1;
  int bpp = 24;
  uint32_t suspaudimas = 0, vaizdoDydis = 0, spalvos = 0, antraste = 40;
  int64_t poslinkis = -1;  // -1: right after the header and whatever follows it
  Baitai poAntrastes;      // masks, palette, gap: between header and pixels
  Baitai pikseliai;

  Baitai Failas() const {
    Baitai b(std::max<size_t>(14 + antraste, 54), 0);
    b[0] = 'B';
    b[1] = 'M';
    const size_t pradzia = poslinkis >= 0 ? static_cast<size_t>(poslinkis) : b.size() + poAntrastes.size();
    Rasyti32(b, 10, static_cast<uint32_t>(pradzia));
    Rasyti32(b, 14, antraste);
    Rasyti32(b, 18, static_cast<uint32_t>(plotis));
    Rasyti32(b, 22, static_cast<uint32_t>(aukstis));
    b[26] = 1;
    b[28] = static_cast<unsigned char>(bpp);
    b[29] = static_cast<unsigned char>(bpp >> 8);
    Rasyti32(b, 30, suspaudimas);
    Rasyti32(b, 34, vaizdoDydis);
    Rasyti32(b, 46, spalvos);
    b.resize(14 + antraste);
    b.insert(b.end(), poAntrastes.begin(), poAntrastes.end());
    if (poslinkis >= 0) b.resize(static_cast<size_t>(poslinkis), 0xCC);
    b.insert(b.end(), pikseliai.begin(), pikseliai.end());
    Rasyti32(b, 2, static_cast<uint32_t>(b.size()));
    return b;
  }
};

Baitai Pikseliai(const KBmp& b) { return Baitai(b.pikseliai, b.pikseliai + b.dydis); }

Baitai Kaukes(uint32_t r, uint32_t g, uint32_t bl) {
  Baitai k;
  Rasyti32(k, 0, r);
  Rasyti32(k, 4, g);
  Rasyti32(k, 8, bl);
  return k;
}

TEST(KBmp, RefusesBadFilesWithTheirTextsInOrder) {
  struct Atvejis {
    const char* vardas;
    Baitai turinys;
    const char* klaida;
  };
  auto B = [](auto keisti) {
    Bitmapas b;
    b.plotis = 2;
    b.aukstis = 2;
    b.pikseliai = Baitai(16, 7);
    keisti(b);
    return b.Failas();
  };
  Baitai blogasParasas = B([](Bitmapas& b) { b.suspaudimas = 1; });
  blogasParasas[1] = 'A';
  const std::vector<Atvejis> atvejai = {
      {"empty.bmp", {}, "failas nera BMP formato"},
      {"one-byte.bmp", {'B'}, "failas nera BMP formato"},
      // Signature before compression.
      {"ba-compressed.bmp", blogasParasas, "failas nera BMP formato"},
      {"rle8.bmp", B([](Bitmapas& b) { b.bpp = 8; b.suspaudimas = 1; }), "failas naudoja suspaudima"},
      {"rgb24-rle.bmp", B([](Bitmapas& b) { b.suspaudimas = 4; }), "failas naudoja suspaudima"},
      {"rgb32-bitfields.bmp", B([](Bitmapas& b) { b.bpp = 32; b.suspaudimas = 3; }), "failas naudoja suspaudima"},
      // Compression before colours used.
      {"rle-and-palette.bmp", B([](Bitmapas& b) { b.bpp = 8; b.suspaudimas = 1; b.spalvos = 2; }),
       "failas naudoja suspaudima"},
      {"colours-used.bmp", B([](Bitmapas& b) { b.spalvos = 2; }), "naudojamos indeksuotos spalvos"},
      {"pal8-252.bmp", B([](Bitmapas& b) { b.bpp = 8; b.spalvos = 252; }), "naudojamos indeksuotos spalvos"},
      {"colours-used-0x102.bmp", B([](Bitmapas& b) { b.spalvos = 0x102; }), "naudojamos indeksuotos spalvos"},
      // Zero pixels: an old 12-byte header puts them where the later fields would be.
      {"os2-header.bmp", B([](Bitmapas& b) { b.antraste = 12; b.pikseliai = Baitai(32, 0); }), "netinkama antraste"},
      {"bpp1.bmp", B([](Bitmapas& b) { b.bpp = 1; }), "Netinkamas bpp"},
      {"bpp4.bmp", B([](Bitmapas& b) { b.bpp = 4; }), "Netinkamas bpp"},
      {"bpp64.bmp", B([](Bitmapas& b) { b.bpp = 64; }), "Netinkamas bpp"},
      {"bpp0.bmp", B([](Bitmapas& b) { b.bpp = 0; }), "Netinkamas bpp"},
      // Sixteen bits pass the compression check for masks only.
      {"rgb16-rle.bmp", B([](Bitmapas& b) { b.bpp = 16; b.suspaudimas = 1; }), "failas naudoja suspaudima"},
      {"rgb16-jpeg.bmp", B([](Bitmapas& b) { b.bpp = 16; b.suspaudimas = 4; }), "failas naudoja suspaudima"},
      {"width0.bmp", B([](Bitmapas& b) { b.plotis = 0; }), "netinkami matmenys"},
      {"width-negative.bmp", B([](Bitmapas& b) { b.plotis = -2; }), "netinkami matmenys"},
      {"height0.bmp", B([](Bitmapas& b) { b.aukstis = 0; }), "netinkami matmenys"},
      {"height-min.bmp", B([](Bitmapas& b) { b.aukstis = INT32_MIN; }), "netinkami matmenys"},
      // Absurd sizes are refused before a buffer is taken, whatever the size field says.
      {"huge.bmp", B([](Bitmapas& b) { b.plotis = b.aukstis = 65535; b.bpp = 32; b.pikseliai = Baitai(46); }),
       "netinkami matmenys"},
      {"huge-field.bmp", B([](Bitmapas& b) { b.plotis = b.aukstis = 65535; b.bpp = 32; b.vaizdoDydis = 0xFFFFFFFF; }),
       "netinkami matmenys"},
      {"huge-topdown.bmp", B([](Bitmapas& b) { b.plotis = 65535; b.aukstis = -65535; b.bpp = 24; }),
       "netinkami matmenys"},
      {"wide.bmp", B([](Bitmapas& b) { b.plotis = 0x7FFFFFFF; b.aukstis = 1; b.bpp = 32; }), "netinkami matmenys"},
  };
  LaikinasAplankas aplankas;
  {
    KBmp b;
    EXPECT_EQ(vaizdai::Klaida(b, aplankas.Kelias("missing.bmp")), "failas nerastas");
  }
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.vardas);
    aplankas.Rasyti(a.vardas, a.turinys);
    KBmp b;
    EXPECT_EQ(vaizdai::Klaida(b, aplankas.Kelias(a.vardas)), a.klaida);
    EXPECT_EQ(b.pikseliai, nullptr);
  }
}

TEST(KBmp, RowsStayPaddedAndTheSizeFieldDoesNotDecideTheAmount) {
  // 3 x 2 at 24 bits: rows of 9 bytes padded to 12.
  Baitai px(24);
  for (size_t i = 0; i < px.size(); ++i) px[i] = static_cast<unsigned char>(i + 1);
  LaikinasAplankas aplankas;
  for (const uint32_t laukas : {24u, 0u, 10u, 4000u}) {
    SCOPED_TRACE(laukas);
    Bitmapas b;
    b.plotis = 3;
    b.aukstis = 2;
    b.vaizdoDydis = laukas;
    b.pikseliai = px;
    b.pikseliai.resize(40, 0xEE);  // bytes beyond the rows are not pixels
    aplankas.Rasyti("a.bmp", b.Failas());
    KBmp k;
    ASSERT_EQ(vaizdai::Klaida(k, aplankas.Kelias("a.bmp")), "");
    EXPECT_EQ(k.plotis, 3);
    EXPECT_EQ(k.aukstis, 2);
    EXPECT_EQ(k.bpp, 24);
    EXPECT_EQ(k.dydis, 24);
    EXPECT_EQ(Pikseliai(k), px);
    EXPECT_EQ(k.vidinisFormatas, static_cast<GLenum>(GL_RGB));
    EXPECT_EQ(k.formatas, static_cast<GLenum>(GL_BGR));
    EXPECT_EQ(k.tipas, static_cast<GLenum>(GL_UNSIGNED_BYTE));
    EXPECT_EQ(k.lygiavimas, 4);
    EXPECT_EQ(k.antraste[0], 'B');
    EXPECT_EQ(k.antraste[34], laukas & 0xFF);
    k.Atlaisvinti();
    EXPECT_EQ(k.pikseliai, nullptr);
  }
}

TEST(KBmp, ShortFileIsPaddedWithZeros) {
  Bitmapas b;
  b.plotis = 3;
  b.aukstis = 2;
  b.pikseliai = {1, 2, 3, 4, 5};
  LaikinasAplankas aplankas;
  aplankas.Rasyti("s.bmp", b.Failas());
  KBmp k;
  ASSERT_EQ(vaizdai::Klaida(k, aplankas.Kelias("s.bmp")), "");
  Baitai tiketina(24, 0);
  for (int i = 0; i < 5; ++i) tiketina[i] = static_cast<unsigned char>(i + 1);
  EXPECT_EQ(Pikseliai(k), tiketina);
  k.Atlaisvinti();

  // A header alone, its pixels all missing.
  b.pikseliai.clear();
  aplankas.Rasyti("h.bmp", b.Failas());
  KBmp h;
  ASSERT_EQ(vaizdai::Klaida(h, aplankas.Kelias("h.bmp")), "");
  EXPECT_EQ(Pikseliai(h), Baitai(24, 0));
  h.Atlaisvinti();
}

// A header may claim up to 16 MiB of pixels beyond what the file holds; the fuzz harness
// skips such inputs for speed, so the limit is held here on either side.
TEST(KBmp, HeaderMayClaimSixteenMibMoreThanTheFileHoldsAndNoMore) {
  LaikinasAplankas aplankas;
  Bitmapas b;
  b.plotis = 2048;
  b.aukstis = -2048;  // top row first: the flip runs over the whole padded buffer too
  b.bpp = 32;
  b.pikseliai = {7, 7, 7, 7};
  aplankas.Rasyti("limit.bmp", b.Failas());
  KBmp k;
  ASSERT_EQ(vaizdai::Klaida(k, aplankas.Kelias("limit.bmp")), "");
  ASSERT_EQ(k.dydis, 2048 * 2048 * 4);
  // The four bytes held are the top row's first pixel, which GL takes last.
  EXPECT_EQ(k.pikseliai[k.dydis - 2048 * 4], 7);
  EXPECT_EQ(k.pikseliai[0], 0);
  EXPECT_EQ(k.pikseliai[k.dydis - 1], 0);
  k.Atlaisvinti();

  // One row more than the limit, even with the pixels the file does hold.
  b.aukstis = -2049;
  b.pikseliai = Baitai(2048 * 4 - 4, 1);
  aplankas.Rasyti("over.bmp", b.Failas());
  KBmp o;
  EXPECT_EQ(vaizdai::Klaida(o, aplankas.Kelias("over.bmp")), "netinkami matmenys");
  EXPECT_EQ(o.pikseliai, nullptr);
  // The same with the last four bytes present is exactly at the limit again.
  b.pikseliai = Baitai(2048 * 4, 1);
  aplankas.Rasyti("at.bmp", b.Failas());
  KBmp a;
  ASSERT_EQ(vaizdai::Klaida(a, aplankas.Kelias("at.bmp")), "");
  EXPECT_EQ(a.aukstis, 2049);
  a.Atlaisvinti();
}

TEST(KBmp, PixelsStartAtTheOffsetOrRightAfterTheHeader) {
  const Baitai px = {10, 20, 30, 0, 40, 50, 60, 0};  // 1 x 2 at 24 bits
  struct Atvejis {
    const char* vardas;
    uint32_t antraste;
    int64_t poslinkis;
    size_t tarpas;
  };
  const Atvejis atvejai[] = {
      {"v5 header, offset after it", 124, -1, 0},
      // An offset inside the header cannot be right: the pixels follow the 124 bytes.
      {"v5 header, offset 0", 124, 0, 0},
      {"v4 header", 108, -1, 0},
      {"gap before pixels", 40, 54 + 37, 37},
      {"v5 header and a gap", 124, 138 + 100, 100},
  };
  LaikinasAplankas aplankas;
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.vardas);
    Bitmapas b;
    b.aukstis = 2;
    b.antraste = a.antraste;
    b.pikseliai = px;
    Baitai failas;
    if (a.poslinkis == 0) {
      b.poslinkis = -1;
      failas = b.Failas();
      Rasyti32(failas, 10, 0);
    } else {
      b.poslinkis = a.poslinkis;
      failas = b.Failas();
    }
    aplankas.Rasyti("o.bmp", failas);
    KBmp k;
    ASSERT_EQ(vaizdai::Klaida(k, aplankas.Kelias("o.bmp")), "");
    EXPECT_EQ(Pikseliai(k), px);
    k.Atlaisvinti();
  }
}

TEST(KBmp, TopDownRowsAreTurnedBottomRowFirst) {
  Bitmapas b;
  b.plotis = 1;
  b.aukstis = -3;
  b.pikseliai = {1, 1, 1, 0, 2, 2, 2, 0, 3, 3, 3, 0};
  LaikinasAplankas aplankas;
  aplankas.Rasyti("t.bmp", b.Failas());
  KBmp k;
  ASSERT_EQ(vaizdai::Klaida(k, aplankas.Kelias("t.bmp")), "");
  EXPECT_EQ(k.aukstis, 3);
  EXPECT_EQ(Pikseliai(k), (Baitai{3, 3, 3, 0, 2, 2, 2, 0, 1, 1, 1, 0}));
  k.Atlaisvinti();
}

TEST(KBmp, SixteenBitsShowTheirTrueColours) {
  struct Atvejis {
    const char* vardas;
    uint32_t suspaudimas, antraste;
    Baitai kaukes;
    uint16_t pikselis;
    Baitai rgba;
    GLenum vidinis;
  };
  Baitai v5(124 - 40, 0);  // masks inside a 124-byte header: red, green, blue, alpha
  Rasyti32(v5, 0, 0x0F00);
  Rasyti32(v5, 4, 0x00F0);
  Rasyti32(v5, 8, 0x000F);
  Rasyti32(v5, 12, 0xF000);
  Baitai v5be(v5);
  Rasyti32(v5be, 12, 0);
  // The 56-byte header carries the alpha mask too; the 52-byte one stops before it.
  const Baitai v3(v5.begin(), v5.begin() + 16);
  const Baitai v2(v5.begin(), v5.begin() + 12);
  const std::vector<Atvejis> atvejai = {
      // Plain 16 bits are X-1 R-5 G-5 B-5: red in the high bits, the top bit unused.
      {"x1r5g5b5 red", 0, 40, {}, 0x7C00, {255, 0, 0, 255}, GL_RGB5},
      {"x1r5g5b5 blue, top bit set", 0, 40, {}, 0x801F, {0, 0, 255, 255}, GL_RGB5},
      {"x1r5g5b5 green", 0, 40, {}, 0x03E0, {0, 255, 0, 255}, GL_RGB5},
      {"bitfields 565 red", 3, 40, Kaukes(0xF800, 0x07E0, 0x001F), 0xF800, {255, 0, 0, 255}, GL_RGB},
      {"bitfields 565 green", 3, 40, Kaukes(0xF800, 0x07E0, 0x001F), 0x07E0, {0, 255, 0, 255}, GL_RGB},
      {"bitfields 555 mid grey", 3, 40, Kaukes(0x7C00, 0x03E0, 0x001F), 0x4210, {132, 132, 132, 255}, GL_RGB},
      {"v5 argb4444", 3, 124, v5, 0x8F42, {255, 68, 34, 136}, GL_RGBA},
      {"v5 no alpha mask", 3, 124, v5be, 0x8F42, {255, 68, 34, 255}, GL_RGB},
      {"v3 argb4444", 3, 56, v3, 0x8F42, {255, 68, 34, 136}, GL_RGBA},
      {"v2 rgb444", 3, 52, v2, 0x8F42, {255, 68, 34, 255}, GL_RGB},
      {"alpha bitfields", 6, 40, [] { auto k = Kaukes(0x0F00, 0x00F0, 0x000F); Rasyti32(k, 12, 0xF000); return k; }(),
       0x1234, {34, 51, 68, 17}, GL_RGBA},
  };
  LaikinasAplankas aplankas;
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.vardas);
    Bitmapas b;
    b.plotis = 1;
    b.aukstis = 1;
    b.bpp = 16;
    b.suspaudimas = a.suspaudimas;
    b.antraste = a.antraste;
    Baitai failas;
    if (a.antraste > 40) {
      failas = b.Failas();
      std::copy(a.kaukes.begin(), a.kaukes.end(), failas.begin() + 54);
      failas.push_back(a.pikselis & 0xFF);
      failas.push_back(a.pikselis >> 8);
      failas.push_back(0);
      failas.push_back(0);
    } else {
      b.poAntrastes = a.kaukes;
      b.pikseliai = {static_cast<unsigned char>(a.pikselis & 0xFF), static_cast<unsigned char>(a.pikselis >> 8), 0, 0};
      failas = b.Failas();
    }
    aplankas.Rasyti("p.bmp", failas);
    KBmp k;
    ASSERT_EQ(vaizdai::Klaida(k, aplankas.Kelias("p.bmp")), "");
    EXPECT_EQ(k.bpp, 16);
    EXPECT_EQ(k.vidinisFormatas, a.vidinis);
    EXPECT_EQ(vaizdai::KaipRgba(k), a.rgba);
    k.Atlaisvinti();
  }
}

TEST(KBmp, ThirtyTwoBitsUseTheFourthByteAsAlphaUnlessItIsAlwaysZero) {
  LaikinasAplankas aplankas;
  Bitmapas b;
  b.plotis = 2;
  b.bpp = 32;
  b.pikseliai = {1, 2, 3, 0, 4, 5, 6, 0};
  aplankas.Rasyti("zero.bmp", b.Failas());
  b.pikseliai[7] = 9;
  aplankas.Rasyti("alpha.bmp", b.Failas());
  KBmp k;
  ASSERT_EQ(vaizdai::Klaida(k, aplankas.Kelias("zero.bmp")), "");
  EXPECT_EQ(k.vidinisFormatas, static_cast<GLenum>(GL_RGB));
  EXPECT_EQ(k.formatas, static_cast<GLenum>(GL_BGRA));
  EXPECT_EQ(vaizdai::KaipRgba(k), (Baitai{3, 2, 1, 255, 6, 5, 4, 255}));
  k.Atlaisvinti();
  KBmp a;
  ASSERT_EQ(vaizdai::Klaida(a, aplankas.Kelias("alpha.bmp")), "");
  EXPECT_EQ(a.vidinisFormatas, static_cast<GLenum>(GL_RGBA));
  EXPECT_EQ(vaizdai::KaipRgba(a), (Baitai{3, 2, 1, 0, 6, 5, 4, 9}));
  a.Atlaisvinti();
}

TEST(KBmp, EightBitsDecodeThroughTheirPalette) {
  LaikinasAplankas aplankas;
  Bitmapas b;
  b.plotis = 3;
  b.aukstis = 1;
  b.bpp = 8;
  b.poAntrastes = Baitai(256 * 4, 0);
  const Baitai spalva1 = {10, 20, 30, 0}, spalva255 = {200, 100, 50, 0};
  std::copy(spalva1.begin(), spalva1.end(), b.poAntrastes.begin() + 4);
  std::copy(spalva255.begin(), spalva255.end(), b.poAntrastes.begin() + 255 * 4);
  b.pikseliai = {1, 255, 0, 0};
  aplankas.Rasyti("p8.bmp", b.Failas());
  KBmp k;
  ASSERT_EQ(vaizdai::Klaida(k, aplankas.Kelias("p8.bmp")), "");
  EXPECT_EQ(k.bpp, 8);
  EXPECT_EQ(k.vidinisFormatas, static_cast<GLenum>(GL_RGB));
  EXPECT_EQ(vaizdai::KaipRgba(k), (Baitai{30, 20, 10, 255, 50, 100, 200, 255, 0, 0, 0, 255}));
  k.Atlaisvinti();

  // A colours-used field of 256 passes the check on its low byte and sizes the palette.
  b.spalvos = 256;
  aplankas.Rasyti("p8-256.bmp", b.Failas());
  KBmp d;
  ASSERT_EQ(vaizdai::Klaida(d, aplankas.Kelias("p8-256.bmp")), "");
  EXPECT_EQ(vaizdai::KaipRgba(d), (Baitai{30, 20, 10, 255, 50, 100, 200, 255, 0, 0, 0, 255}));
  d.Atlaisvinti();

  // A palette cut short by the end of the file: the missing entries are black.
  Bitmapas c;
  c.plotis = 2;
  c.bpp = 8;
  c.poslinkis = 54 + 8;
  c.poAntrastes = {1, 2, 3, 0, 4, 5, 6, 0};
  c.pikseliai = {1, 200, 0, 0};
  aplankas.Rasyti("p8-short.bmp", c.Failas());
  KBmp e;
  ASSERT_EQ(vaizdai::Klaida(e, aplankas.Kelias("p8-short.bmp")), "");
  EXPECT_EQ(vaizdai::KaipRgba(e), (Baitai{6, 5, 4, 255, 0, 0, 0, 255}));
  e.Atlaisvinti();

  // An offset at the header's very end is honoured, though the palette starts there:
  // the four pixel bytes are read as pixels and as palette entry 0 alike.
  Bitmapas z;
  z.plotis = 4;
  z.bpp = 8;
  z.poslinkis = 54;
  z.pikseliai = {0, 1, 200, 100};
  aplankas.Rasyti("p8-offset.bmp", z.Failas());
  KBmp f;
  ASSERT_EQ(vaizdai::Klaida(f, aplankas.Kelias("p8-offset.bmp")), "");
  EXPECT_EQ(vaizdai::KaipRgba(f), (Baitai{200, 1, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255}));
  f.Atlaisvinti();
}

// Bitmaps written by ImageMagick from a known picture decode back to that picture.
// Its 5- and 6-bit quantisation does not round to nearest, so the 16-bit files are
// compared with ImageMagick's own reading of them.
TEST(KBmp, ImageMagickFilesDecodeToThePictureItWasGiven) {
  struct Atvejis {
    const char* vardas;
    const char* parinktys;
    bool alfa, paletes, savasDekodavimas;
    int bpp;
    const char* klaida;
  };
  const Atvejis atvejai[] = {
      {"24 bmp3", "-type TrueColor BMP3:", false, false, false, 24, ""},
      {"24 v5 header", "-type TrueColor BMP:", false, false, false, 24, ""},
      {"32 bmp3 alpha", "-alpha on -define bmp3:alpha=true BMP3:", true, false, false, 32, ""},
      {"16 rgb555", "-type TrueColor -define bmp:subtype=RGB555 BMP:", false, false, true, 16, ""},
      {"16 rgb565", "-type TrueColor -define bmp:subtype=RGB565 BMP:", false, false, true, 16, ""},
      {"8 palette", "-type Palette -compress None BMP3:", false, true, false, 8, ""},
      {"8 palette v5", "-type Palette -compress None BMP:", false, true, false, 8, ""},
      // The rest are what the loader refuses.
      {"32 v5 alpha bitfields", "-alpha on BMP:", true, false, false, 32, "failas naudoja suspaudima"},
      {"8 palette rle", "-type Palette BMP3:", false, true, false, 8, "failas naudoja suspaudima"},
      {"4 palette", "-type Palette -colors 12 -compress None BMP3:", false, true, false, 4,
       "naudojamos indeksuotos spalvos"},
      {"1 bit", "-monochrome BMP3:", false, false, false, 1, "naudojamos indeksuotos spalvos"},
  };
  LaikinasAplankas aplankas;
  for (const int plotis : {7, 8, 5}) {
    const int aukstis = 5;
    for (const auto& a : atvejai) {
      SCOPED_TRACE(std::string(a.vardas) + ", width " + std::to_string(plotis));
      auto paveikslas = vaizdai::Rastas(plotis, aukstis, a.alfa);
      const std::string raw = aplankas.Kelias("in.rgba"), bmp = aplankas.Kelias("out.bmp");
      vaizdai::RasytiRgba(raw, paveikslas);
      ASSERT_TRUE(vaizdai::Convert("-size " + std::to_string(plotis) + "x" + std::to_string(aukstis) +
                                   " -depth 8 rgba:'" + raw + "' " + a.parinktys + "'" + bmp + "'"));
      const auto failas = vaizdai::Skaityti(bmp);
      ASSERT_GT(failas.size(), 30u);
      ASSERT_EQ(failas[28], a.bpp) << "ImageMagick wrote another depth";
      KBmp k;
      ASSERT_EQ(vaizdai::Klaida(k, bmp), a.klaida);
      if (*a.klaida) continue;
      EXPECT_EQ(k.plotis, plotis);
      EXPECT_EQ(k.aukstis, aukstis);
      EXPECT_EQ(k.bpp, a.bpp);
      const auto gauta = vaizdai::KaipRgba(k);
      k.Atlaisvinti();
      if (a.savasDekodavimas) {
        std::vector<unsigned char> tiketina;
        int w = 0, h = 0;
        ASSERT_TRUE(vaizdai::ImageMagickRgba(bmp, w, h, tiketina));
        EXPECT_LE(vaizdai::DidziausiasSkirtumas(gauta, tiketina, true), 1);
      } else {
        EXPECT_EQ(vaizdai::DidziausiasSkirtumas(gauta, vaizdai::Apversti(paveikslas, plotis, aukstis)), 0);
      }
    }
  }
}

}  // namespace
