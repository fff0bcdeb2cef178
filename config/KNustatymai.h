#pragma once
#include <cstdint>

// Window and display configuration: built-in defaults, overwritten key by key from
// the settings file. Never written back.
class KNustatymai {
 public:
  char* failoVardas = nullptr;  // owned; absent until the first read
  int32_t x = 0;                // "poz"
  int32_t y = 0;
  int32_t plotis = 640;         // "dydis"
  int32_t aukstis = 480;
  int32_t fps = 60;
  int32_t bpp = 32;
  int32_t z_bpp = 24;
  int32_t accum_bpp = 0;
  int32_t stencil_bpp = 0;
  bool fullscr = false;
  bool vsync = true;            // "v-sync": stored, consulted by nothing
  char pavad[32] = "Langas";    // at most 31 characters
  char klase[32] = "Klase";     // "class"
  char* gpu = nullptr;          // owned; absent means the default display
  char kalba[3] = "LT";

  KNustatymai() = default;
  ~KNustatymai();
  KNustatymai(const KNustatymai&) = delete;
  KNustatymai& operator=(const KNustatymai&) = delete;

  // Reads the file (or the name stored before, or "nustatymai.cfg"). Never throws.
  void Skaityti(const char* failas = nullptr);
};
