// The language a settings code names, and the message boxes' words in each language.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/Kalbos.h"
#include "core/Tekstai.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace {

TEST(Languages, ACodeNamesItsLanguageWhateverItsCaseAnythingElseIsLithuanian) {
  struct Atvejis {
    const char* kodas;
    Kalba kalba;
    bool zurnale;  // the log says the code was not known
  } atvejai[] = {
      {"LT", KALBA_LT, false}, {"lt", KALBA_LT, false}, {"EN", KALBA_EN, false}, {"en", KALBA_EN, false},
      {"eN", KALBA_EN, false}, {"DE", KALBA_DE, false}, {"de", KALBA_DE, false}, {"", KALBA_LT, true},
      {"xx", KALBA_LT, true},  {"E", KALBA_LT, true},   {"ENG", KALBA_LT, true}, {" e", KALBA_LT, true},
      {nullptr, KALBA_LT, true},
  };
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(a.kodas ? a.kodas : "(none)");
    ZurnaloGaudykle zurnalas;
    EXPECT_EQ(a.kalba, KalbaPagalKoda(a.kodas));
    if (a.zurnale) {
      ASSERT_EQ(1u, zurnalas.Pranesimai().size());
      EXPECT_EQ("Nezinoma kalba '" + std::string(a.kodas ? a.kodas : "") + "', naudojama LT", zurnalas.Pranesimai()[0]);
    } else {
      EXPECT_TRUE(zurnalas.Pranesimai().empty());
    }
  }
}

TEST(Languages, EveryMessageHasPlainWordsInEveryLanguage) {
  for (const Tekstas& t : TEKSTAI) {
    SCOPED_TRACE(t.kalbomis[KALBA_LT]);
    for (int k = 0; k < KALBU_KIEKIS; ++k) {
      ASSERT_NE(nullptr, t.kalbomis[k]) << KALBU_KODAI[k];
      EXPECT_NE(0u, std::strlen(t.kalbomis[k])) << KALBU_KODAI[k];
      for (const char* p = t.kalbomis[k]; *p; ++p)
        EXPECT_LT(static_cast<unsigned char>(*p), 0x80u) << KALBU_KODAI[k] << ": ASCII only, for Windows' boxes";
      if (k != KALBA_LT) {
        EXPECT_STRNE(t.kalbomis[KALBA_LT], t.kalbomis[k]) << KALBU_KODAI[k] << " is not translated";
      }
      // Each text is found by its Lithuanian words.
      EXPECT_EQ(t.kalbomis[k], Isversti(t.kalbomis[KALBA_LT], static_cast<Kalba>(k)));
    }
  }
  EXPECT_STREQ("ERROR", Isversti("KLAIDA", KALBA_EN));
  // A text the table lacks stays as it is, in any language.
  const char* kita = "Kazkas kita";
  EXPECT_EQ(kita, Isversti(kita, KALBA_EN));
  EXPECT_EQ(nullptr, Isversti(nullptr, KALBA_DE));
  EXPECT_STREQ("KLAIDA", Isversti("KLAIDA", KALBU_KIEKIS));
}

}  // namespace
