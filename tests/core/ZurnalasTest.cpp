#include "core/Zurnalas.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/ZurnaloGaudykle.h"

namespace {

TEST(DiagnosticLog, WithoutAHookNothingHappens) {
  NustatytiZurnaloKabli(nullptr);
  Zurnalas("niekas negirdi");
  Zurnalas(nullptr);
  ZurnalasF("%s %d", "niekas", 1);
  // A hook installed afterwards sees only what comes after it.
  ZurnaloGaudykle g;
  EXPECT_TRUE(g.Pranesimai().empty());
}

TEST(DiagnosticLog, PlainAndFormatted) {
  ZurnaloGaudykle g;
  Zurnalas("Pirmas");
  ZurnalasF("Nerastas nustatymu failas %s, naudojami standartiniai", "settings.cfg");
  ZurnalasF("Aplanke '%s' per daug failu su pletiniu '.%s', maksimalus skaicius yra %d", "duomenys/", "wav", 127);
  Zurnalas("100% be formato %s");  // the plain entry point never formats
  Zurnalas(nullptr);
  ASSERT_EQ(g.Pranesimai().size(), 5u);
  EXPECT_EQ(g.Pranesimai()[0], "Pirmas");
  EXPECT_EQ(g.Pranesimai()[1], "Nerastas nustatymu failas settings.cfg, naudojami standartiniai");
  EXPECT_EQ(g.Pranesimai()[2], "Aplanke 'duomenys/' per daug failu su pletiniu '.wav', maksimalus skaicius yra 127");
  EXPECT_EQ(g.Pranesimai()[3], "100% be formato %s");
  EXPECT_EQ(g.Pranesimai()[4], "");
}

TEST(DiagnosticLog, LongFormattedEntryIsCut) {
  ZurnaloGaudykle g;
  const std::string ilgas(5000, 'k');
  ZurnalasF("Kelias %s", ilgas.c_str());
  ASSERT_EQ(g.Pranesimai().size(), 1u);
  const std::string& p = g.Pranesimai()[0];
  EXPECT_EQ(p.size(), 1023u);  // the formatted text stays inside its buffer
  EXPECT_EQ(p.rfind("Kelias kkk", 0), 0u);

  Zurnalas(ilgas.c_str());  // the plain one passes any length through
  EXPECT_EQ(g.Pranesimai()[1], ilgas);
}

TEST(ZurnaloGaudykle, CountsFindsAndClears) {
  ZurnaloGaudykle g;
  Zurnalas("FUzkrovimas: bandoma gauti failo pavadinima su per dideliu indeksu");
  Zurnalas("FUzkrovimas: bandoma gauti failo pavadinima su per dideliu indeksu");
  Zurnalas("Kitas");
  EXPECT_EQ(g.Kiek("FUzkrovimas: bandoma gauti failo pavadinima su per dideliu indeksu"), 2);
  EXPECT_EQ(g.Kiek("FUzkrovimas"), 0);  // exact texts only
  EXPECT_EQ(g.Kiek("Kitas"), 1);
  EXPECT_TRUE(g.Yra("per dideliu"));
  EXPECT_FALSE(g.Yra("nera tokio"));
  g.Isvalyti();
  EXPECT_TRUE(g.Pranesimai().empty());
  EXPECT_EQ(g.Kiek("Kitas"), 0);
  Zurnalas("Po valymo");
  EXPECT_EQ(g.Pranesimai().size(), 1u);
}

TEST(ZurnaloGaudykle, StopsCapturingOnceGone) {
  {
    ZurnaloGaudykle g;
    Zurnalas("viduje");
    EXPECT_EQ(g.Kiek("viduje"), 1);
  }
  Zurnalas("po");  // no hook left: must not touch the destroyed capture
  ZurnaloGaudykle naujas;
  EXPECT_TRUE(naujas.Pranesimai().empty());
}

}  // namespace
