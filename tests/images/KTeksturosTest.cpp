#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/GlBusena.h"
#include "gfx/KTeksturos.h"
#include "tests/common/BmpSuite.h"
#include "tests/common/GlKontekstas.h"
#include "tests/common/ZurnaloGaudykle.h"
#include "tests/images/LaikinasAplankas.h"
#include "tests/images/Vaizdai.h"

namespace {

class TextureManager : public ::testing::Test {
 protected:
  void SetUp() override { UztikrintiGlKonteksta(); }

  // Writes a picture through ImageMagick; false when convert fails.
  bool Rasyti(const std::string& vardas, const std::vector<unsigned char>& rgba, int w, int h,
              const std::string& parinktys) {
    const std::string raw = aplankas.Kelias("in.rgba");
    vaizdai::RasytiRgba(raw, rgba);
    const bool gerai = vaizdai::Convert("-size " + std::to_string(w) + "x" + std::to_string(h) + " -depth 8 rgba:'" +
                                        raw + "' " + parinktys + (parinktys.back() == ':' ? "" : " ") + "'" +
                                        aplankas.Kelias(vardas) + "'");
    std::remove(raw.c_str());
    return gerai;
  }
  // A small valid Targa, written by ImageMagick.
  bool RasytiMaza(const std::string& vardas) {
    return Rasyti(vardas, vaizdai::Rastas(2, 2, false), 2, 2, "-type TrueColor");
  }

  LaikinasAplankas aplankas;
  ZurnaloGaudykle zurnalas;
  KTeksturos teksturos;
};

TEST_F(TextureManager, StartsEmptyAndMissingOrEmptyFoldersRegisterNothing) {
  EXPECT_EQ(teksturos.kiekis, 0);
  EXPECT_TRUE(teksturos.mipmap);
  teksturos.UzkrautiAplanka(aplankas.Aplankas().c_str());
  teksturos.UzkrautiAplanka((aplankas.Aplankas() + "nera/").c_str());
  EXPECT_EQ(teksturos.kiekis, 0);
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
  EXPECT_FALSE(teksturos.Yra("zeme.tga"));
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
  EXPECT_EQ(teksturos.Gauti("zeme.tga"), 0u);
  EXPECT_EQ(zurnalas.Kiek("Nerasta tekstura \"zeme.tga\""), 1);
}

TEST_F(TextureManager, FolderLoadsEveryTargaThenEveryBitmapAndSkipsFailures) {
  ASSERT_TRUE(RasytiMaza("a.tga"));
  ASSERT_TRUE(RasytiMaza("b.TGA"));
  ASSERT_TRUE(Rasyti("a.bmp", vaizdai::Rastas(2, 2, false), 2, 2, "-type TrueColor BMP3:"));
  ASSERT_TRUE(Rasyti("c.bmp", vaizdai::Rastas(4, 4, false), 4, 4, "-type TrueColor BMP3:"));
  aplankas.Rasyti("blogas.tga", {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0});
  aplankas.Rasyti("blogas.bmp", {'B', 'A'});
  aplankas.Rasyti("kitas.txt", {1, 2, 3});

  teksturos.UzkrautiAplanka(aplankas.Aplankas().c_str());

  ASSERT_EQ(teksturos.kiekis, 4);
  std::vector<std::string> vardai;
  for (int i = 0; i < teksturos.kiekis; ++i) vardai.emplace_back(teksturos.failai[i]);
  // The enumeration order within one extension is the platform's; Targa files come first.
  std::vector<std::string> tga(vardai.begin(), vardai.begin() + 2), bmp(vardai.begin() + 2, vardai.end());
  std::sort(tga.begin(), tga.end());
  std::sort(bmp.begin(), bmp.end());
  EXPECT_EQ(tga, (std::vector<std::string>{"a.tga", "b.TGA"}));
  EXPECT_EQ(bmp, (std::vector<std::string>{"a.bmp", "c.bmp"}));
  for (int i = 0; i < teksturos.kiekis; ++i) {
    SCOPED_TRACE(vardai[i]);
    EXPECT_TRUE(glIsTexture(teksturos.vardai[i]));
    EXPECT_EQ(teksturos.Gauti(vardai[i].c_str()), teksturos.vardai[i]);
    EXPECT_EQ(zurnalas.Kiek("Teksturos: " + vardai[i] + " " + std::to_string(teksturos.vardai[i])), 1);
    for (int j = 0; j < i; ++j) EXPECT_NE(teksturos.vardai[i], teksturos.vardai[j]);
  }
  EXPECT_NE(teksturos.Gauti("a.tga"), teksturos.Gauti("a.bmp"));
  EXPECT_EQ(zurnalas.Kiek("Klaida uzkraunant tekstura " + aplankas.Aplankas() + "blogas.tga: Netinkamas failo tipas"),
            1);
  EXPECT_EQ(zurnalas.Kiek("Klaida uzkraunant tekstura " + aplankas.Aplankas() + "blogas.bmp: failas nera BMP formato"),
            1);
  EXPECT_FALSE(zurnalas.Yra("MipMap"));
  EXPECT_FALSE(zurnalas.Yra("Nesugeneruota"));

  // Lookups are exact, case included.
  zurnalas.Isvalyti();
  EXPECT_EQ(teksturos.Gauti("A.TGA"), 0u);
  EXPECT_EQ(teksturos.Gauti("b.tga"), 0u);
  EXPECT_EQ(teksturos.Gauti("a"), 0u);
  EXPECT_FALSE(teksturos.Yra("A.tga"));
  EXPECT_EQ(zurnalas.Pranesimai(),
            (std::vector<std::string>{"Nerasta tekstura \"A.TGA\"", "Nerasta tekstura \"b.tga\"",
                                      "Nerasta tekstura \"a\""}));
}

TEST_F(TextureManager, ARegisteredNameIsNotReadAgain) {
  ASSERT_TRUE(RasytiMaza("zeme.tga"));
  const std::string kelias = aplankas.Kelias("zeme.tga");
  const GLuint vardas = teksturos.UzkrautiTga(kelias.c_str());
  ASSERT_NE(vardas, 0u);
  std::filesystem::remove(kelias);
  zurnalas.Isvalyti();
  // Gone from disk, yet found by its name, from any folder and through either loader.
  EXPECT_EQ(teksturos.UzkrautiTga(kelias.c_str()), vardas);
  EXPECT_EQ(teksturos.UzkrautiBmp("kitur/zeme.tga"), vardas);
  EXPECT_EQ(teksturos.kiekis, 1);
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
  // A failed file leaves no entry; the next one takes the same index.
  EXPECT_EQ(teksturos.UzkrautiTga(aplankas.Kelias("nera.tga").c_str()), 0u);
  EXPECT_EQ(zurnalas.Kiek("Klaida uzkraunant tekstura " + aplankas.Kelias("nera.tga") + ": Nepavyko atidaryti failo"),
            1);
  EXPECT_EQ(teksturos.UzkrautiBmp(aplankas.Kelias("nera.bmp").c_str()), 0u);
  EXPECT_EQ(zurnalas.Kiek("Klaida uzkraunant tekstura " + aplankas.Kelias("nera.bmp") + ": failas nerastas"), 1);
  EXPECT_EQ(teksturos.kiekis, 1);
  ASSERT_TRUE(RasytiMaza("siena.tga"));
  const GLuint antras = teksturos.UzkrautiTga(aplankas.Kelias("siena.tga").c_str());
  EXPECT_NE(antras, 0u);
  EXPECT_EQ(teksturos.kiekis, 2);
  EXPECT_EQ(teksturos.vardai[1], antras);
  EXPECT_STREQ(teksturos.failai[1], "siena.tga");
}

TEST_F(TextureManager, TheTableAndItsNamesNeverOverflow) {
  ASSERT_TRUE(RasytiMaza("pagrindas.tga"));
  const auto baitai = vaizdai::Skaityti(aplankas.Kelias("pagrindas.tga"));

  // 31 characters fit an entry; 32 are refused, not cut into another name.
  const std::string ilgiausias(27, 'v'), perIlgas(28, 'v');
  aplankas.Rasyti(ilgiausias + ".tga", baitai);
  aplankas.Rasyti(perIlgas + ".tga", baitai);
  EXPECT_NE(teksturos.UzkrautiTga(aplankas.Kelias(ilgiausias + ".tga").c_str()), 0u);
  EXPECT_STREQ(teksturos.failai[0], (ilgiausias + ".tga").c_str());
  EXPECT_EQ(teksturos.UzkrautiTga(aplankas.Kelias(perIlgas + ".tga").c_str()), 0u);
  EXPECT_EQ(zurnalas.Kiek("Per ilgas teksturos failo vardas '" + perIlgas + ".tga', maksimalus ilgis yra 31"), 1);
  EXPECT_EQ(teksturos.kiekis, 1);
  EXPECT_EQ(teksturos.Gauti((perIlgas + ".tga").c_str()), 0u);
  EXPECT_EQ(teksturos.Gauti((perIlgas.substr(0, 27) + ".tga").c_str()), teksturos.vardai[0]);

  // Fill the table, then two more.
  for (int i = 1; i < 130; ++i) {
    char vardas[32];
    std::snprintf(vardas, sizeof vardas, "t%03d.tga", i);
    aplankas.Rasyti(vardas, baitai);
    const GLuint gauta = teksturos.UzkrautiTga(aplankas.Kelias(vardas).c_str());
    if (i < KTeksturos::TALPA) {
      EXPECT_NE(gauta, 0u) << vardas;
    } else {
      EXPECT_EQ(gauta, 0u) << vardas;
      EXPECT_EQ(zurnalas.Kiek(std::string("Per daug teksturu, '") + vardas + "' neuzkrauta, maksimalus skaicius yra 128"),
                1);
    }
  }
  EXPECT_EQ(teksturos.kiekis, KTeksturos::TALPA);
  EXPECT_STREQ(teksturos.failai[127], "t127.tga");
  EXPECT_EQ(teksturos.Gauti("t128.tga"), 0u);
  EXPECT_NE(teksturos.Gauti("t127.tga"), 0u);
  // Names already there are still handed out when the table is full.
  EXPECT_EQ(teksturos.UzkrautiTga(aplankas.Kelias("t005.tga").c_str()), teksturos.Gauti("t005.tga"));
}

// The level-0 image GL holds for a texture, as RGBA bottom row first.
std::vector<unsigned char> TeksturosVaizdas(GLuint vardas, int& w, int& h) {
  glBindTexture(GL_TEXTURE_2D, vardas);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  std::vector<unsigned char> rgba(static_cast<size_t>(w) * h * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  glBindTexture(GL_TEXTURE_2D, 0);
  return rgba;
}

// Every loader format uploads as the picture the encoder was given, rows whose length
// is not a multiple of 4 included. Without mipmaps GLU does not rescale level 0.
TEST_F(TextureManager, UploadsHoldThePictureAtLevelZero) {
  struct Atvejis {
    const char* vardas;
    int w, h;
    bool alfa;
    const char* parinktys;
    int leistina;
  };
  const Atvejis atvejai[] = {
      {"rgb-3x2.tga", 3, 2, false, "-flip -type TrueColor -orient BottomLeft", 0},
      {"rgb-5x3-top.tga", 5, 3, false, "-type TrueColor -orient TopLeft", 0},
      {"rgba-3x3.tga", 3, 3, true, "-type TrueColorAlpha -orient TopLeft", 0},
      {"rle-7x3.tga", 7, 3, false, "-type TrueColor -compress RLE -orient TopLeft", 0},
      {"rgb-3x2.bmp", 3, 2, false, "-type TrueColor BMP3:", 0},
      {"rgba-5x2.bmp", 5, 2, true, "-alpha on -define bmp3:alpha=true BMP3:", 0},
      {"pal-9x3.bmp", 9, 3, false, "-type Palette -compress None BMP3:", 0},
  };
  teksturos.mipmap = false;
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.vardas);
    const auto paveikslas = vaizdai::Rastas(a.w, a.h, a.alfa);
    ASSERT_TRUE(Rasyti(a.vardas, paveikslas, a.w, a.h, a.parinktys));
    const std::string kelias = aplankas.Kelias(a.vardas);
    const GLuint vardas = kelias.back() == 'a' ? teksturos.UzkrautiTga(kelias.c_str())
                                               : teksturos.UzkrautiBmp(kelias.c_str());
    ASSERT_NE(vardas, 0u);
    int w = 0, h = 0;
    const auto gauta = TeksturosVaizdas(vardas, w, h);
    EXPECT_EQ(w, a.w);
    EXPECT_EQ(h, a.h);
    EXPECT_EQ(vaizdai::DidziausiasSkirtumas(gauta, vaizdai::Apversti(paveikslas, a.w, a.h)), a.leistina);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
  }
}

// Draws the texture on a w x h quad at (x, y) in the game's 800 x 600 view, with the
// game's blending, over black; reads the quad back.
std::vector<unsigned char> Piesti(GLuint vardas, int x, int y, int w, int h) {
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  OrtoProjekcija(0, 0, 800, 600, 100, -100);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, vardas);
  glColor4f(1, 1, 1, 1);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2i(x, y);
  glTexCoord2f(1, 0);
  glVertex2i(x + w, y);
  glTexCoord2f(1, 1);
  glVertex2i(x + w, y + h);
  glTexCoord2f(0, 1);
  glVertex2i(x, y + h);
  glEnd();
  glBindTexture(GL_TEXTURE_2D, 0);
  glDisable(GL_TEXTURE_2D);
  return SkaitytiPikselius(x, y, w, h);
}

// Drawn at one texel per pixel, each texture shows its picture upright and in its
// true colours; the quad's alpha is the picture's, blended over black.
TEST_F(TextureManager, DrawnQuadsShowThePictureUprightInTrueColours) {
  struct Atvejis {
    const char* vardas;
    bool alfa, pilka;
    const char* parinktys;
    int leistina;
  };
  const int w = 16, h = 8;
  const Atvejis atvejai[] = {
      {"rgb.tga", false, false, "-flip -type TrueColor -orient BottomLeft", 1},
      {"top.tga", false, false, "-type TrueColor -orient TopLeft", 1},
      {"alpha.tga", true, false, "-type TrueColorAlpha -orient TopLeft", 2},
      {"rle.tga", false, false, "-flip -type TrueColor -compress RLE -orient BottomLeft", 1},
      {"grey.tga", false, true, "-type Grayscale -orient TopLeft", 1},
      {"rgb.bmp", false, false, "-type TrueColor BMP:", 1},
      {"alpha.bmp", true, false, "-alpha on -define bmp3:alpha=true BMP3:", 2},
      {"pal.bmp", false, false, "-type Palette -compress None BMP3:", 1},
  };
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.vardas);
    auto paveikslas = vaizdai::Rastas(w, h, a.alfa);
    if (a.pilka)
      for (size_t i = 0; i < paveikslas.size(); i += 4) paveikslas[i + 1] = paveikslas[i + 2] = paveikslas[i];
    ASSERT_TRUE(Rasyti(a.vardas, paveikslas, w, h, a.parinktys));
    const std::string kelias = aplankas.Kelias(a.vardas);
    const GLuint vardas = kelias.back() == 'a' ? teksturos.UzkrautiTga(kelias.c_str())
                                               : teksturos.UzkrautiBmp(kelias.c_str());
    ASSERT_NE(vardas, 0u);
    auto tiketina = vaizdai::Apversti(paveikslas, w, h);
    for (size_t i = 0; i < tiketina.size(); i += 4) {
      // An alpha-only texture is white under its alpha; the rest blend by theirs.
      const int alfa = a.pilka ? tiketina[i] : tiketina[i + 3];
      for (int c = 0; c < 3; ++c) tiketina[i + c] = static_cast<unsigned char>(((a.pilka ? 255 : tiketina[i + c]) * alfa + 127) / 255);
    }
    const auto gauta = Piesti(vardas, 100, 200, w, h);
    EXPECT_LE(vaizdai::DidziausiasSkirtumas(gauta, tiketina, true), a.leistina);
  }
  EXPECT_FALSE(zurnalas.Yra("MipMap"));
}

// Sixteen-bit bitmaps: the bitmap suite's plain X-1 R-5 G-5 B-5 file and its 5-6-5
// one hold the suite's 24-bit picture (compared at level 0: GLU's rescale of these
// 127-pixel rows is its own); a plain 16-bit file of our own draws in true colours.
TEST_F(TextureManager, SixteenBitBitmapsShowTrueColoursOpaque) {
  if (const std::string trukumas = BmpSuitesTrukumas(); !trukumas.empty()) GTEST_SKIP() << trukumas;
  const std::string suite = BmpSuitesAplankas() + "g/";
  teksturos.mipmap = false;
  int w = 0, h = 0;
  const auto tiketina = TeksturosVaizdas(teksturos.UzkrautiBmp((suite + "rgb24.bmp").c_str()), w, h);
  ASSERT_EQ(w, 127);
  ASSERT_EQ(h, 64);
  for (const char* failas : {"rgb16.bmp", "rgb16-565.bmp"}) {
    SCOPED_TRACE(failas);
    const GLuint vardas = teksturos.UzkrautiBmp((suite + failas).c_str());
    ASSERT_NE(vardas, 0u);
    int w16 = 0, h16 = 0;
    const auto gauta = TeksturosVaizdas(vardas, w16, h16);
    // Five bits a channel: within one step of 255 / 31; alpha opaque.
    EXPECT_LE(vaizdai::DidziausiasSkirtumas(gauta, tiketina), 9);
  }

  // 16 x 8, bottom row first, each pixel 0RRRRRGGGGGBBBBB with the top bit clear.
  teksturos.mipmap = true;
  std::vector<unsigned char> failas(54, 0), tiketinaPiesti;
  const int pw = 16, ph = 8;
  failas[0] = 'B';
  failas[1] = 'M';
  failas[10] = 54;
  failas[14] = 40;
  failas[18] = pw;
  failas[22] = ph;
  failas[26] = 1;
  failas[28] = 16;
  for (int y = 0; y < ph; ++y)
    for (int x = 0; x < pw; ++x) {
      const unsigned r = (x * 2) % 32, g = (y * 4 + x) % 32, b = (31 - x) % 32;
      const unsigned px = r << 10 | g << 5 | b;
      failas.push_back(px & 0xFF);
      failas.push_back(px >> 8);
      for (unsigned c : {r, g, b}) tiketinaPiesti.push_back(static_cast<unsigned char>((c * 255 + 15) / 31));
      tiketinaPiesti.push_back(255);
    }
  aplankas.Rasyti("x1r5g5b5.bmp", failas);
  const GLuint vardas = teksturos.UzkrautiBmp(aplankas.Kelias("x1r5g5b5.bmp").c_str());
  ASSERT_NE(vardas, 0u);
  EXPECT_LE(vaizdai::DidziausiasSkirtumas(Piesti(vardas, 300, 100, pw, ph), tiketinaPiesti, true), 1);
  EXPECT_FALSE(zurnalas.Yra("MipMap"));
}

TEST_F(TextureManager, MipmapsAreBuiltAndTheFilterAsksForThem) {
  ASSERT_TRUE(Rasyti("m.tga", vaizdai::Rastas(8, 8, false), 8, 8, "-type TrueColor"));
  const GLuint vardas = teksturos.UzkrautiTga(aplankas.Kelias("m.tga").c_str());
  ASSERT_NE(vardas, 0u);
  glBindTexture(GL_TEXTURE_2D, vardas);
  GLint min = 0, mag = 0, lygis3 = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 3, GL_TEXTURE_WIDTH, &lygis3);
  glBindTexture(GL_TEXTURE_2D, 0);
  EXPECT_EQ(min, GL_LINEAR_MIPMAP_LINEAR);
  EXPECT_EQ(mag, GL_LINEAR);
  EXPECT_EQ(lygis3, 1);
  GLint surista = -1;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &surista);
  EXPECT_EQ(surista, 0);
  EXPECT_FALSE(zurnalas.Yra("MipMap"));
}

}  // namespace
