#include "bench/Scenarijus.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "platform/PlatformosTestai.h"

bool ParuostiZaidima() {
  if (!std::filesystem::is_directory("duomenys")) {
    std::fprintf(stderr, "no duomenys/ in the working folder: build the game's data first\n");
    return false;
  }
  TestaiBeEkrano();
  // The null device mixes in real time like a sound card, without needing one.
  if (!std::getenv("ALSOFT_DRIVERS")) setenv("ALSOFT_DRIVERS", "null", 0);
  if (!Paleisti()) {
    std::fprintf(stderr, "the game did not start\n");
    return false;
  }
  return true;
}

void Spausti(const char* klavisas) { TestaiKlavisas(langas.langas, klavisas, true); }
void Atleisti(const char* klavisas) { TestaiKlavisas(langas.langas, klavisas, false); }

namespace {

bool Bakstelti(const char* klavisas, int32_t laukiama) {
  Spausti(klavisas);
  Kadras();
  Atleisti(klavisas);
  Kadras();
  return busena == laukiama;
}

const char* const kryptys[4] = {"Left", "Up", "Right", "Down"};

}  // namespace

bool PereitiIMeniu() {
  if (busena == BUSENA_MUSIS) return Bakstelti("Escape", BUSENA_MENIU);
  if (busena == BUSENA_INTRO || busena == BUSENA_PAGALBA) return Bakstelti("Return", BUSENA_MENIU);
  return busena == BUSENA_MENIU;
}

bool PradetiMusiIsMeniu() {
  if (busena != BUSENA_MENIU) return false;
  // Never Enter on the last item: that one quits.
  for (int i = 0; i < 3 && meniu.pasirinkimas != 0; ++i) Bakstelti("Down", BUSENA_MENIU);
  if (meniu.pasirinkimas != 0) return false;
  return Bakstelti("Return", BUSENA_MUSIS);
}

void MeniuIvestis(int kadras) {
  if (kadras % 30 == 0) Spausti("Down");
  if (kadras % 30 == 1) Atleisti("Down");
}

void MusioIvestis(int kadras) {
  if (kadras == 0) {
    Spausti("Space");
    Spausti("A");
  }
  if (kadras % 90 == 0) {
    Atleisti(kryptys[(kadras / 90 + 3) % 4]);
    Spausti(kryptys[(kadras / 90) % 4]);
  }
  if (kadras % 300 == 150) Spausti("S");
  if (kadras % 300 == 151) Atleisti("S");
}

void AtleistiMusioKlavisus() {
  for (const char* k : {"Space", "A", "S", "Left", "Up", "Right", "Down"}) Atleisti(k);
}
