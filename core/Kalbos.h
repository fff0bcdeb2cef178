#pragma once
// The languages the game speaks. `kalba` in settings.cfg names one by its code;
// every table of words (app/Valdymas.h, core/Tekstai.h, the generator's tools/Zodziai.h)
// has one column per language, in this order. A language is one more code here and
// its words in those tables: the pictures, the folders and the lookups follow.
#include <cstdint>

enum Kalba : uint8_t { KALBA_LT, KALBA_EN, KALBA_DE, KALBU_KIEKIS };
inline constexpr const char* KALBU_KODAI[KALBU_KIEKIS] = {"LT", "EN", "DE"};

// The pictures with words. Lithuanian ones lie in "duomenys/"; every other language's
// under the same names in "duomenys/<code>/", where the game looks first.
inline constexpr const char* KALBOS_PAVEIKSLAI[] = {"intro.tga",         "pagalba.tga",   "meniu.tga", "meniuPav.tga",
                                                   "pagalbosPuslapis.tga", "pagalbaF1.tga", "juosta.tga"};

// The language a code names, letter case aside. An unknown or empty code (or none)
// means Lithuanian, and the log says so.
Kalba KalbaPagalKoda(const char* kodas);
