#pragma once
#include <cstdint>

// The five-state game machine. The main loop calls AtnaujintiZaidima and
// PiestiKadra once per frame; tests drive them frame by frame.

// Makes the next living tank of the player's army, searching from the index, current.
void PasirinktiTanka(int32_t nuo);
// Both armies on the current map, numbered afresh from 1, and the player's first tank
// chosen: at start-up and at every battle start.
void SukurtiArmijas();
// A new map and both armies, numbered afresh.
void PradetiMusi();
void AtnaujintiZaidima();
void PiestiKadra();
