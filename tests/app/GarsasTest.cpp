// The F3 test shot through the real start-up with OpenAL Soft's null backend.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "platform/PlatformosTestai.h"

TEST(ProgramSound, F3PlaysTheShotOncePerPress) {
  setenv("ALSOFT_DRIVERS", "null", 1);  // before OpenAL's first use in this process
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
