#pragma once
#include <cstdint>

// Window and display configuration: built-in defaults, overwritten key by key from
// the settings file. Never written back. Each field's key, default and accepted
// values are in config/NustatymuLentele.h; the constructor takes the defaults there.
class KNustatymai {
 public:
  char* failoVardas = nullptr;  // owned; absent until the first read
  int32_t x, y;                 // "poz"
  int32_t plotis, aukstis;      // "dydis"
  int32_t fps;
  int32_t bpp;
  int32_t z_bpp;
  int32_t accum_bpp;
  int32_t stencil_bpp;
  bool fullscr;
  int32_t darbalaukis;          // 1: a borderless window over the whole display, no mode switch
  int32_t proporcija;           // 1: the scene kept at 4:3 with black bars
  bool vsync;                   // "v-sync": stored, consulted by nothing
  char pavad[32];               // at most 31 characters
  char klase[32];               // "class"
  char* gpu = nullptr;          // owned; absent means the default display
  char kalba[3];
  // A new player's help, each 0 (the game as it always was) or 1; the shipped file sets them.
  int32_t zymeklis;        // your tank always marked; when it dies the next one is yours
  int32_t busenosJuosta;   // the status line above the field
  int32_t pataikymai;      // hit flashes, death bursts, the field held a second at the end
  int32_t miksas;          // the music mastered under the effects, the output limited
  int32_t tiksliPagalba;   // each help picture says what works where it shows; Esc leaves the help

  KNustatymai();
  ~KNustatymai();
  KNustatymai(const KNustatymai&) = delete;
  KNustatymai& operator=(const KNustatymai&) = delete;

  // Reads the file, or the name stored before. Called with no name and none stored, it
  // reads "nustatymai.cfg", the reader's own name for its file; the game always names
  // "settings.cfg". Never throws.
  void Skaityti(const char* failas = nullptr);
};
