// The sound device's set-up when OpenAL refuses a step: the message, what is released,
// and that the game carries on without sound.
#include <gtest/gtest.h>

#include <string>

#include "audio/KGarsai.h"
#include "tests/audio/gedimai/OpenAlGedimai.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace {

const std::string KLAIDA = std::to_string(ALC_INVALID_ENUM);

std::string Paskutinis(const ZurnaloGaudykle& z) { return z.Pranesimai().empty() ? "" : z.Pranesimai().back(); }

}  // namespace

TEST(SoundDeviceFailures, AWorkingDeviceHoldsOneDeviceAndOneContext) {
  ZurnaloGaudykle zurnalas;
  KGarsai g;
  g.Sukurti();
  ASSERT_TRUE(g.atidarytas) << Paskutinis(zurnalas);
  EXPECT_EQ(1, OpenAlGedimai::Irenginiu());
  EXPECT_EQ(1, OpenAlGedimai::Kontekstu());
  g.Atlaisvinti();
  EXPECT_EQ(0, OpenAlGedimai::Irenginiu());
  EXPECT_EQ(0, OpenAlGedimai::Kontekstu());
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
}

TEST(SoundDeviceFailures, NoContextClosesTheDevice) {
  ZurnaloGaudykle zurnalas;
  KGarsai g;
  OpenAlGedimai::Konteksto();
  g.Sukurti();
  EXPECT_FALSE(g.atidarytas);
  ASSERT_EQ(1u, zurnalas.Pranesimai().size()) << Paskutinis(zurnalas);
  EXPECT_EQ("Klaida sukuriant garso irenginio konteksta: " + KLAIDA, zurnalas.Pranesimai()[0]);
  EXPECT_EQ(0, OpenAlGedimai::Irenginiu());
  EXPECT_EQ(0, OpenAlGedimai::Kontekstu());
  EXPECT_EQ(nullptr, alcGetCurrentContext());
  // Nothing is left to release; a later set-up starts afresh and works.
  g.Atlaisvinti();
  EXPECT_EQ(1u, zurnalas.Pranesimai().size());
  g.Sukurti();
  EXPECT_TRUE(g.atidarytas);
  g.Atlaisvinti();
  EXPECT_EQ(0, OpenAlGedimai::Irenginiu());
}

TEST(SoundDeviceFailures, AContextThatCannotBeMadeCurrentIsDestroyed) {
  ZurnaloGaudykle zurnalas;
  KGarsai g;
  OpenAlGedimai::Darbinio();
  g.Sukurti();
  EXPECT_FALSE(g.atidarytas);
  ASSERT_EQ(1u, zurnalas.Pranesimai().size()) << Paskutinis(zurnalas);
  EXPECT_EQ("Klaida: nepavyko garso irenginio konteksto padaryti darbiniu: " + KLAIDA, zurnalas.Pranesimai()[0]);
  EXPECT_EQ(0, OpenAlGedimai::Kontekstu());
  EXPECT_EQ(0, OpenAlGedimai::Irenginiu());
  EXPECT_EQ(nullptr, alcGetCurrentContext());
  g.Atlaisvinti();
  EXPECT_EQ(1u, zurnalas.Pranesimai().size());
}

TEST(SoundDeviceFailures, AnErrorFromTheListenerSetUpLeavesTheDeviceNotOpen) {
  ZurnaloGaudykle zurnalas;
  KGarsai g;
  OpenAlGedimai::Klausytojo();
  g.Sukurti();
  EXPECT_FALSE(g.atidarytas);
  ASSERT_EQ(1u, zurnalas.Pranesimai().size()) << Paskutinis(zurnalas);
  EXPECT_EQ("Klaida inicializuojant garsa", zurnalas.Pranesimai()[0]);
  // Device and context stay until the release, which closes both.
  EXPECT_EQ(1, OpenAlGedimai::Irenginiu());
  EXPECT_EQ(1, OpenAlGedimai::Kontekstu());
  g.Atlaisvinti();
  EXPECT_EQ(0, OpenAlGedimai::Irenginiu());
  EXPECT_EQ(0, OpenAlGedimai::Kontekstu());
  EXPECT_EQ(1u, zurnalas.Pranesimai().size());
}
