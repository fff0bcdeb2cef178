// The program's sound through the real start-up on OpenAL Soft's null backend: the F3 test
// shot, and the music fed in every frame.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "platform/PlatformosTestai.h"

namespace {
// OpenAL Soft's null backend; it counts only before OpenAL's first use in this process.
void NulinisGarsas() {
#ifdef _WIN32
  _putenv_s("ALSOFT_DRIVERS", "null");
#else
  setenv("ALSOFT_DRIVERS", "null", 1);
#endif
}
}  // namespace

TEST(ProgramSound, F3PlaysTheShotOncePerPress) {
  NulinisGarsas();
  // A fresh program's shot sound: another test of this process may have run the game,
  // whose sources went with its OpenAL context.
  suvioGarsas = KGarsas();
  TestaiBeEkrano();
  TestaiIrasytiPranesimus(true);
  ASSERT_TRUE(Paleisti());
  ASSERT_TRUE(garsai.atidarytas);
  ASSERT_NE(garsai.Rasti("suvis.wav"), 0u);
  EXPECT_TRUE(muzika.atidaryta);
  Kadras();
  EXPECT_FALSE(suvioGarsas.groja);
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F3", true));
  Kadras();
  EXPECT_TRUE(suvioGarsas.groja);
  ALint busena = 0;
  alGetSourcei(suvioGarsas.saltinis, AL_SOURCE_STATE, &busena);
  EXPECT_EQ(busena, AL_PLAYING);
  ASSERT_TRUE(TestaiKlavisas(langas.langas, "F3", false));
  Kadras();
  Uzdaryti();
}

TEST(ProgramSound, EveryFrameFeedsTheMusic) {
  NulinisGarsas();
  TestaiBeEkrano();
  TestaiIrasytiPranesimus(true);
  ASSERT_TRUE(Paleisti());
  ASSERT_TRUE(muzika.atidaryta);
  const ALuint s = muzika.saltinis;
  // Each frame's refill puts the source back at the music's place, the origin.
  alSource3f(s, AL_POSITION, 5, 6, 7);
  Kadras();
  ALfloat p[3] = {1, 1, 1};
  alGetSource3f(s, AL_POSITION, &p[0], &p[1], &p[2]);
  EXPECT_EQ(p[0], 0.0f);
  EXPECT_EQ(p[1], 0.0f);
  EXPECT_EQ(p[2], 0.0f);
  // The null device plays in real time: frames run until a buffer has been heard;
  // the frame that finds it takes it off the queue and queues it again, refilled.
  bool paimtas = false;
  const auto iki = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!paimtas && std::chrono::steady_clock::now() < iki) {
    ALint pries = 0, po = 0, eileje = 0;
    alGetSourcei(s, AL_BUFFERS_PROCESSED, &pries);
    Kadras();
    alGetSourcei(s, AL_BUFFERS_PROCESSED, &po);
    alGetSourcei(s, AL_BUFFERS_QUEUED, &eileje);
    ASSERT_EQ(eileje, 4);
    paimtas = pries > 0 && po < pries;
  }
  EXPECT_TRUE(paimtas) << "no played buffer was refilled within 20 s";
  Uzdaryti();
}
