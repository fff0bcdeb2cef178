// The end-to-end runs' screenshot meter on made-up screenshots: where it looks for tanks,
// how it tells the armies apart by place and time, what it leaves out, its verdicts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/tools/Isvestis.h"

#ifdef TANKAI_REGEJIMO_MATUOKLIS

namespace fs = std::filesystem;

namespace {

struct Spalva3 {
  unsigned char r, g, b;
};

// A window's picture; draws in the battle's map pixels (y up, the grid at (25, 5) of
// the 800 by 600 view stretched over the window).
struct Kadras {
  int w, h;
  std::vector<unsigned char> rgb;
  Kadras(int plotis, int aukstis, Spalva3 fonas) : w(plotis), h(aukstis), rgb(static_cast<size_t>(plotis) * aukstis * 3) {
    for (size_t i = 0; i < rgb.size(); i += 3) rgb[i] = fonas.r, rgb[i + 1] = fonas.g, rgb[i + 2] = fonas.b;
  }
  // A square of side a map pixels centred at (mx, my).
  void Kvadratas(double mx, double my, double a, Spalva3 s) {
    const double kx = w / 800.0, ky = h / 600.0;
    const int x0 = static_cast<int>(std::lround((25 + mx - a / 2) * kx)), x1 = static_cast<int>(std::lround((25 + mx + a / 2) * kx));
    const int y0 = static_cast<int>(std::lround(h - (5 + my + a / 2) * ky)), y1 = static_cast<int>(std::lround(h - (5 + my - a / 2) * ky));
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        unsigned char* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
        p[0] = s.r, p[1] = s.g, p[2] = s.b;
      }
  }
  void Rasyti(const fs::path& kelias) const {
    std::ofstream f(kelias, std::ios::binary);
    f << "P6\n" << w << " " << h << "\n255\n";
    f.write(reinterpret_cast<const char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
  }
};

double Centras(int langelis) { return (langelis + 0.5) * 37.5; }

const Spalva3 kZeme{120, 100, 70}, kSviesus{200, 225, 180}, kTamsus{60, 20, 18};
// The old armies: a green and a red of nearly the same lightness.
const Spalva3 kZalias{92, 128, 56}, kRaudonas{158, 41, 31};

class ScreenshotMeter : public ::testing::Test {
 protected:
  void SetUp() override {
    // One folder per case: ctest runs the cases side by side.
    aplankas = fs::path(TANKAI_BINARY_DIR) / "matuoklio_testas" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(aplankas);
    fs::create_directories(aplankas);
  }
  void TearDown() override {
    fs::remove_all(aplankas);
    std::error_code klaida;
    fs::remove(aplankas.parent_path(), klaida);  // the last case out takes the folder
  }

  // The arguments for one battle: a reference frame at t0 and shots at the given times.
  std::string Musis(const Kadras& pagrindas, double t0, const std::vector<std::pair<Kadras, double>>& kadrai) {
    const std::string vardas = "b" + std::to_string(musiai++) + "_";
    pagrindas.Rasyti(aplankas / (vardas + "ref.ppm"));
    std::string a = " '" + (aplankas / (vardas + "ref.ppm")).string() + "' " + std::to_string(t0);
    for (size_t i = 0; i < kadrai.size(); ++i) {
      const fs::path p = aplankas / (vardas + std::to_string(i) + ".ppm");
      kadrai[i].first.Rasyti(p);
      a += " '" + p.string() + "' " + std::to_string(kadrai[i].second);
    }
    return a;
  }
  // The meter's exit status for the given arguments.
  int Paleisti(const std::string& argumentai) {
    int kodas = 0;
    isvestis = Isvestis(std::string("'") + TANKAI_REGEJIMO_MATUOKLIS + "'" + argumentai + " 2>&1", kodas);
    return WIFEXITED(kodas) ? WEXITSTATUS(kodas) : -1;
  }
  int Matuoti(const Kadras& pagrindas, double t0, const std::vector<std::pair<Kadras, double>>& kadrai) {
    return Paleisti(Musis(pagrindas, t0, kadrai));
  }

  // Two shots, each with one tank of each army on the lanes of the grid, in other cells.
  std::vector<std::pair<Kadras, double>> DviArmijos(Spalva3 savi, Spalva3 priesai, int w = 800, int h = 600) {
    std::vector<std::pair<Kadras, double>> k;
    for (int i = 0; i < 2; ++i) {
      Kadras s(w, h, kZeme);
      s.Kvadratas(Centras(9), Centras(2 + i), 24, savi);
      s.Kvadratas(Centras(6), Centras(12 - i), 24, priesai);
      k.emplace_back(s, 1.5 + i * 0.5);
    }
    return k;
  }

  fs::path aplankas;
  std::string isvestis;
  int musiai = 0;
};

}  // namespace

TEST_F(ScreenshotMeter, LightAndDarkArmiesPassAndEachTankIsPlacedByTheGrid) {
  auto k = DviArmijos(kSviesus, kTamsus);
  k[1].first.Kvadratas(Centras(12), Centras(11), 24, kTamsus);
  k[1].first.Kvadratas(Centras(16) - 20, Centras(11), 24, kTamsus);  // half-way from one cell to the next
  EXPECT_EQ(0, Matuoti(Kadras(800, 600, kZeme), 0.3, k)) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("player's army (LT): seen 2 times in 2 cells")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("enemy army (RU): seen 4 times in 4 cells")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("enemy tank at cell (15, 11)")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("player's tank at cell (9, 2)")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("player's tank at cell (9, 3)")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("enemy tank at cell (6, 12)")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("enemy tank at cell (6, 11)")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("greyscale")) << isvestis;
  EXPECT_EQ(std::string::npos, isvestis.find("FAIL")) << isvestis;
}

TEST_F(ScreenshotMeter, ArmiesApartOnlyInHueFail) {
  EXPECT_EQ(1, Matuoti(Kadras(800, 600, kZeme), 0.3, DviArmijos(kZalias, kRaudonas))) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("deuteranopia")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("FAIL")) << isvestis;
}

TEST_F(ScreenshotMeter, AWindowOfAnotherSizeIsMeasuredTheSame) {
  EXPECT_EQ(0, Matuoti(Kadras(1000, 750, kZeme), 0.3, DviArmijos(kSviesus, kTamsus, 1000, 750))) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("enemy tank at cell (6, 11)")) << isvestis;
  EXPECT_EQ(1, Matuoti(Kadras(640, 480, kZeme), 0.3, DviArmijos(kZalias, kRaudonas, 640, 480))) << isvestis;
}

TEST_F(ScreenshotMeter, OneCellPerArmyIsTooFewToJudge) {
  auto k = DviArmijos(kSviesus, kTamsus);
  k.pop_back();
  EXPECT_EQ(2, Matuoti(Kadras(800, 600, kZeme), 0.3, k)) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("too few")) << isvestis;
}

TEST_F(ScreenshotMeter, BattlesAddUpTheirTanks) {
  // Each battle shows each army in one cell only: too few alone, enough together.
  auto k = DviArmijos(kSviesus, kTamsus);
  k.pop_back();
  const Kadras pagrindas(800, 600, kZeme);
  const std::string pirmas = Musis(pagrindas, 0.3, k);
  EXPECT_EQ(2, Paleisti(pirmas)) << isvestis;
  const std::string antras = Musis(pagrindas, 0.3, k);
  EXPECT_EQ(0, Paleisti(pirmas + " --" + antras)) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("battle 2, reference")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("player's army (LT): seen 2 times in 2 cells")) << isvestis;
  // A battle without a shot, or a file that is not there, is an error, not a verdict.
  EXPECT_EQ(3, Paleisti(pirmas + " -- " + (aplankas / "b0_ref.ppm").string() + " 0.3")) << isvestis;
  EXPECT_EQ(3, Paleisti(pirmas + " -- /nonexistent.ppm 0.3 /nonexistent.ppm 1")) << isvestis;
  EXPECT_EQ(3, Paleisti("")) << isvestis;
}

TEST_F(ScreenshotMeter, WhatCannotBeATankOfOneArmyIsLeftOut) {
  std::vector<std::pair<Kadras, double>> k;
  for (int i = 0; i < 2; ++i) {
    Kadras s(800, 600, kZeme);
    // Off the lines through the cell centres.
    s.Kvadratas(Centras(9) + 9, Centras(3 + i) + 9, 24, kSviesus);
    // Where neither army's tank can be yet: mid-field, one second in.
    s.Kvadratas(Centras(4), Centras(7), 24, kTamsus);
    // A whole cell changed: a broken wall, no tank.
    s.Kvadratas(Centras(15), Centras(10 + i), 37.5, kTamsus);
    // A small fleck: a shell.
    s.Kvadratas(Centras(12), Centras(4 + i), 10, kSviesus);
    // Inside the band the reference may hold tanks that had already moved.
    s.Kvadratas(Centras(10), Centras(1), 24, kSviesus);
    k.emplace_back(s, 1.0);
  }
  EXPECT_EQ(2, Matuoti(Kadras(800, 600, kZeme), 0.3, k)) << isvestis;
  EXPECT_EQ(std::string::npos, isvestis.find("tank at cell")) << isvestis;
}

TEST_F(ScreenshotMeter, WhereBothArmiesCouldBeByNowCountsForNeither) {
  // Five seconds in, a tank of either army may have reached the middle rows; the
  // player's side of the field still holds only the player's tanks.
  std::vector<std::pair<Kadras, double>> k;
  for (int i = 0; i < 2; ++i) {
    Kadras s(800, 600, kZeme);
    s.Kvadratas(Centras(9), Centras(6 + i), 24, kSviesus);
    s.Kvadratas(Centras(4), Centras(8 - i), 24, kTamsus);
    s.Kvadratas(Centras(14), Centras(2 + i), 24, kSviesus);
    k.emplace_back(s, 5.0);
  }
  EXPECT_EQ(2, Matuoti(Kadras(800, 600, kZeme), 0.3, k)) << isvestis;
  EXPECT_EQ(std::string::npos, isvestis.find("enemy tank")) << isvestis;
  EXPECT_EQ(std::string::npos, isvestis.find("cell (9, ")) << isvestis;
  EXPECT_EQ(std::string::npos, isvestis.find("cell (4, ")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("player's tank at cell (14, 3)")) << isvestis;
}

TEST_F(ScreenshotMeter, TheReferenceFrameBoundsTheBareField) {
  // A reference taken late: the player's tanks may already stand up to row 3 in it, the
  // enemy's down to row 11, so what differs there later says nothing.
  std::vector<std::pair<Kadras, double>> k;
  for (int i = 0; i < 2; ++i) {
    Kadras s(800, 600, kZeme);
    s.Kvadratas(Centras(9 + i), Centras(3), 24, kSviesus);
    s.Kvadratas(Centras(12 + i), Centras(11), 24, kTamsus);
    s.Kvadratas(Centras(6 + i), Centras(10), 24, kTamsus);
    k.emplace_back(s, 2.5);
  }
  EXPECT_EQ(2, Matuoti(Kadras(800, 600, kZeme), 1.5, k)) << isvestis;
  EXPECT_EQ(std::string::npos, isvestis.find("player's tank")) << isvestis;
  EXPECT_EQ(std::string::npos, isvestis.find(", 11)")) << isvestis;
  EXPECT_NE(std::string::npos, isvestis.find("enemy tank at cell (7, 10)")) << isvestis;
}

TEST_F(ScreenshotMeter, WritesTheFourViewsOfAPicture) {
  Kadras k(64, 32, Spalva3{255, 0, 0});
  k.Rasyti(aplankas / "raudona.ppm");
  int kodas = 0;
  isvestis = Isvestis(std::string("'") + TANKAI_REGEJIMO_MATUOKLIS + "' --views '" + (aplankas / "raudona.ppm").string() +
                          "' '" + (aplankas / "v").string() + "' 2>&1",
                      kodas);
  ASSERT_EQ(0, kodas) << isvestis;
  struct Atvejis {
    const char* vaizdas;
    int r, g, b;
  } atvejai[] = {{"protanopia", 109, 95, 0}, {"deuteranopia", 163, 144, 0}, {"tritanopia", 255, 0, 15},
                 {"greyscale", 127, 127, 127}};
  for (const Atvejis& a : atvejai) {
    const std::string p = (aplankas / ("v-" + std::string(a.vaizdas) + ".ppm")).string();
    const std::string v = Isvestis("convert '" + p + "' -format '%w %h %[pixel:p{5,5}]' info: 2>&1", kodas);
    EXPECT_EQ("64 32 srgb(" + std::to_string(a.r) + "," + std::to_string(a.g) + "," + std::to_string(a.b) + ")", v)
        << a.vaizdas;
  }
  EXPECT_FALSE(fs::exists(aplankas / "v-normal.ppm"));
  EXPECT_EQ(3, WEXITSTATUS(std::system((std::string("'") + TANKAI_REGEJIMO_MATUOKLIS + "' --views /nonexistent.ppm x 2>/dev/null").c_str())));
}

#else

TEST(ScreenshotMeter, NeedsTheMeter) { GTEST_SKIP() << "this build has no screenshot meter"; }

#endif
