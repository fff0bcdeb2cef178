#pragma once
// Every key of settings.cfg, once: the field it fills, its default, the values it
// accepts, what the shipped settings.cfg writes for it and one line saying what it
// does. The reader (KNustatymai::Skaityti) dispatches on this table and the constructor
// takes the defaults from it; the data generator writes the shipped settings.cfg from
// it; tests check the README, the manual page and the Windows read-me against it.
// Adding a key: a field in KNustatymai and one line here.
#include <cstddef>
#include <cstdint>

#include "config/KNustatymai.h"

enum class NustatymoRusis : uint8_t {
  Skaicius,  // one decimal integer; the rest of the line is discarded
  Pora,      // two integers with spaces, commas or tabs between; the rest discarded
  Loginis,   // 0 or 1; any other number ends the reading, as a stream's bool would
  Tekstas,   // the rest of the line into a fixed field of `talpa` bytes; a longer
             // value keeps what fits and ends the reading
  Kopija,    // the rest of the line (at most 255 characters) as an owned heap text
};

struct Nustatymas {
  const char* raktas;      // the key, compared exactly, case included
  NustatymoRusis rusis;
  size_t laukas;           // offsetof the field in KNustatymai
  size_t laukas2;          // Pora: the second number's field
  size_t talpa;            // Tekstas: bytes of the field, terminator included
  int32_t numatyta;        // numbers' and booleans' default (Pora: the first)
  int32_t numatyta2;       // Pora: the second number's default
  const char* numatytas;   // texts' default; nullptr: absent
  // Numbers read outside this range leave the field as it was and reading goes on.
  int32_t maziausia, didziausia;
  const char* laive;       // the value the shipped settings.cfg writes; nullptr: not written
  const char* aprasymas;   // what the key does, for the players' documents
};

namespace nustatymu_lentele {
constexpr int32_t MIN = INT32_MIN, MAX = INT32_MAX;
using R = NustatymoRusis;
#define TANKAI_LAUKAS(f) offsetof(KNustatymai, f)
// In the order the players' documents list them; the shipped file writes its keys in it.
inline constexpr Nustatymas NUSTATYMAI[] = {
    {"pavad", R::Tekstas, TANKAI_LAUKAS(pavad), 0, sizeof KNustatymai::pavad, 0, 0, "Langas", 0, 0, "Tankai",
     "window title, at most 31 characters"},
    {"dydis", R::Pora, TANKAI_LAUKAS(plotis), TANKAI_LAUKAS(aukstis), 0, 640, 480, nullptr, MIN, MAX, "800, 600",
     "window width and height in pixels"},
    {"poz", R::Pora, TANKAI_LAUKAS(x), TANKAI_LAUKAS(y), 0, 0, 0, nullptr, MIN, MAX, "0, 0",
     "window position on the screen, x and y"},
    {"fullscr", R::Loginis, TANKAI_LAUKAS(fullscr), 0, 0, 0, 0, nullptr, 0, 1, "0",
     "1 for full screen in the display mode of dydis, bpp and fps"},
    {"darbalaukis", R::Skaicius, TANKAI_LAUKAS(darbalaukis), 0, 0, 0, 0, nullptr, 0, 1, "0",
     "1 for full screen at the desktop's own resolution, without a mode switch (fullscr is then not used)"},
    {"proporcija", R::Skaicius, TANKAI_LAUKAS(proporcija), 0, 0, 0, 0, nullptr, 0, 1, "1",
     "1 keeps the picture at 4:3 with black bars; 0 stretches it over the window"},
    {"bpp", R::Skaicius, TANKAI_LAUKAS(bpp), 0, 0, 32, 0, nullptr, MIN, MAX, "32", "colour bits"},
    {"z_bpp", R::Skaicius, TANKAI_LAUKAS(z_bpp), 0, 0, 24, 0, nullptr, MIN, MAX, "24", "depth-buffer bits"},
    {"stencil_bpp", R::Skaicius, TANKAI_LAUKAS(stencil_bpp), 0, 0, 0, 0, nullptr, MIN, MAX, nullptr,
     "stencil-buffer bits"},
    {"accum_bpp", R::Skaicius, TANKAI_LAUKAS(accum_bpp), 0, 0, 0, 0, nullptr, MIN, MAX, nullptr,
     "accumulation-buffer bits"},
    {"fps", R::Skaicius, TANKAI_LAUKAS(fps), 0, 0, 60, 0, nullptr, MIN, MAX, "60",
     "refresh rate of the full-screen mode"},
    {"v-sync", R::Loginis, TANKAI_LAUKAS(vsync), 0, 0, 1, 0, nullptr, 0, 1, "1", "read, not used"},
    {"kalba", R::Tekstas, TANKAI_LAUKAS(kalba), 0, sizeof KNustatymai::kalba, 0, 0, "LT", 0, 0, "LT",
     "language of every word on screen: LT (Lithuanian), EN (English) or DE (German), in any letter case; "
     "anything else is LT"},
    {"class", R::Tekstas, TANKAI_LAUKAS(klase), 0, sizeof KNustatymai::klase, 0, 0, "Klase", 0, 0, "TankaiLangas",
     "name the window is registered under, at most 31 characters"},
    {"gpu", R::Kopija, TANKAI_LAUKAS(gpu), 0, 0, 0, 0, nullptr, 0, 0, nullptr,
     "display device for full screen; the primary one when not given"},
    {"zymeklis", R::Skaicius, TANKAI_LAUKAS(zymeklis), 0, 0, 0, 0, nullptr, 0, 1, "1",
     "1: your tank keeps a marker all battle; when it dies, your next tank is taken"},
    {"busenos_juosta", R::Skaicius, TANKAI_LAUKAS(busenosJuosta), 0, 0, 0, 0, nullptr, 0, 1, "1",
     "1: a line above the field shows the tanks left on each side and your tank's hits left"},
    {"pataikymai", R::Skaicius, TANKAI_LAUKAS(pataikymai), 0, 0, 0, 0, nullptr, 0, 1, "1",
     "1: a hit tank flashes, a dying one bursts, and the field stays a second after the end"},
    {"miksas", R::Skaicius, TANKAI_LAUKAS(miksas), 0, 0, 0, 0, nullptr, 0, 1, "1",
     "1: quieter music under the shots, and the sound kept below full scale"},
    {"tiksli_pagalba", R::Skaicius, TANKAI_LAUKAS(tiksliPagalba), 0, 0, 0, 0, nullptr, 0, 1, "1",
     "1: the help says how to close it where it shows; Escape leaves the help page too"},
};
#undef TANKAI_LAUKAS
}  // namespace nustatymu_lentele

using nustatymu_lentele::NUSTATYMAI;
inline constexpr size_t NUSTATYMU_KIEKIS = sizeof NUSTATYMAI / sizeof NUSTATYMAI[0];
