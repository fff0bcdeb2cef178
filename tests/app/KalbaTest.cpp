// The player's language at start-up, in a working folder of its own: settings.cfg's
// `kalba` chooses the pictures with words, Lithuanian standing in, picture by picture,
// for whatever the language's folder lacks or cannot load; and the words of the boxes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
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

class PlayersLanguage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pradinis = fs::current_path();
    aplankas = fs::temp_directory_path() /
               ("tankai-kalba-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(aplankas);
    fs::copy(fs::path(TANKAI_BINARY_DIR) / "duomenys", aplankas / "duomenys", fs::copy_options::recursive);
    fs::current_path(aplankas);
  }
  static void TearDownTestSuite() {
    fs::current_path(pradinis);
    fs::remove_all(aplankas);
  }
  void TearDown() override {
    if (langas.sukurtas) Uzdaryti();
#ifndef _WIN32
    TestaiAtstatyti();
#endif
  }

  // Starts the program with this `kalba` line, the start-up's log in zurnalas.
  bool Pradeti(const std::string& kalbosEilute) {
    std::ofstream("settings.cfg") << "dydis = 800, 600\n" << kalbosEilute << "\n";
    if (langas.sukurtas) Uzdaryti();
    NaujaPrograma();
    teksturos = KTeksturos();
    TestaiIsvalytiPranesimus();
    zurnalas.Isvalyti();
    return Paleisti();
  }

  // The pictures with words hold the pixels of these folders' files ("" the data
  // folder itself), read back from GL; the help's other two and the status line's come
  // from where the help came from.
  void Is(const char* intro, const char* pagalba, const char* meniu, const char* meniuPav) {
    const char* is[] = {intro, pagalba, meniu, meniuPav, pagalba, pagalba, pagalba};
    static_assert(std::size(is) == std::size(KALBOS_PAVEIKSLAI));
    for (size_t i = 0; i < std::size(is); ++i) {
      const fs::path failas = fs::path("duomenys") / is[i] / KALBOS_PAVEIKSLAI[i];
      KTga tga;
      tga.Uzkrauti(failas.string().c_str());
      std::vector<unsigned char> gl(static_cast<size_t>(tga.dydis));
      glBindTexture(GL_TEXTURE_2D, teksturos.Gauti(KALBOS_PAVEIKSLAI[i]));
      glPixelStorei(GL_PACK_ALIGNMENT, 1);
      glGetTexImage(GL_TEXTURE_2D, 0, tga.formatas, tga.tipas, gl.data());
      EXPECT_EQ(0, std::memcmp(gl.data(), tga.pikseliai, gl.size())) << failas;
      tga.Atlaisvinti();
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(teksturos.kiekis, 14);  // the same names as with Lithuanian, each once
  }

  static fs::path pradinis, aplankas;
  ZurnaloGaudykle zurnalas;
};
fs::path PlayersLanguage::pradinis, PlayersLanguage::aplankas;

TEST_F(PlayersLanguage, TheCodeChoosesThePicturesLithuanianForWhatIsMissing) {
  // Any letter case; a word too long for the field keeps its first two letters.
  for (const char* eilute : {"kalba = en", "kalba = english"}) {
    ASSERT_TRUE(Pradeti(eilute));
    EXPECT_EQ(kalba, KALBA_EN);
    Is("EN", "EN", "EN", "EN");
    EXPECT_EQ(intro.tekstura, teksturos.Gauti("intro.tga"));  // the screens took them
  }
  ASSERT_TRUE(Pradeti("kalba = De"));
  Is("DE", "DE", "DE", "DE");
  EXPECT_FALSE(zurnalas.Yra("Nera paveikslo"));

  for (const char* kodas : {"LT", "xx", ""}) {
    ASSERT_TRUE(Pradeti(std::string("kalba = ") + kodas));
    EXPECT_EQ(kalba, KALBA_LT);
    Is("", "", "", "");
    EXPECT_EQ(*kodas != 'L', zurnalas.Yra("Nezinoma kalba '" + std::string(kodas) + "', naudojama LT"));
  }

  // One picture missing, one broken: those two Lithuanian, the rest German.
  fs::remove("duomenys/DE/intro.tga");
  std::ofstream("duomenys/DE/meniu.tga", std::ios::binary) << "sugadinta";
  ASSERT_TRUE(Pradeti("kalba = DE"));
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
    const char *kalba, *sugadinti, *tekstas, *antraste;
  } atvejai[] = {
      {"kalba = en", "CreateWindowExA", "Could not create the window: CreateWindow", "ERROR"},
      {"kalba = DE", "glActiveTexture", "Dem Grafiktreiber fehlt die Funktion glActiveTexture", "FEHLER"},
      {"kalba = xx", "glActiveTexture", "Nepavyko gauti funkcijos glActiveTexture adreso", "KLAIDA"},
  };
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(a.kalba);
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
