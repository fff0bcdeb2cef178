#pragma once
// A battle laid out by hand for the tests: both armies created as a battle start
// creates them (numbers 1..5 and 6..15), on a grid the test then shapes cell by cell,
// with a frame time the test chooses.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/Globalai.h"

class MusioTestas : public ::testing::Test {
 protected:
  static constexpr float L = LANGELIS;

  void SetUp() override {
    dabartinisZemelapis = &zemelapis;
    laikmatis.KadroLaikas = 1.0f / 60;
    for (auto& l : zemelapis.langeliai) l = 0;
    KTankas::NuliuotiNumeracija();
    zaidejoArmija.Sukurti(ZAIDEJO_TANKU, ARMIJU_CENTRAS, ZAIDEJO_EILUTE, 0);
    priesoArmija.Sukurti(PRIESO_TANKU, ARMIJU_CENTRAS, PRIESO_EILUTE, 0);
    for (auto& b : klaviatura.busenos) b = KLAVISAS_ATLEISTAS;
  }

  static KTankas& Z(int i) { return zaidejoArmija.tankai[i]; }
  static KTankas& P(int i) { return priesoArmija.tankai[i]; }
  static int32_t& Lang(int c, int r) { return zemelapis.Langelis(c, r); }

  // Every cell that no tank holds becomes a wall: nothing moves, every look ends at once.
  static void Uzmurinti() {
    for (auto& l : zemelapis.langeliai)
      if (l == 0) l = -1;
  }

  // Moves a standing tank to (c, r) at once, freeing what it held.
  static void Perkelti(KTankas& t, int32_t c, int32_t r) {
    zemelapis.Irasyti(t.stulpelis, t.eilute, 0);
    zemelapis.Irasyti(t.tikslinisStulpelis, t.tikslineEilute, 0);
    t.stulpelis = t.tikslinisStulpelis = c;
    t.eilute = t.tikslineEilute = r;
    t.pozicija = KVektorius((c + 0.5f) * L, (r + 0.5f) * L, 0);
    t.tikslas = t.pozicija;
    t.juda = false;
    Lang(c, r) = t.numeris;
  }

  // Takes a tank off the battlefield without a death (no log, no sound).
  static void Pasalinti(KTankas& t) {
    zemelapis.Irasyti(t.stulpelis, t.eilute, 0);
    zemelapis.Irasyti(t.tikslinisStulpelis, t.tikslineEilute, 0);
    t.gyvas = false;
    t.sovinysSkrenda = false;
  }

  // Leaves only the listed tanks of each army; the rest are taken off.
  static void PaliktiTik(std::initializer_list<int> zaidejo, std::initializer_list<int> prieso) {
    for (int i = 0; i < zaidejoArmija.kiekis; ++i) {
      bool lieka = false;
      for (int j : zaidejo) lieka |= (i == j);
      if (!lieka) Pasalinti(Z(i));
    }
    for (int i = 0; i < priesoArmija.kiekis; ++i) {
      bool lieka = false;
      for (int j : prieso) lieka |= (i == j);
      if (!lieka) Pasalinti(P(i));
    }
  }

  static KVektorius Centras(int c, int r) { return KVektorius((c + 0.5f) * L, (r + 0.5f) * L, 0); }
};
