#pragma once
// The languages the game speaks. `kalba` in settings.cfg names one by its code;
// every table of words (app/Valdymas.h, the generator's pictures) has one column
// per language, in this order.
#include <cstdint>

enum Kalba : uint8_t { KALBA_LT, KALBA_EN, KALBU_KIEKIS };
inline constexpr const char* KALBU_KODAI[KALBU_KIEKIS] = {"LT", "EN"};
