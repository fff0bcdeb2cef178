// The player's language at start-up, in a working folder of its own: settings.cfg's
// `kalba` chooses the pictures with words, Lithuanian standing in, picture by picture,
// for whatever the language's folder lacks or cannot load; and the words of the boxes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "gfx/KTga.h"
#include "platform/PlatformosTestai.h"
#include "tests/app/NaujaPrograma.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace fs = std::filesystem;

namespace {

// Whether a texture holds exactly a file's pixels, read back from GL.
bool TeksturaIs(GLuint vardas, const fs::path& failas) {
  KTga tga;
  tga.Uzkrauti(failas.string().c_str());
  std::vector<unsigned char> gl(static_cast<size_t>(tga.dydis));
  glBindTexture(GL_TEXTURE_2D, vardas);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, tga.formatas, tga.tipas, gl.data());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glBindTexture(GL_TEXTURE_2D, 0);
  const bool vienodi = vardas != 0 && std::memcmp(gl.data(), tga.pikseliai, gl.size()) == 0;
  tga.Atlaisvinti();
  return vienodi;
}

class PlayersLanguage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pradinis = new fs::path(fs::current_path());
    const auto dabar = std::chrono::steady_clock::now().time_since_epoch().count();
    aplankas = new fs::path(fs::temp_directory_path() / ("tankai-kalba-" + std::to_string(dabar)));
    fs::remove_all(*aplankas);
    fs::create_directories(*aplankas);
    fs::copy(fs::path(TANKAI_BINARY_DIR) / "duomenys", *aplankas / "duomenys", fs::copy_options::recursive);
    fs::current_path(*aplankas);
  }
  static void TearDownTestSuite() {
    fs::current_path(*pradinis);
    fs::remove_all(*aplankas);
    delete pradinis;
    delete aplankas;
  }
  void TearDown() override {
    if (langas.sukurtas) Uzdaryti();
    TestaiAtstatyti();
  }

  // Starts the program with this `kalba` line; the log of the start-up in zurnalas.
  bool Pradeti(const std::string& kalbosEilute) {
    std::ofstream(*aplankas / "settings.cfg") << "dydis = 800, 600\n" << kalbosEilute << "\n";
    if (langas.sukurtas) Uzdaryti();
    NaujaPrograma();
    teksturos = KTeksturos();
    TestaiIsvalytiPranesimus();
    zurnalas.Isvalyti();
    return Paleisti();
  }

  // The pictures with words came from these folders of the data ("" the data folder).
  void Is(const char* intro, const char* pagalba, const char* meniu, const char* meniuPav) {
    const char* is[] = {intro, pagalba, meniu, meniuPav};
    for (size_t i = 0; i < sizeof is / sizeof is[0]; ++i) {
      const fs::path failas = fs::path("duomenys") / is[i] / KALBOS_PAVEIKSLAI[i];
      EXPECT_TRUE(TeksturaIs(teksturos.Gauti(KALBOS_PAVEIKSLAI[i]), failas)) << failas;
    }
    // The same names as ever, each once.
    EXPECT_EQ(teksturos.kiekis, 9);
  }

  static fs::path* pradinis;
  static fs::path* aplankas;
  ZurnaloGaudykle zurnalas;
};
fs::path* PlayersLanguage::pradinis = nullptr;
fs::path* PlayersLanguage::aplankas = nullptr;

TEST_F(PlayersLanguage, TheCodeChoosesThePicturesLithuanianForWhatIsMissing) {
  ASSERT_TRUE(Pradeti("kalba = en"));
  EXPECT_EQ(kalba, KALBA_EN);
  Is("EN", "EN", "EN", "EN");
  // The screens took the language's textures.
  EXPECT_EQ(intro.tekstura, teksturos.Gauti("intro.tga"));
  EXPECT_EQ(meniu.paveiksloTekstura, teksturos.Gauti("meniuPav.tga"));
  EXPECT_FALSE(zurnalas.Yra("Nera paveikslo"));

  // A word too long for the field keeps its first two letters.
  ASSERT_TRUE(Pradeti("kalba = english"));
  EXPECT_EQ(kalba, KALBA_EN);
  Is("EN", "EN", "EN", "EN");

  ASSERT_TRUE(Pradeti("kalba = De"));
  Is("DE", "DE", "DE", "DE");

  ASSERT_TRUE(Pradeti("kalba = LT"));
  EXPECT_EQ(kalba, KALBA_LT);
  Is("", "", "", "");
  EXPECT_FALSE(zurnalas.Yra("Nezinoma kalba"));
  EXPECT_FALSE(zurnalas.Yra("Nera paveikslo"));

  for (const char* kodas : {"xx", ""}) {
    ASSERT_TRUE(Pradeti(std::string("kalba = ") + kodas));
    EXPECT_EQ(kalba, KALBA_LT);
    Is("", "", "", "");
    EXPECT_EQ(1, zurnalas.Kiek(std::string("Nezinoma kalba '") + kodas + "', naudojama LT"));
  }

  // One picture missing, one broken: those two Lithuanian, the rest German.
  fs::remove("duomenys/DE/intro.tga");
  std::ofstream("duomenys/DE/meniu.tga", std::ios::binary) << "sugadinta";
  ASSERT_TRUE(Pradeti("kalba = DE"));
  EXPECT_EQ(kalba, KALBA_DE);
  Is("", "DE", "", "DE");
  EXPECT_EQ(1, zurnalas.Kiek("Nera paveikslo duomenys/DE/intro.tga, rodomas lietuviskas"));
  EXPECT_EQ(1, zurnalas.Kiek("Nera paveikslo duomenys/DE/meniu.tga, rodomas lietuviskas"));
  EXPECT_TRUE(zurnalas.Yra("Klaida uzkraunant tekstura duomenys/DE/meniu.tga: "));
  EXPECT_FALSE(zurnalas.Yra("Nera paveikslo duomenys/DE/pagalba.tga"));

  // No folder for the language at all.
  fs::remove_all("duomenys/EN");
  ASSERT_TRUE(Pradeti("kalba = EN"));
  Is("", "", "", "");
  for (const char* p : KALBOS_PAVEIKSLAI)
    EXPECT_EQ(1, zurnalas.Kiek(std::string("Nera paveikslo duomenys/EN/") + p + ", rodomas lietuviskas")) << p;
}

#ifndef _WIN32  // the failure switches belong to the SDL layer
TEST_F(PlayersLanguage, TheBoxesSpeakThePlayersLanguage) {
  struct Atvejis {
    const char* kalba;
    const char* sugadinti;
    const char* tekstas;
    const char* antraste;
  } atvejai[] = {
      {"kalba = EN", "CreateWindowExA", "Could not create the window: CreateWindow", "ERROR"},
      {"kalba = de", "ChoosePixelFormat", "Es wurde kein passendes PixelFormat gefunden", "FEHLER"},
      {"kalba = en", "glActiveTexture", "The graphics driver lacks the function glActiveTexture", "ERROR"},
      {"kalba = xx", "glActiveTexture", "Nepavyko gauti funkcijos glActiveTexture adreso", "KLAIDA"},
      {"kalba = LT", "CreateWindowExA", "Klaida kuriant langa: CreateWindow", "KLAIDA"},
  };
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(std::string(a.kalba) + ", " + a.sugadinti);
    TestaiAtstatyti();
    TestaiSugadinti(a.sugadinti);
    EXPECT_FALSE(Pradeti(a.kalba));
    ASSERT_EQ(1u, TestaiPranesimai().size());
    EXPECT_EQ(a.tekstas, TestaiPranesimai()[0].tekstas);
    EXPECT_EQ(a.antraste, TestaiPranesimai()[0].antraste);
  }
}
#endif

}  // namespace
