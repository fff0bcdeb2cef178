#pragma once
// Shared set-up of the window tests: offscreen video, message boxes recorded, and
// nothing left held by the layer after each test.
#include <gtest/gtest.h>

#include <cstdio>

#include "config/KNustatymai.h"
#include "gfx/KLangas.h"
#include "platform/PlatformosTestai.h"

class LangoTestas : public ::testing::Test {
 protected:
  void SetUp() override {
    TestaiBeEkrano();
    TestaiIrasytiPranesimus(true);
    TestaiIsvalytiPranesimus();
    TestaiAtstatyti();
    langasUzdaromas = false;
    static int numeris = 0;
    // A class name of its own per test: a leftover registration cannot leak over.
    std::snprintf(n.klase, sizeof n.klase, "TestoKlase%d", ++numeris);
    std::snprintf(n.pavad, sizeof n.pavad, "Testas %d", numeris);
  }
  void TearDown() override {
    TestaiIsvalytiViska();
    TestaiIsvalytiPranesimus();
    langasUzdaromas = false;
  }
  KNustatymai n;
};
