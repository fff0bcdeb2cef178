#include "audio/KGarsas.h"

#include <gtest/gtest.h>

#include "audio/KGarsai.h"
#include "battle/KVektorius.h"
#include "tests/audio/GarsoFailai.h"
#include "tests/audio/Kilpa.h"
#include "tests/common/ZurnaloGaudykle.h"

using namespace garso_failai;

namespace {

constexpr int SPRAGTELEJIMAS = 2205;  // frames of the 50 ms click at 44.1 kHz
constexpr int KADRAS = 735;           // one frame of the game at 60 Hz

// A bank with one click on a loopback context: what the source plays is rendered
// and measured.
class SoundSourceOnLoopback : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kilpa.Veikia());
    auto aplankas = TestoAplankas();
    ASSERT_EQ(0, Sox(aplankas / "spaud.wav", "-r 44100 -b 16 -c 1", "0.05 sine 1000"));
    bankas.UzkrautiGarsa((aplankas / "spaud.wav").string().c_str());
    ASSERT_EQ(1, bankas.kiekis);
    garsas.Sukurti(bankas.Rasti("spaud.wav"), vieta, false);
    ASSERT_TRUE(garsas.sukurtas);
  }
  void TearDown() override { bankas.Atlaisvinti(); }

  // Runs n game frames: the owner's update, then one frame of mixing.
  void Kadrai(int n, bool atnaujinti = true) {
    for (int i = 0; i < n; ++i) {
      if (atnaujinti) garsas.Atnaujinti();
      kilpa.Generuoti(KADRAS, isvestis);
    }
  }

  Kilpa kilpa;
  KGarsai bankas;
  KVektorius vieta;
  KGarsas garsas;
  std::vector<float> isvestis;
};

}  // namespace

// A looping source sounds on frame after frame until it is stopped.
TEST_F(SoundSourceOnLoopback, LoopingSourceGoesOnUntilStopped) {
  KGarsas kartojamas;
  kartojamas.Sukurti(bankas.Rasti("spaud.wav"), vieta, true);
  ALint ratu = AL_FALSE;
  alGetSourcei(kartojamas.saltinis, AL_LOOPING, &ratu);
  EXPECT_EQ(AL_TRUE, ratu);
  alGetSourcei(garsas.saltinis, AL_LOOPING, &ratu);
  EXPECT_EQ(AL_FALSE, ratu);
  kartojamas.Groti();
  for (int i = 0; i < 10; ++i) {
    kartojamas.Atnaujinti();
    kilpa.Generuoti(KADRAS, isvestis);
  }
  EXPECT_TRUE(kartojamas.groja);
  size_t skamba = 0;
  for (const auto& r : GarsoRuozai(isvestis)) skamba += r.ilgis;
  EXPECT_GT(skamba, 3u * SPRAGTELEJIMAS);
  alSourceStop(kartojamas.saltinis);
  alDeleteSources(1, &kartojamas.saltinis);
}

TEST_F(SoundSourceOnLoopback, TwoGrotiInOneFrameSoundOnce) {
  garsas.Groti();
  garsas.Groti();
  Kadrai(10);
  auto r = GarsoRuozai(isvestis);
  ASSERT_EQ(1u, r.size());
  EXPECT_NEAR(SPRAGTELEJIMAS, int(r[0].ilgis), 64);
  EXPECT_FALSE(garsas.groja);
}

TEST_F(SoundSourceOnLoopback, GrotiWhilePlayingDoesNotRestart) {
  garsas.Groti();
  Kadrai(1);  // 735 of its 2205 frames heard
  EXPECT_TRUE(garsas.groja);
  EXPECT_EQ(AL_PLAYING, garsas.busena);
  garsas.Groti();
  Kadrai(1);
  garsas.Groti();
  Kadrai(8);
  auto r = GarsoRuozai(isvestis);
  ASSERT_EQ(1u, r.size());
  // A restart would have made it sound for 2 frames longer.
  EXPECT_NEAR(SPRAGTELEJIMAS, int(r[0].ilgis), 64);
}

TEST_F(SoundSourceOnLoopback, EndedSoundPlaysAgainOnlyAfterAnUpdate) {
  garsas.Groti();
  Kadrai(5, false);  // ended, but no update has seen it
  garsas.Groti();    // still flagged playing: ignored
  Kadrai(5, false);
  ASSERT_EQ(1u, GarsoRuozai(isvestis).size());
  garsas.Atnaujinti();
  EXPECT_FALSE(garsas.groja);
  EXPECT_EQ(AL_STOPPED, garsas.busena);
  garsas.Groti();
  Kadrai(5);
  garsas.Groti();
  Kadrai(5);
  auto r = GarsoRuozai(isvestis);
  ASSERT_EQ(3u, r.size());
  EXPECT_NEAR(10 * KADRAS, int(r[1].pradzia), 4);  // a sine starts at zero
  EXPECT_NEAR(15 * KADRAS, int(r[2].pradzia), 4);
  for (const auto& x : r) EXPECT_NEAR(SPRAGTELEJIMAS, int(x.ilgis), 64);
}

TEST_F(SoundSourceOnLoopback, AtnaujintiMovesOnlyAPlayingSource) {
  ALfloat p[3] = {-1, -1, -1};
  vieta = KVektorius(3, 4, 5);
  garsas.Atnaujinti();  // idle: the source stays where OpenAL put it
  alGetSource3f(garsas.saltinis, AL_POSITION, &p[0], &p[1], &p[2]);
  EXPECT_EQ(0.0f, p[0]);
  EXPECT_EQ(0.0f, p[1]);
  EXPECT_EQ(0.0f, p[2]);
  garsas.Groti();
  garsas.Atnaujinti();
  alGetSource3f(garsas.saltinis, AL_POSITION, &p[0], &p[1], &p[2]);
  EXPECT_EQ(3.0f, p[0]);
  EXPECT_EQ(4.0f, p[1]);
  EXPECT_EQ(5.0f, p[2]);
  vieta = KVektorius(-7, 8, 0);  // the owner moved: the next update follows
  garsas.Atnaujinti();
  alGetSource3f(garsas.saltinis, AL_POSITION, &p[0], &p[1], &p[2]);
  EXPECT_EQ(-7.0f, p[0]);
  EXPECT_EQ(8.0f, p[1]);
  EXPECT_EQ(0.0f, p[2]);
}

TEST_F(SoundSourceOnLoopback, SourceSettings) {
  ALint buferis = 0, kartoti = -1;
  ALfloat slopimas = 0, aukstis = 0, garsumas = 0;
  alGetSourcei(garsas.saltinis, AL_BUFFER, &buferis);
  alGetSourcei(garsas.saltinis, AL_LOOPING, &kartoti);
  alGetSourcef(garsas.saltinis, AL_ROLLOFF_FACTOR, &slopimas);
  alGetSourcef(garsas.saltinis, AL_PITCH, &aukstis);
  alGetSourcef(garsas.saltinis, AL_GAIN, &garsumas);
  EXPECT_EQ(ALint(bankas.buferiai[0]), buferis);
  EXPECT_EQ(AL_FALSE, kartoti);
  EXPECT_FLOAT_EQ(0.07f, slopimas);
  EXPECT_FLOAT_EQ(1.0f, aukstis);
  EXPECT_FLOAT_EQ(1.0f, garsumas);

  ZurnaloGaudykle zurnalas;
  ALuint buvo = garsas.saltinis;
  KVektorius kita;
  garsas.Sukurti(0, kita, true);
  EXPECT_EQ(1, zurnalas.Kiek("Klaida: garsas kuriamas antra karta"));
  EXPECT_EQ(buvo, garsas.saltinis);
  EXPECT_EQ(&vieta, garsas.pozicija);
  alGetSourcei(garsas.saltinis, AL_BUFFER, &buferis);
  EXPECT_EQ(ALint(bankas.buferiai[0]), buferis);
}

TEST_F(SoundSourceOnLoopback, WithoutASampleNothingSoundsAndItTurnsIdle) {
  KGarsas tuscias;
  tuscias.Sukurti(0, vieta, false);
  tuscias.Groti();
  kilpa.Generuoti(KADRAS, isvestis);
  tuscias.Atnaujinti();
  EXPECT_FALSE(tuscias.groja);
  EXPECT_TRUE(GarsoRuozai(isvestis).empty());
}
