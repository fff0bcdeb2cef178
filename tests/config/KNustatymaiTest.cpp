#include "config/KNustatymai.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "tests/common/ZurnaloGaudykle.h"

namespace fs = std::filesystem;

namespace {

// Every field the reader can set, to compare a whole object at once.
struct Laukai {
  int32_t x = 0, y = 0, plotis = 640, aukstis = 480, fps = 60, bpp = 32, z_bpp = 24, accum_bpp = 0,
          stencil_bpp = 0, darbalaukis = 0, proporcija = 0;
  bool fullscr = false, vsync = true;
  std::string pavad = "Langas", klase = "Klase", kalba = "LT";
  std::optional<std::string> gpu;
  int32_t zymeklis = 0, busenosJuosta = 0, pataikymai = 0, miksas = 0, tiksliPagalba = 0;

  static Laukai Is(const KNustatymai& n) {
    Laukai l;
    l.x = n.x, l.y = n.y, l.plotis = n.plotis, l.aukstis = n.aukstis, l.fps = n.fps, l.bpp = n.bpp;
    l.z_bpp = n.z_bpp, l.accum_bpp = n.accum_bpp, l.stencil_bpp = n.stencil_bpp;
    l.fullscr = n.fullscr, l.vsync = n.vsync, l.darbalaukis = n.darbalaukis, l.proporcija = n.proporcija;
    l.pavad = n.pavad, l.klase = n.klase, l.kalba = n.kalba;
    if (n.gpu) l.gpu = std::string(n.gpu);
    l.zymeklis = n.zymeklis, l.busenosJuosta = n.busenosJuosta, l.pataikymai = n.pataikymai, l.miksas = n.miksas;
    l.tiksliPagalba = n.tiksliPagalba;
    return l;
  }
};

void PalygintiLaukus(const Laukai& a, const Laukai& b) {
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.plotis, b.plotis);
  EXPECT_EQ(a.aukstis, b.aukstis);
  EXPECT_EQ(a.fps, b.fps);
  EXPECT_EQ(a.bpp, b.bpp);
  EXPECT_EQ(a.z_bpp, b.z_bpp);
  EXPECT_EQ(a.accum_bpp, b.accum_bpp);
  EXPECT_EQ(a.stencil_bpp, b.stencil_bpp);
  EXPECT_EQ(a.fullscr, b.fullscr);
  EXPECT_EQ(a.vsync, b.vsync);
  EXPECT_EQ(a.darbalaukis, b.darbalaukis);
  EXPECT_EQ(a.proporcija, b.proporcija);
  EXPECT_EQ(a.pavad, b.pavad);
  EXPECT_EQ(a.klase, b.klase);
  EXPECT_EQ(a.kalba, b.kalba);
  EXPECT_EQ(a.gpu, b.gpu);
  EXPECT_EQ(a.zymeklis, b.zymeklis);
  EXPECT_EQ(a.busenosJuosta, b.busenosJuosta);
  EXPECT_EQ(a.pataikymai, b.pataikymai);
  EXPECT_EQ(a.miksas, b.miksas);
  EXPECT_EQ(a.tiksliPagalba, b.tiksliPagalba);
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    aplankas = fs::temp_directory_path() /
               ("tankai_nustatymai_" + std::string(info->name()) + "_" + std::to_string(std::random_device{}()));
    fs::remove_all(aplankas);
    fs::create_directories(aplankas);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(aplankas, ec);
  }

  std::string Rasyti(const std::string& turinys, const std::string& vardas = "settings.cfg") {
    const fs::path p = aplankas / vardas;
    std::ofstream f(p, std::ios::binary);
    f.write(turinys.data(), static_cast<std::streamsize>(turinys.size()));
    return p.string();
  }

  fs::path aplankas;
};

struct Atvejis {
  const char* pavadinimas;
  std::string turinys;
  std::function<void(Laukai&)> tiketina;  // changes from the defaults
};

std::string Kartoti(char c, size_t n) { return std::string(n, c); }

const std::string T31 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde";          // 31 characters
const std::string T40 = T31 + "fghijklmn";                          // 40 characters

std::vector<Atvejis> Atvejai() {
  return {
      {"tuscias failas", "", [](Laukai&) {}},
      {"kanoninis failas",
       "poz = 100, 50\ndydis = 800, 600\nfps = 75\nbpp = 16\nz_bpp = 16\naccum_bpp = 8\n"
       "stencil_bpp = 8\nfullscr = 1\nv-sync = 0\npavad = Tankai\nclass = TankuKlase\n"
       "gpu = \\\\.\\DISPLAY2\nkalba = EN\n",
       [](Laukai& l) {
         l.x = 100, l.y = 50, l.plotis = 800, l.aukstis = 600, l.fps = 75, l.bpp = 16, l.z_bpp = 16;
         l.accum_bpp = 8, l.stencil_bpp = 8, l.fullscr = true, l.vsync = false;
         l.pavad = "Tankai", l.klase = "TankuKlase", l.gpu = "\\\\.\\DISPLAY2", l.kalba = "EN";
       }},
      {"dydis su kableliu ir tarpu", "dydis = 1024, 768\n", [](Laukai& l) { l.plotis = 1024, l.aukstis = 768; }},
      {"dydis tik su tarpu", "dydis = 1024 768\n", [](Laukai& l) { l.plotis = 1024, l.aukstis = 768; }},
      {"dydis su kableliu be tarpo", "dydis = 1024,768\n", [](Laukai& l) { l.plotis = 1024, l.aukstis = 768; }},
      {"dydis su tabais ir keliais kableliais", "dydis =\t1024\t,, ,\t768 kita\nfps = 50\n",
       [](Laukai& l) { l.plotis = 1024, l.aukstis = 768, l.fps = 50; }},
      {"poz be antro skaiciaus: kita eilute nera skaicius", "poz = 10\nfps = 75\nbpp = 16\n",
       [](Laukai& l) { l.x = 10; }},
      {"skaicius po eilutes pabaigu", "fps =\n\n  75\nbpp = 16\n", [](Laukai& l) { l.fps = 75, l.bpp = 16; }},
      {"a number on the next line after a tab", "fps =\n\t75\ndydis = 800,\n\t600\nbpp = 16\n",
       [](Laukai& l) { l.fps = 75, l.plotis = 800, l.aukstis = 600, l.bpp = 16; }},
      {"fullscr 1", "fullscr = 1\nbpp = 16\n", [](Laukai& l) { l.fullscr = true, l.bpp = 16; }},
      {"fullscr 0 atmeta ankstesni 1", "fullscr = 1\nfullscr = 0\n", [](Laukai&) {}},
      {"fullscr 2 baigia skaityti", "fps = 75\nfullscr = 2\nbpp = 16\n", [](Laukai& l) { l.fps = 75; }},
      {"fullscr zodis baigia skaityti", "fullscr = taip\nbpp = 16\n", [](Laukai&) {}},
      {"desktop full screen and 4:3", "darbalaukis = 1\nproporcija = 1\nfps = 75\n",
       [](Laukai& l) { l.darbalaukis = 1, l.proporcija = 1, l.fps = 75; }},
      {"the display keys out of range keep their defaults, reading goes on",
       "proporcija = 2\ndarbalaukis = -1\nproporcija = 1\nfps = 75\n", [](Laukai& l) { l.proporcija = 1, l.fps = 75; }},
      {"a word for a display key ends the reading", "fps = 75\ndarbalaukis = taip\nproporcija = 1\n",
       [](Laukai& l) { l.fps = 75; }},
      {"v-sync -1 baigia skaityti", "v-sync = -1\nbpp = 16\n", [](Laukai&) {}},
      {"raktas su = be tarpo begа i kita eilute", "fps=75\nbpp = 16\nz_bpp = 16\n",
       [](Laukai& l) { l.z_bpp = 16; }},
      {"raktas su tabu nera raktas", "fps\t= 75\nbpp = 16\n", [](Laukai& l) { l.bpp = 16; }},
      {"= prie reiksmes", "fps =75\nbpp=\n", [](Laukai& l) { l.fps = 75; }},
      {"pavad ir dydis", "pavad = Mano tankai\ndydis = 800, 600\n",
       [](Laukai& l) { l.pavad = "Mano tankai", l.plotis = 800, l.aukstis = 600; }},
      {"pavad 31 simbolis tinka", "pavad = " + T31 + "\nfps = 75\n", [](Laukai& l) { l.pavad = T31, l.fps = 75; }},
      {"pavad 40 simboliu", "pavad = " + T40 + "\nfps = 75\n", [](Laukai& l) { l.pavad = T31; }},
      {"class 40 simboliu", "class = " + T40 + "\nfps = 75\n", [](Laukai& l) { l.klase = T31; }},
      {"tuscias pavad", "pavad = \nfps = 75\n", [](Laukai& l) { l.pavad = "", l.fps = 75; }},
      {"tabs before text values are separators, not text",
       "pavad =\tMano tankai\nclass = \t\tK\nkalba =\tEN\ngpu =\t\\\\.\\DISPLAY2\nfps = 75\n",
       [](Laukai& l) { l.pavad = "Mano tankai", l.klase = "K", l.kalba = "EN", l.gpu = "\\\\.\\DISPLAY2", l.fps = 75; }},
      {"a tab inside a text value stays", "pavad = a\tb\t\nfps = 75\n", [](Laukai& l) { l.pavad = "a\tb\t", l.fps = 75; }},
      {"tarpai pavad viduje ir gale lieka", "pavad =  a b  \n", [](Laukai& l) { l.pavad = "a b  "; }},
      {"komentaras po teksto yra reiksmes dalis", "pavad = Tankai // pavadinimas\n",
       [](Laukai& l) { l.pavad = "Tankai // pavadinimas"; }},
      {"komentaras po skaiciaus praleidziamas", "fps = 75 // daznis\nbpp = 16\n",
       [](Laukai& l) { l.fps = 75, l.bpp = 16; }},
      {"kalba trys raides", "kalba = ENG\nfps = 75\n", [](Laukai& l) { l.kalba = "EN"; }},
      {"kalba dvi raides", "kalba = EN\nfps = 75\n", [](Laukai& l) { l.kalba = "EN", l.fps = 75; }},
      {"komentarai ir tuscios eilutes", "// pradzia\n\n/kitas\nfps = 75\n\n\n// vidurys\nbpp = 16\n//",
       [](Laukai& l) { l.fps = 75, l.bpp = 16; }},
      {"eilute nuo tarpo praleidziama", " fps = 75\nbpp = 16\n", [](Laukai& l) { l.bpp = 16; }},
      {"raidziu dydis skiriasi", "FPS = 75\nFullscr = 1\nbpp = 16\n", [](Laukai& l) { l.bpp = 16; }},
      {"nezinomas raktas", "garsas = 11 kazkas\nbpp = 16\n", [](Laukai& l) { l.bpp = 16; }},
      {"pakartotas raktas ima paskutini", "fps = 75\nfps = 85\npavad = a\npavad = b\ngpu = x\ngpu = y\n",
       [](Laukai& l) { l.fps = 85, l.pavad = "b", l.gpu = "y"; }},
      {"zenklai", "poz = -20, +30\nfps = 0075\n", [](Laukai& l) { l.x = -20, l.y = 30, l.fps = 75; }},
      {"int32 ribos", "poz = -2147483648, 2147483647\n", [](Laukai& l) { l.x = INT32_MIN, l.y = INT32_MAX; }},
      {"per didelis skaicius", "fps = 75\nbpp = 2147483648\nz_bpp = 16\n", [](Laukai& l) { l.fps = 75; }},
      {"per mazas skaicius", "bpp = -2147483649\nz_bpp = 16\n", [](Laukai&) {}},
      {"labai ilgas skaicius", "bpp = 99999999999999999999999999\nz_bpp = 16\n", [](Laukai&) {}},
      {"antras poros skaicius per didelis", "dydis = 800, 4294967296\nfps = 75\n",
       [](Laukai& l) { l.plotis = 800; }},
      {"ne skaicius", "fps = 75\nbpp = sesiolika\nz_bpp = 16\n", [](Laukai& l) { l.fps = 75; }},
      {"zenklas be skaitmenu", "bpp = - 16\nz_bpp = 16\n", [](Laukai&) {}},
      {"sesioliktainis nuskaitomas iki x", "bpp = 0x10\nz_bpp = 16\n", [](Laukai& l) { l.bpp = 0, l.z_bpp = 16; }},
      {"CRLF eilutes", "pavad = Tankai\r\nfps = 75\r\nkalba = EN\r\n",
       [](Laukai& l) { l.pavad = "Tankai", l.fps = 75, l.kalba = "EN"; }},
      {"CRLF su 31 simbolio pavad", "pavad = " + T31 + "\r\nfps = 75\r\n", [](Laukai& l) { l.pavad = T31, l.fps = 75; }},
      {"vienisas CR lieka tekste", "pavad = a\rb\nfps = 75\n", [](Laukai& l) { l.pavad = "a\rb", l.fps = 75; }},
      {"paskutine eilute be LF: skaicius", "bpp = 16\nfps = 75", [](Laukai& l) { l.bpp = 16, l.fps = 75; }},
      {"paskutine eilute be LF: tekstas", "pavad = Tankai", [](Laukai& l) { l.pavad = "Tankai"; }},
      {"paskutine eilute be LF: pora", "dydis = 800, 600", [](Laukai& l) { l.plotis = 800, l.aukstis = 600; }},
      {"pora baigiasi ties failo pabaiga", "dydis = 800,", [](Laukai& l) { l.plotis = 800; }},
      {"raktas failo gale be reiksmes", "fps = 75\npavad =", [](Laukai& l) { l.fps = 75; }},
      {"komentaras 255 simboliu tinka", "/" + Kartoti('k', 254) + "\nfps = 75\n", [](Laukai& l) { l.fps = 75; }},
      {"komentaras 256 simboliu baigia", "bpp = 16\n/" + Kartoti('k', 255) + "\nfps = 75\n",
       [](Laukai& l) { l.bpp = 16; }},
      {"raktas 255 simboliu", Kartoti('r', 255) + " = 1\nfps = 75\n", [](Laukai& l) { l.fps = 75; }},
      {"raktas 256 simboliu baigia", Kartoti('r', 256) + " = 1\nfps = 75\n", [](Laukai&) {}},
      {"nezinomo rakto likutis 255", "x = " + Kartoti('v', 255) + "\nfps = 75\n", [](Laukai& l) { l.fps = 75; }},
      {"nezinomo rakto likutis 256 baigia", "x = " + Kartoti('v', 256) + "\nfps = 75\n", [](Laukai&) {}},
      {"skaiciaus likutis 256 baigia", "bpp = 16" + Kartoti(' ', 256) + "\nfps = 75\n", [](Laukai& l) { l.bpp = 16; }},
      {"gpu 255 simboliu", "gpu = " + Kartoti('g', 255) + "\nfps = 75\n",
       [](Laukai& l) { l.gpu = Kartoti('g', 255), l.fps = 75; }},
      {"gpu 300 simboliu", "gpu = " + Kartoti('g', 300) + "\nfps = 75\n", [](Laukai& l) { l.gpu = Kartoti('g', 255); }},
      {"nulinis baitas rakte", std::string("fps\0x = 75\nbpp = 16\n", 20), [](Laukai& l) { l.bpp = 16; }},
      {"the new player's keys: 1 turns each on",
       "zymeklis = 1\nbusenos_juosta = 1\npataikymai = 1\nmiksas = 1\ntiksli_pagalba = 1\n",
       [](Laukai& l) { l.zymeklis = l.busenosJuosta = l.pataikymai = l.miksas = l.tiksliPagalba = 1; }},
      {"outside 0..1 a key keeps its default and reading goes on",
       "zymeklis = 2\nbusenos_juosta = -1\npataikymai = 1\nmiksas = 2147483647\ntiksli_pagalba = 1\nfps = 75\n",
       [](Laukai& l) { l.pataikymai = l.tiksliPagalba = 1, l.fps = 75; }},
      {"a word ends the reading at the key", "pataikymai = 1\nmiksas = taip\ntiksli_pagalba = 1\n",
       [](Laukai& l) { l.pataikymai = 1; }},
      {"nulinis baitas tekste", std::string("pavad = ab\0cd\nfps = 75\n", 23), [](Laukai& l) { l.pavad = "ab", l.fps = 75; }},
  };
}

TEST_F(SettingsFile, ReadingRules) {
  for (const Atvejis& a : Atvejai()) {
    SCOPED_TRACE(a.pavadinimas);
    const std::string kelias = Rasyti(a.turinys);
    ZurnaloGaudykle zurnalas;
    KNustatymai n;
    n.Skaityti(kelias.c_str());
    Laukai tiketina;
    a.tiketina(tiketina);
    PalygintiLaukus(Laukai::Is(n), tiketina);
    // A file that opens never reports anything, however bad its content.
    EXPECT_TRUE(zurnalas.Pranesimai().empty());
    ASSERT_NE(n.failoVardas, nullptr);
    EXPECT_STREQ(n.failoVardas, kelias.c_str());
  }
}

TEST_F(SettingsFile, TextsAreAlwaysTerminated) {
  // Whatever stops the reading, the fixed fields hold a terminated text inside their bytes.
  for (const std::string& turinys :
       {"pavad = " + T40 + T40, "class = " + T40 + "\n", "kalba = " + T40, "pavad = " + T31 + "x"}) {
    KNustatymai n;
    n.Skaityti(Rasyti(turinys).c_str());
    EXPECT_NE(std::memchr(n.pavad, '\0', sizeof n.pavad), nullptr);
    EXPECT_NE(std::memchr(n.klase, '\0', sizeof n.klase), nullptr);
    EXPECT_NE(std::memchr(n.kalba, '\0', sizeof n.kalba), nullptr);
  }
}

TEST_F(SettingsFile, MissingFileKeepsTheDefaultsAndSaysSo) {
  ZurnaloGaudykle zurnalas;
  KNustatymai n;
  const std::string kelias = (aplankas / "nera.cfg").string();
  n.Skaityti(kelias.c_str());
  PalygintiLaukus(Laukai::Is(n), Laukai{});
  ASSERT_EQ(zurnalas.Pranesimai().size(), 1u);
  EXPECT_EQ(zurnalas.Pranesimai()[0], "Nerastas nustatymu failas " + kelias + ", naudojami standartiniai");
}

TEST_F(SettingsFile, AFolderInsteadOfAFileIsAMissingFile) {
  ZurnaloGaudykle zurnalas;
  KNustatymai n;
  n.Skaityti(aplankas.string().c_str());
  PalygintiLaukus(Laukai::Is(n), Laukai{});
  EXPECT_EQ(zurnalas.Kiek("Nerastas nustatymu failas " + aplankas.string() + ", naudojami standartiniai"), 1);
}

TEST_F(SettingsFile, FileNameChoice) {
  const fs::path pradinis = fs::current_path();
  fs::current_path(aplankas);
  {
    ZurnaloGaudykle zurnalas;
    KNustatymai n;
    EXPECT_EQ(n.failoVardas, nullptr);
    n.Skaityti();  // no name yet: the standard one, which does not exist here
    ASSERT_NE(n.failoVardas, nullptr);
    EXPECT_STREQ(n.failoVardas, "nustatymai.cfg");
    EXPECT_EQ(zurnalas.Kiek("Nerastas nustatymu failas nustatymai.cfg, naudojami standartiniai"), 1);

    Rasyti("fps = 75\n", "nustatymai.cfg");
    n.Skaityti();
    EXPECT_EQ(n.fps, 75);

    Rasyti("bpp = 16\n", "kitas.cfg");
    n.Skaityti("kitas.cfg");
    EXPECT_STREQ(n.failoVardas, "kitas.cfg");
    EXPECT_EQ(n.bpp, 16);
    EXPECT_EQ(n.fps, 75);  // a second read only overwrites what its file sets

    Rasyti("bpp = 8\n", "kitas.cfg");
    n.Skaityti();  // the stored name is used again
    EXPECT_EQ(n.bpp, 8);

    n.Skaityti(n.failoVardas);  // the stored name given back must survive its own replacement
    EXPECT_STREQ(n.failoVardas, "kitas.cfg");
    EXPECT_EQ(zurnalas.Pranesimai().size(), 1u);
  }
  fs::current_path(pradinis);
}

TEST_F(SettingsFile, TenMegabyteLines) {
  const size_t MB10 = 10u << 20;
  struct {
    const char* pavadinimas;
    std::string turinys;
    std::function<void(Laukai&)> tiketina;
  } atvejai[] = {
      {"ilgas raktas", "fps = 75\n" + Kartoti('a', MB10) + "\nbpp = 16\n", [](Laukai& l) { l.fps = 75; }},
      {"ilgas pavad", "fps = 75\npavad = " + Kartoti('p', MB10) + "\nbpp = 16\n",
       [](Laukai& l) { l.fps = 75, l.pavad = Kartoti('p', 31); }},
      {"ilgas skaicius", "fps = 75\nbpp = " + Kartoti('9', MB10) + "\nz_bpp = 16\n", [](Laukai& l) { l.fps = 75; }},
      {"ilgas nuliu skaicius tinka", "bpp = " + Kartoti('0', MB10) + "16\nz_bpp = 16\n",
       [](Laukai& l) { l.bpp = 16, l.z_bpp = 16; }},
      {"daug tusciu eiluciu", Kartoti('\n', MB10) + "bpp = 16\n", [](Laukai& l) { l.bpp = 16; }},
      {"daug skyrikliu", "bpp " + Kartoti('=', MB10) + "16\n", [](Laukai& l) { l.bpp = 16; }},
      {"daug tarpu pries skaiciu", "bpp =\n" + Kartoti(' ', MB10) + "16\nfps = 75\n",
       [](Laukai& l) { l.bpp = 16, l.fps = 75; }},
      {"ilga nezinomo rakto reiksme", "x = " + Kartoti('v', MB10) + "\nfps = 75\n", [](Laukai&) {}},
  };
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.pavadinimas);
    ZurnaloGaudykle zurnalas;
    KNustatymai n;
    n.Skaityti(Rasyti(a.turinys).c_str());
    Laukai tiketina;
    a.tiketina(tiketina);
    PalygintiLaukus(Laukai::Is(n), tiketina);
    EXPECT_TRUE(zurnalas.Pranesimai().empty());
  }
}

TEST_F(SettingsFile, BinaryBytesStayOutOfTheFields) {
  // Bytes of every value after a good line: the good value stays, nothing escapes the fields.
  std::string siuksles;
  for (int i = 0; i < 4096; ++i) siuksles += static_cast<char>((i * 7919 + 13) & 0xff);
  for (const std::string& turinys : {"fps = 75\n" + siuksles, "fps = 75\n" + siuksles.substr(1000)}) {
    KNustatymai n;
    n.Skaityti(Rasyti(turinys).c_str());
    EXPECT_EQ(n.fps, 75);
    EXPECT_NE(std::memchr(n.pavad, '\0', sizeof n.pavad), nullptr);
    EXPECT_NE(std::memchr(n.klase, '\0', sizeof n.klase), nullptr);
    EXPECT_NE(std::memchr(n.kalba, '\0', sizeof n.kalba), nullptr);
  }
}

TEST_F(SettingsFile, CrLfReadsAlikeAcrossTheBufferBoundary) {
  // The reader takes the file in 4096-byte chunks; a CR that ends one chunk must still
  // pair with the LF that begins the next. Each title ends right before its CR.
  for (const std::string& pavad : {T31, T31.substr(0, 30)}) {
    for (size_t cr : {4094u, 4095u, 4096u, 8190u, 8191u, 8192u}) {
      SCOPED_TRACE(::testing::Message() << pavad.size() << " simboliu, CR ties " << cr);
      std::string turinys(cr - 8 - pavad.size(), '\n');
      turinys += "pavad = " + pavad;
      ASSERT_EQ(turinys.size(), cr);
      turinys += "\r\nfps = 75\r\n";
      KNustatymai n;
      n.Skaityti(Rasyti(turinys).c_str());
      EXPECT_EQ(std::string(n.pavad), pavad);
      EXPECT_EQ(n.fps, 75);
    }
  }
  // A CR as the file's very last byte is an ordinary character.
  KNustatymai n;
  n.Skaityti(Rasyti(std::string(4095 - 10, '\n') + "pavad = ab\r").c_str());
  EXPECT_EQ(std::string(n.pavad), "ab\r");
}

}  // namespace
