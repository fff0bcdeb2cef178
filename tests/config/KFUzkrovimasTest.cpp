#include "config/KFUzkrovimas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/common/ZurnaloGaudykle.h"

namespace fs = std::filesystem;

namespace {

const char* const PER_TOLI = "FUzkrovimas: bandoma gauti failo pavadinima su per dideliu indeksu";

class FolderScan : public ::testing::Test {
 protected:
  void SetUp() override {
    pradinis = fs::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    aplankas = fs::temp_directory_path() /
               ("tankai_fuzk_" + std::string(info->name()) + "_" + std::to_string(std::random_device{}()));
    fs::create_directories(aplankas);
  }
  void TearDown() override {
    fs::current_path(pradinis);
    std::error_code ec;
    fs::permissions(aplankas / "uzrakintas", fs::perms::owner_all, ec);
    fs::remove_all(aplankas, ec);
  }
  static void Sukurti(const fs::path& p) { std::ofstream(p) << "x"; }

  // The folder text with its trailing separator, as a user passes it.
  std::string Aplankas(const fs::path& p) const { return p.string() + "/"; }

  // Every path the object hands out, until the end.
  static std::vector<std::string> Visi(KFUzkrovimas& f) {
    std::vector<std::string> v;
    while (const char* k = f.GautiPavadinima()) v.emplace_back(k);
    return v;
  }

  fs::path pradinis, aplankas;
};

TEST_F(FolderScan, LimitOf127Paths) {
  for (int failu : {1, 126, 127, 128, 200}) {
    SCOPED_TRACE(failu);
    const fs::path d = aplankas / ("d" + std::to_string(failu));
    fs::create_directories(d);
    std::set<std::string> vardai;
    for (int i = 0; i < failu; ++i) {
      const std::string vardas = "garsas" + std::to_string(i) + ".wav";
      vardai.insert(vardas);
      Sukurti(d / vardas);
    }
    // Files of other types beside them never count toward the limit.
    for (int i = 0; i < 20; ++i) Sukurti(d / ("vaizdas" + std::to_string(i) + ".tga"));

    ZurnaloGaudykle zurnalas;
    KFUzkrovimas f;
    const std::string folderis = Aplankas(d);
    f.Ieskoti(folderis.c_str(), "wav");
    const int tiketina = std::min(failu, 127);
    EXPECT_EQ(f.kiekis, tiketina);
    EXPECT_TRUE(f.uzpildyta);
    for (int i = tiketina; i < KFUzkrovimas::TALPA; ++i) EXPECT_EQ(f.keliai[i], nullptr) << i;

    const std::vector<std::string> keliai = Visi(f);
    ASSERT_EQ(static_cast<int>(keliai.size()), tiketina);
    std::set<std::string> gauti;
    for (const std::string& k : keliai) {
      ASSERT_EQ(k.rfind(folderis, 0), 0u) << k;
      const std::string vardas = k.substr(folderis.size());
      EXPECT_EQ(vardai.count(vardas), 1u) << k;
      gauti.insert(vardas);
      std::FILE* fp = std::fopen(k.c_str(), "rb");  // the path reaches the file itself
      EXPECT_NE(fp, nullptr) << k;
      if (fp) std::fclose(fp);
    }
    EXPECT_EQ(static_cast<int>(gauti.size()), tiketina);  // no path twice

    if (failu > 127) {
      ASSERT_EQ(zurnalas.Pranesimai().size(), 1u);
      EXPECT_EQ(zurnalas.Pranesimai()[0],
                "Aplanke '" + folderis + "' per daug failu su pletiniu '.wav', maksimalus skaicius yra 127");
    } else {
      EXPECT_TRUE(zurnalas.Pranesimai().empty());
    }
  }
}

TEST_F(FolderScan, ExtensionMatch) {
  for (const char* v : {"a.WAV", "b.Wav", "c.wav", ".wav", "f.x.wav", "d.wavx", "ewav", "f.wav.bak", "g.av",
                        "wav", "h.wa"})
    Sukurti(aplankas / v);
  fs::create_directory(aplankas / "poaplankis.wav");  // sub-folders are listed like files
  fs::create_directory(aplankas / "kitas");

  struct {
    const char* pletinys;
    std::set<std::string> tiketina;
  } atvejai[] = {
      {"wav", {"a.WAV", "b.Wav", "c.wav", ".wav", "f.x.wav", "poaplankis.wav"}},
      {"WAV", {"a.WAV", "b.Wav", "c.wav", ".wav", "f.x.wav", "poaplankis.wav"}},
      {"bak", {"f.wav.bak"}},
      {"av", {"g.av"}},
      {"ogg", {}},
      {nullptr,
       {"a.WAV", "b.Wav", "c.wav", ".wav", "f.x.wav", "d.wavx", "ewav", "f.wav.bak", "g.av", "wav", "h.wa",
        "poaplankis.wav", "kitas"}},
  };
  const std::string folderis = Aplankas(aplankas);
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.pletinys ? a.pletinys : "(nera)");
    ZurnaloGaudykle zurnalas;
    KFUzkrovimas f;
    f.Ieskoti(folderis.c_str(), a.pletinys);
    std::set<std::string> gauti;
    for (const std::string& k : Visi(f)) gauti.insert(k.substr(folderis.size()));
    EXPECT_EQ(gauti, a.tiketina);
    EXPECT_EQ(f.kiekis, static_cast<int>(a.tiketina.size()));
    EXPECT_EQ(f.uzpildyta, !a.tiketina.empty());
    EXPECT_TRUE(zurnalas.Pranesimai().empty());
  }
}

TEST_F(FolderScan, FolderWithoutASeparator) {
  fs::current_path(aplankas);
  fs::create_directory("duomenys");
  Sukurti("duomenys/suvis.wav");
  Sukurti("duomenys/spaud.wav");

  ZurnaloGaudykle zurnalas;
  KFUzkrovimas f;
  f.Ieskoti("duomenys", "wav");
  ASSERT_EQ(zurnalas.Pranesimai().size(), 1u);
  EXPECT_EQ(zurnalas.Pranesimai()[0], "Blogas aplanko adresas: 'duomenys', truksta '\\' simbolio");
  std::set<std::string> gauti;
  for (const std::string& k : Visi(f)) gauti.insert(k);
  EXPECT_EQ(gauti, (std::set<std::string>{"duomenys\\suvis.wav", "duomenys\\spaud.wav"}));
}

TEST_F(FolderScan, SeparatorsAndTheEmptyFolderName) {
  fs::current_path(aplankas);
  fs::create_directory("duomenys");
  Sukurti("duomenys/zeme.tga");
  Sukurti("LT.tga");

  struct {
    const char* aplankas;
    std::set<std::string> tiketina;
  } atvejai[] = {
      {"duomenys/", {"duomenys/zeme.tga"}},
      {"./duomenys/", {"./duomenys/zeme.tga"}},
      {"", {"LT.tga"}},  // the working directory: bare names
  };
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.aplankas);
    ZurnaloGaudykle zurnalas;
    KFUzkrovimas f;
    f.Ieskoti(a.aplankas, "tga");
    std::set<std::string> gauti;
    for (const std::string& k : Visi(f)) gauti.insert(k);
    EXPECT_EQ(gauti, a.tiketina);
    EXPECT_TRUE(zurnalas.Pranesimai().empty());
  }
}

TEST_F(FolderScan, NothingFound) {
  Sukurti(aplankas / "failas.wav");
  fs::create_directory(aplankas / "tuscias");
  fs::create_directory(aplankas / "uzrakintas");
  Sukurti(aplankas / "uzrakintas" / "a.wav");
  fs::permissions(aplankas / "uzrakintas", fs::perms::none);
  const bool uzrakintasSkaitomas = static_cast<bool>(std::ifstream(aplankas / "uzrakintas" / "a.wav"));

  std::vector<std::string> aplankai = {Aplankas(aplankas / "nera"), Aplankas(aplankas / "tuscias"),
                                       Aplankas(aplankas / "failas.wav"), Aplankas(aplankas / "nera" / "giliau")};
  if (!uzrakintasSkaitomas) aplankai.push_back(Aplankas(aplankas / "uzrakintas"));  // root reads it anyway
  for (const std::string& a : aplankai) {
    SCOPED_TRACE(a);
    ZurnaloGaudykle zurnalas;
    KFUzkrovimas f;
    f.Ieskoti(a.c_str(), "wav");
    EXPECT_EQ(f.kiekis, 0);
    EXPECT_FALSE(f.uzpildyta);
    // Nothing found: every take is empty and silent.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.GautiPavadinima(), nullptr);
    EXPECT_TRUE(zurnalas.Pranesimai().empty());
  }
}

TEST_F(FolderScan, TakingPastTheEnd) {
  Sukurti(aplankas / "a.bmp");
  Sukurti(aplankas / "b.bmp");
  ZurnaloGaudykle zurnalas;
  KFUzkrovimas f;
  f.Ieskoti(Aplankas(aplankas).c_str(), "bmp");
  ASSERT_EQ(f.kiekis, 2);
  EXPECT_NE(f.GautiPavadinima(), nullptr);
  EXPECT_NE(f.GautiPavadinima(), nullptr);
  EXPECT_EQ(f.GautiPavadinima(), nullptr);  // reaching the end is silent
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
  EXPECT_EQ(f.GautiPavadinima(), nullptr);
  EXPECT_EQ(f.GautiPavadinima(), nullptr);
  EXPECT_EQ(f.GautiPavadinima(), nullptr);
  EXPECT_EQ(zurnalas.Kiek(PER_TOLI), 3);
  EXPECT_EQ(zurnalas.Pranesimai().size(), 3u);

  f.Isvalyti();
  EXPECT_EQ(f.kiekis, 0);
  EXPECT_EQ(f.zymeklis, 0);
  EXPECT_FALSE(f.uzpildyta);
  EXPECT_EQ(f.GautiPavadinima(), nullptr);
  EXPECT_EQ(zurnalas.Pranesimai().size(), 3u);  // cleared: silent again
}

TEST_F(FolderScan, ASecondScanReplacesTheFirst) {
  fs::create_directory(aplankas / "daug");
  fs::create_directory(aplankas / "mazai");
  for (int i = 0; i < 130; ++i) Sukurti(aplankas / "daug" / ("t" + std::to_string(i) + ".tga"));
  Sukurti(aplankas / "mazai" / "vienas.tga");

  KFUzkrovimas f;
  f.Ieskoti(Aplankas(aplankas / "daug").c_str(), "tga");
  ASSERT_EQ(f.kiekis, 127);
  f.GautiPavadinima();
  f.GautiPavadinima();
  f.Ieskoti(Aplankas(aplankas / "mazai").c_str(), "tga");
  EXPECT_EQ(f.kiekis, 1);
  EXPECT_EQ(f.zymeklis, 0);
  EXPECT_TRUE(f.uzpildyta);
  for (int i = 1; i < KFUzkrovimas::TALPA; ++i) EXPECT_EQ(f.keliai[i], nullptr) << i;
  EXPECT_EQ(Visi(f), std::vector<std::string>{Aplankas(aplankas / "mazai") + "vienas.tga"});

  f.Ieskoti(Aplankas(aplankas / "nera").c_str(), "tga");  // a failed scan leaves nothing behind
  EXPECT_EQ(f.kiekis, 0);
  EXPECT_FALSE(f.uzpildyta);
  for (char* k : f.keliai) EXPECT_EQ(k, nullptr);
}

}  // namespace
