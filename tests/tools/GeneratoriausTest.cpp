// The data generator: same bytes on every run, and every file read by the game's own
// loaders and accepted by the usual external tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "audio/KOgg.h"
#include "audio/OpenAl.h"
#include "audio/KWav.h"
#include "config/KNustatymai.h"
#include "core/Kalbos.h"
#include "core/ZaidimoSkaiciai.h"
#include "tests/common/ZurnaloGaudykle.h"
#include "tests/tools/DuomenuVaizdas.h"
#include "tests/tools/Isvestis.h"

namespace fs = std::filesystem;

namespace {

const char* const kFailai[] = {"zeme.tga",      "siena.tga",    "LT.tga",         "RU.tga",
                               "rodykle.tga",   "intro.tga",    "pagalba.tga",    "meniu.tga",
                               "meniuPav.tga",  "pagalbosPuslapis.tga", "pagalbaF1.tga", "zyme.tga",
                               "blyksniai.tga", "juosta.tga",   "suvis.wav",      "sprogimas.wav",
                               "spaud.wav",     "muzika.ogg",   "muzikaFonui.ogg"};

std::vector<unsigned char> Skaityti(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), {});
}

// Runs the generator into folder; its exit status.
int Generuoti(const fs::path& aplankas) {
  const std::string komanda = std::string("\"") + TANKAI_DUOMENYS_EXE + "\" \"" + aplankas.string() + "\"";
  return std::system(komanda.c_str());
}

// The other cases read what the build generated, so only the first runs it again.
class DataGenerator : public ::testing::Test {};

}  // namespace

TEST_F(DataGenerator, TwoRunsAndTheBuildGiveTheSameBytes) {
  const fs::path virsus = fs::path(TANKAI_BINARY_DIR) / "generatoriaus_testas";
  fs::remove_all(virsus);
  const std::vector<fs::path> aplankai = {virsus / "a", virsus / "b"};
  ASSERT_EQ(0, Generuoti(aplankai[0]));
  ASSERT_EQ(0, Generuoti(aplankai[1]));
  std::set<std::string> rasti;
  for (const auto& e : fs::recursive_directory_iterator(aplankai[0] / "duomenys"))
    rasti.insert(e.path().lexically_relative(aplankai[0] / "duomenys").generic_string());
  // Every other language's pictures in a folder of its own.
  std::set<std::string> laukiami(std::begin(kFailai), std::end(kFailai));
  for (int k = KALBA_LT + 1; k < KALBU_KIEKIS; ++k) {
    laukiami.insert(KALBU_KODAI[k]);
    for (const char* p : KALBOS_PAVEIKSLAI) laukiami.insert(std::string(KALBU_KODAI[k]) + "/" + p);
  }
  EXPECT_EQ(laukiami, rasti);
  for (const std::string& f : laukiami) {
    if (fs::is_directory(aplankai[0] / "duomenys" / f)) continue;
    const auto a = Skaityti(aplankai[0] / "duomenys" / f);
    EXPECT_FALSE(a.empty()) << f;
    EXPECT_TRUE(a == Skaityti(aplankai[1] / "duomenys" / f)) << f << " differs between runs";
    EXPECT_TRUE(a == Skaityti(Duomenys() / f)) << f << " differs from the build's";
  }
  // Each language's pictures are its own: its words differ from the Lithuanian ones.
  for (int k = KALBA_LT + 1; k < KALBU_KIEKIS; ++k)
    for (const char* p : KALBOS_PAVEIKSLAI)
      EXPECT_FALSE(Skaityti(aplankai[0] / "duomenys" / p) == Skaityti(aplankai[0] / "duomenys" / KALBU_KODAI[k] / p))
          << KALBU_KODAI[k] << "/" << p << " is the Lithuanian picture";
  EXPECT_TRUE(Skaityti(aplankai[0] / "settings.cfg") == Skaityti(aplankai[1] / "settings.cfg"));
  fs::remove_all(virsus);
}

TEST_F(DataGenerator, WithoutAFolderItSaysHowToUseIt) {
  const std::string komanda = std::string("\"") + TANKAI_DUOMENYS_EXE + "\" 2>&1";
  int kodas = 0;
  const std::string tekstas = Isvestis(komanda, kodas);
  EXPECT_NE(0, kodas);
  EXPECT_NE(std::string::npos, tekstas.find("Naudojimas")) << tekstas;
}

TEST_F(DataGenerator, PicturesLoadWithTheGameLoaderAndImageMagick) {
  struct Atvejis {
    const char* failas;
    int plotis, aukstis, bpp;
  } atvejai[] = {{"zeme.tga", 128, 128, 24},    {"siena.tga", 128, 128, 24},   {"LT.tga", 512, 128, 32},
                 {"RU.tga", 512, 128, 32},      {"rodykle.tga", 128, 128, 32}, {"intro.tga", 512, 512, 32},
                 {"pagalba.tga", 512, 512, 32}, {"meniu.tga", 512, 512, 32},   {"meniuPav.tga", 1024, 512, 24},
                 {"pagalbosPuslapis.tga", 512, 512, 32}, {"pagalbaF1.tga", 512, 512, 32}, {"zyme.tga", 64, 64, 32},
                 {"blyksniai.tga", 1024, 128, 32},       {"juosta.tga", 1024, 128, 32}};
  std::vector<std::pair<std::string, Atvejis>> visi;
  for (const Atvejis& a : atvejai) {
    visi.push_back({a.failas, a});
    // The other languages' pictures have the Lithuanian ones' shape.
    for (const char* p : KALBOS_PAVEIKSLAI)
      if (std::string(p) == a.failas)
        for (int k = KALBA_LT + 1; k < KALBU_KIEKIS; ++k) visi.push_back({std::string(KALBU_KODAI[k]) + "/" + p, a});
  }
  for (const auto& [failas, a] : visi) {
    DuomenuVaizdas v(failas);
    EXPECT_EQ(a.plotis, v.tga.plotis) << failas;
    EXPECT_EQ(a.aukstis, v.tga.aukstis) << failas;
    EXPECT_EQ(a.bpp, v.tga.bpp) << failas;
    EXPECT_EQ(a.bpp == 32 ? GLenum(GL_BGRA) : GLenum(GL_BGR), v.tga.formatas) << failas;
    EXPECT_EQ(a.plotis * a.aukstis * a.bpp / 8, v.tga.dydis) << failas;
    EXPECT_EQ(static_cast<uintmax_t>(18 + v.tga.dydis), fs::file_size(Duomenys() / failas))
        << failas << ": nothing but the header and the pixels";
    int kodas = 0;
    const std::string id =
        Isvestis("identify -format '%w %h %[channels]' '" + (Duomenys() / failas).string() + "' 2>&1", kodas);
    EXPECT_EQ(0, kodas) << id;
    EXPECT_EQ(std::to_string(a.plotis) + " " + std::to_string(a.aukstis) + (a.bpp == 32 ? " srgba" : " srgb"), id)
        << failas;
  }
}

TEST_F(DataGenerator, ArmySheetsHoldHullTurretAndShellInTheirRanges) {
  for (const char* failas : {"LT.tga", "RU.tga"}) {
    DuomenuVaizdas v(failas);
    const int w = v.tga.plotis, h = v.tga.aukstis;
    auto Nematomas = [&](int x0, int x1) {
      for (int x = x0; x < x1; ++x)
        for (int y = 0; y < h; ++y)
          if (v.A(x, y) != 0) return false;
      return true;
    };
    // Clear between and around the three pictures, so neither bleeds into a quad.
    // Texel x serves texture coordinates around (x + 0.5) / w: the first texel past
    // each range and the texels either side of it stay clear.
    auto Uz = [&](double s) { return static_cast<int>(std::ceil(s * w - 0.5)); };
    EXPECT_TRUE(Nematomas(Uz(KORPUSO_S1) - 1, Uz(BOKSTELIO_S0) + 1)) << failas;
    EXPECT_TRUE(Nematomas(Uz(BOKSTELIO_S1) - 1, Uz(SOVINIO_S0) + 1)) << failas;
    EXPECT_TRUE(Nematomas(Uz(SOVINIO_S1) - 1, w)) << failas;
    EXPECT_TRUE(Nematomas(0, 1)) << failas;
    for (int x = 0; x < w; ++x) {
      EXPECT_EQ(0, v.A(x, 0)) << failas << " bottom row, x " << x;
      EXPECT_EQ(0, v.A(x, h - 1)) << failas << " top row, x " << x;
      if (HasFailure()) break;
    }
    // The turret points up: its top quarter holds only the narrow barrel, its lower
    // half the wide body.
    const int t0 = static_cast<int>(BOKSTELIO_S0 * w), t1 = static_cast<int>(BOKSTELIO_S1 * w), tc = (t0 + t1) / 2;
    int barelisPlotis = 0, kunoPlotis = 0;
    for (int x = t0; x < t1; ++x) {
      if (v.A(x, h * 7 / 8) > 128) ++barelisPlotis;
      if (v.A(x, h * 1 / 4) > 128) ++kunoPlotis;
    }
    EXPECT_GT(barelisPlotis, 0) << failas;
    EXPECT_LT(barelisPlotis, (t1 - t0) / 4) << failas;
    EXPECT_GT(kunoPlotis, (t1 - t0) * 2 / 3) << failas;
    EXPECT_EQ(0, v.A(t0 + 2, h * 7 / 8)) << failas;
    EXPECT_GT(v.A(tc, h * 7 / 8), 128) << failas;
    // The shell's bright head is in its upper half.
    const int s0 = static_cast<int>(0.9 * w), s1 = static_cast<int>(0.99 * w);
    int sviesiausiaEile = 0, sviesiausia = -1;
    for (int y = 0; y < h; ++y) {
      const unsigned char* p = v.P((s0 + s1) / 2, y);
      const int s = (p[0] + p[1] + p[2]) * v.A((s0 + s1) / 2, y);
      if (s > sviesiausia) sviesiausia = s, sviesiausiaEile = y;
    }
    EXPECT_GT(sviesiausiaEile, h / 2) << failas;
  }
  // The armies differ by colour: the player's hull is green, the enemy's red.
  DuomenuVaizdas lt("LT.tga"), ru("RU.tga");
  const int x = static_cast<int>(0.22 * lt.tga.plotis), y = lt.tga.aukstis / 2;
  const unsigned char* g = lt.P(x, y);
  const unsigned char* r = ru.P(x, y);
  EXPECT_GT(g[1], g[2] + 30) << "green over red in LT";
  EXPECT_GT(r[2], r[1] + 60) << "red over green in RU";
  EXPECT_EQ(255, lt.A(x, y));
  EXPECT_EQ(255, ru.A(x, y));
}

TEST_F(DataGenerator, GroundAndWallTileWithoutASeam) {
  // The edge where one tile meets the next is no stronger than the strongest edge
  // between neighbouring rows or columns inside the tile (a brick joint, say).
  for (const char* failas : {"zeme.tga", "siena.tga"}) {
    DuomenuVaizdas v(failas);
    const int w = v.tga.plotis, h = v.tga.aukstis;
    auto Skirtumas = [&](int xa, int ya, int xb, int yb) {
      const unsigned char *a = v.P(xa, ya), *b = v.P(xb, yb);
      return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
    };
    auto Stulpeliai = [&](int xa, int xb) {
      double s = 0;
      for (int y = 0; y < h; ++y) s += Skirtumas(xa, y, xb, y);
      return s / h;
    };
    auto Eilutes = [&](int ya, int yb) {
      double s = 0;
      for (int x = 0; x < w; ++x) s += Skirtumas(x, ya, x, yb);
      return s / w;
    };
    double stipriausias = 0, vidurkis = 0;
    for (int x = 0; x + 1 < w; ++x) {
      stipriausias = std::max(stipriausias, Stulpeliai(x, x + 1));
      vidurkis += Stulpeliai(x, x + 1) / (w - 1);
    }
    EXPECT_LE(Stulpeliai(w - 1, 0), stipriausias) << failas << " left/right seam";
    EXPECT_GT(vidurkis, 1.0) << failas << ": a texture, not a flat colour";
    stipriausias = 0;
    for (int y = 0; y + 1 < h; ++y) stipriausias = std::max(stipriausias, Eilutes(y, y + 1));
    EXPECT_LE(Eilutes(h - 1, 0), stipriausias) << failas << " top/bottom seam";
  }
}

TEST_F(DataGenerator, MarkerIsASoftFlashClearAtItsEdges) {
  DuomenuVaizdas v("rodykle.tga");
  const int w = v.tga.plotis, h = v.tga.aukstis;
  for (int i = 0; i < w; ++i) {
    EXPECT_EQ(0, v.A(i, 0));
    EXPECT_EQ(0, v.A(i, h - 1));
    EXPECT_EQ(0, v.A(0, i));
    EXPECT_EQ(0, v.A(w - 1, i));
  }
  EXPECT_GT(v.A(w / 2, h / 2), 200);
  int matomi = 0, pusiau = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int a = v.A(x, y);
      matomi += a > 0;
      pusiau += a > 0 && a < 200;
    }
  EXPECT_GT(pusiau * 2, matomi) << "mostly soft alpha, no hard-edged block";
}

namespace {
// The three items of one language's meniu.tga.
void MeniuJuostos(const std::string& failas) {
  DuomenuVaizdas v(failas);
  const int w = v.tga.plotis, juosta = v.tga.aukstis / 4;
  for (int y = 0; y < juosta; ++y)
    for (int x = 0; x < w; ++x) ASSERT_EQ(0, v.A(x, y)) << "the unused band at (" << x << ", " << y << ")";
  for (int i = 0; i < 3; ++i) {
    const int apacia = (3 - i) * juosta;
    // Neighbours overlap by 20 of the 140 units at each end of an item.
    const int kliutis = juosta * 20 / 140;
    int baltu = 0;
    for (int y = apacia; y < apacia + juosta; ++y)
      for (int x = 0; x < w; ++x) {
        const bool krastas = y < apacia + kliutis || y >= apacia + juosta - kliutis;
        if (krastas) {
          EXPECT_EQ(0, v.A(x, y)) << "item " << i << " at (" << x << ", " << y << ")";
        }
        const unsigned char* p = v.P(x, y);
        baltu += p[0] > 235 && p[1] > 235 && p[2] > 235 && p[3] > 235;
      }
    EXPECT_GT(baltu, 300) << "item " << i << " has white letters for the tint to colour";
    if (::testing::Test::HasFailure()) return;
  }
}
}  // namespace

TEST_F(DataGenerator, MenuBandsAreWhiteTextClearOfTheOverlaps) {
  for (int k = 0; k < KALBU_KIEKIS; ++k) {
    SCOPED_TRACE(KALBU_KODAI[k]);
    MeniuJuostos(k == KALBA_LT ? "meniu.tga" : std::string(KALBU_KODAI[k]) + "/meniu.tga");
  }
}

TEST_F(DataGenerator, SamplesLoadWithTheGameLoaderAndSox) {
  struct Atvejis {
    const char* failas;
    double nuo, iki;  // seconds
  } atvejai[] = {{"suvis.wav", 0.5, 1.5}, {"sprogimas.wav", 1.5, 3.0}, {"spaud.wav", 0.02, 0.12}};
  for (const Atvejis& a : atvejai) {
    const std::string kelias = (Duomenys() / a.failas).string();
    KWav wav;
    wav.Skaityti(kelias.c_str());
    EXPECT_EQ(1, wav.formatoZyme) << a.failas;
    EXPECT_EQ(1, wav.kanalai) << a.failas;
    EXPECT_EQ(16, wav.bitai) << a.failas;
    EXPECT_EQ(44100u, wav.daznis) << a.failas;
    EXPECT_EQ(uint32_t(AL_FORMAT_MONO16), wav.alFormatas) << a.failas;
    const size_t n = wav.blokoDydis / 2;
    const double trukme = static_cast<double>(n) / wav.daznis;
    EXPECT_GE(trukme, a.nuo) << a.failas;
    EXPECT_LE(trukme, a.iki) << a.failas;
    int virsune = 0;
    for (size_t i = 0; i < n; ++i) {
      const int16_t s = static_cast<int16_t>(wav.duomenys[2 * i] | (wav.duomenys[2 * i + 1] << 8));
      virsune = std::max(virsune, std::abs(int(s)));
    }
    EXPECT_GT(virsune, 32767 / 2) << a.failas << ": loud enough";
    EXPECT_LT(virsune, 32767) << a.failas << ": not clipped";
    const int16_t paskutinis = static_cast<int16_t>(wav.duomenys[2 * n - 2] | (wav.duomenys[2 * n - 1] << 8));
    EXPECT_LT(std::abs(int(paskutinis)), 200) << a.failas << " ends in silence, no click at the end";
    int kodas = 0;
    std::string sox;
    for (const char* k : {"-r", "-c", "-b", "-s"}) sox += Isvestis(std::string("soxi ") + k + " '" + kelias + "' 2>&1", kodas);
    EXPECT_EQ(0, kodas) << sox;
    EXPECT_EQ("44100\n1\n16\n" + std::to_string(n) + "\n", sox) << a.failas;
  }
}

TEST_F(DataGenerator, MusicIsALongSeamlessLoopOfWholeChunks) {
  // The track as it always was, and the same mastered to a steady, lower level.
  struct Atvejis {
    const char* failas;
    double rmsNuo, rmsIki;
  } atvejai[] = {{"muzika.ogg", 0.15, 0.3}, {"muzikaFonui.ogg", 0.06, 0.08}};
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(a.failas);
    const std::string kelias = (Duomenys() / a.failas).string();
    int kodas = 0;
    const std::string info = Isvestis("ogginfo '" + kelias + "' 2>&1", kodas);
    EXPECT_EQ(0, kodas) << info;

    KOgg ogg;
    ogg.Atidaryti(kelias.c_str());
    ASSERT_TRUE(ogg.atidarytas);
    EXPECT_EQ(uint32_t(AL_FORMAT_STEREO16), ogg.alFormatas);
    EXPECT_EQ(44100u, ogg.daznis);
    const ogg_int64_t kadrai = ov_pcm_total(&ogg.dekoderis, -1);
    EXPECT_GE(kadrai, 30 * 44100);
    // The game drops what is left after the last whole 16,384-frame chunk: none is left.
    EXPECT_EQ(0, kadrai % 16384);

    // Every chunk of one pass, then the first of the next, as the looping stream gives them.
    ogg.kartoti = true;
    const size_t gabalai = static_cast<size_t>(kadrai / 16384);
    std::vector<int16_t> pcm;
    for (size_t i = 0; i <= gabalai; ++i) {
      ASSERT_TRUE(ogg.Skaityti());
      const int16_t* p = reinterpret_cast<const int16_t*>(ogg.pcm);
      pcm.insert(pcm.end(), p, p + KOgg::BUFERIO_DYDIS / 2);
    }
    const size_t perejimas = gabalai * KOgg::BUFERIO_DYDIS / 2;
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.begin() + KOgg::BUFERIO_DYDIS / 2, pcm.begin() + perejimas))
        << "after the end the stream starts again from its first sample";

    // Across the seam the signal jumps no more than the music does inside the loop:
    // a tail cut off at the end would. (The downbeat's drums begin right at the seam.)
    std::vector<int> zingsniai;
    double kvadratai = 0;
    for (size_t i = 2; i < perejimas; ++i) {
      zingsniai.push_back(std::abs(pcm[i] - pcm[i - 2]));
      kvadratai += double(pcm[i]) * pcm[i];
    }
    std::sort(zingsniai.begin(), zingsniai.end());
    const int iprastas = zingsniai[zingsniai.size() * 99 / 100];
    for (int k = 0; k < 2; ++k)
      EXPECT_LE(std::abs(pcm[perejimas + k] - pcm[perejimas - 2 + k]), 2 * iprastas) << "channel " << k;
    const double rms = std::sqrt(kvadratai / perejimas) / 32768;
    EXPECT_GT(rms, a.rmsNuo) << "music, not near silence";
    EXPECT_LT(rms, a.rmsIki);
  }
}

TEST_F(DataGenerator, SettingsGiveTheGameItsTitleAnd800By600) {
  ZurnaloGaudykle zurnalas;
  KNustatymai n;
  n.Skaityti((fs::path(TANKAI_BINARY_DIR) / "settings.cfg").string().c_str());
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
  EXPECT_EQ(800, n.plotis);
  EXPECT_EQ(600, n.aukstis);
  EXPECT_STREQ("Tankai", n.pavad);
  EXPECT_FALSE(n.fullscr);
  EXPECT_TRUE(n.vsync);
  EXPECT_STREQ("TankaiLangas", n.klase);
  // What a new player needs, on in the file that ships.
  EXPECT_EQ(1, n.zymeklis);
  EXPECT_EQ(1, n.busenosJuosta);
  EXPECT_EQ(1, n.pataikymai);
  EXPECT_EQ(1, n.miksas);
  EXPECT_EQ(1, n.tiksliPagalba) << "the last line was reached: nothing stopped the reading early";
}
