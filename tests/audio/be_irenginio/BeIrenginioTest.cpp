// The game on a machine without any sound device: every audio part reports and
// does nothing, and nothing crashes or waits. OpenAL is pointed at a backend that
// does not exist before its first use, so alcOpenDevice finds no device.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "audio/KGarsai.h"
#include "audio/KGarsas.h"
#include "audio/KMuzika.h"
#include "battle/KVektorius.h"
#include "tests/audio/GarsoFailai.h"
#include "tests/common/ZurnaloGaudykle.h"

using namespace garso_failai;

namespace {
const bool nustatyta = [] {
#ifdef _WIN32
  _putenv_s("ALSOFT_DRIVERS", "tankai-nera");
#else
  setenv("ALSOFT_DRIVERS", "tankai-nera", 1);
#endif
  return true;
}();
}  // namespace

TEST(NoSoundDevice, GameSoundsRunSilently) {
  ASSERT_TRUE(nustatyta);
  auto aplankas = TestoAplankas();
  ASSERT_EQ(0, Sox(aplankas / "suvis.wav", "-r 22050 -b 16 -c 1", "0.1 sine 500"));
  ASSERT_EQ(0, Sox(aplankas / "spaud.wav", "-r 22050 -b 8 -c 1", "0.05 sine 900"));
  std::filesystem::create_directories(aplankas / "m");
  ASSERT_EQ(0, Ogg(aplankas / "m" / "muzika.ogg", "-r 44100 -c 2", "2 sine 200:2000"));
  const std::string duomenys = aplankas.string() + "/";
  const std::string muzikosKelias = duomenys + "m/muzika.ogg";

  ZurnaloGaudykle zurnalas;
  KVektorius nulis;
  KGarsai garsai;
  KGarsas suvis;
  KMuzika muzika;

  // Start-up, in the game's order.
  garsai.Sukurti();
  EXPECT_FALSE(garsai.atidarytas);
  EXPECT_EQ(nullptr, garsai.irenginys);
  EXPECT_EQ(nullptr, garsai.kontekstas);
  EXPECT_EQ(1, zurnalas.Kiek("Garsai->Sukurti: Klaida inicializuojant garso irengini"));
  garsai.UzkrautiAplanka(duomenys.c_str());
  // No context: each buffer fails, which the bank reports and lives with.
  EXPECT_EQ(2, garsai.kiekis);
  for (int i = 0; i < garsai.kiekis; ++i) EXPECT_EQ(0u, garsai.buferiai[i]);
  EXPECT_TRUE(zurnalas.Yra("Klaida alGenBuffers: "));
  EXPECT_EQ(1, zurnalas.Kiek("Klaida uzkraunant garsa '" + duomenys + "suvis.wav': alBufferData"));

  muzika.Atidaryti(muzikosKelias.c_str(), nulis, true);
  EXPECT_FALSE(muzika.atidaryta);
  EXPECT_FALSE(muzika.skaitytuvas.atidarytas);  // the decoded track is not kept for nothing
  EXPECT_EQ(1, zurnalas.Kiek("Klaida uzkraunant faila '" + muzikosKelias + "': alGenSources"));
  muzika.Groti();

  suvis.Sukurti(garsai.Rasti("suvis.wav"), nulis, false);
  EXPECT_TRUE(suvis.sukurtas);
  EXPECT_EQ(1, zurnalas.Kiek("Klaida: alGenSources"));
  EXPECT_EQ(0u, garsai.Rasti("nera.wav"));
  EXPECT_EQ(1, zurnalas.Kiek("Garsas nera.wav nerastas"));

  // A few seconds of frames: refills, updates, shots.
  for (int kadras = 0; kadras < 300; ++kadras) {
    muzika.Atnaujinti();
    suvis.Atnaujinti();
    if (kadras % 7 == 0) suvis.Groti();
  }
  EXPECT_FALSE(muzika.atidaryta);

  zurnalas.Isvalyti();
  garsai.Atlaisvinti();
  EXPECT_EQ(0, garsai.kiekis);
  EXPECT_FALSE(garsai.atidarytas);
  EXPECT_TRUE(zurnalas.Pranesimai().empty());  // nothing was open, so nothing fails to close
}

// Tools and tests may open the device again later; a second Sukurti still fails cleanly.
TEST(NoSoundDevice, RepeatedSukurtiAndAtlaisvintiFailCleanly) {
  ZurnaloGaudykle zurnalas;
  KGarsai garsai;
  for (int i = 0; i < 3; ++i) {
    garsai.Sukurti();
    garsai.Atlaisvinti();
  }
  EXPECT_EQ(3, zurnalas.Kiek("Garsai->Sukurti: Klaida inicializuojant garso irengini"));
  EXPECT_EQ(3u, zurnalas.Pranesimai().size());
  EXPECT_EQ(nullptr, alcGetCurrentContext());
}
