#pragma once
#include <cstdint>

// Key states: 0 up, 1 released in this frame, 2 pressed in this frame, 3 held.
enum : uint8_t { KLAVISAS_ATLEISTAS = 0, KLAVISAS_PAKELTAS = 1, KLAVISAS_NUSPAUSTAS = 2, KLAVISAS_LAIKOMAS = 3 };

// One byte per Windows virtual-key code, read directly by the game.
class KKlaviatura {
 public:
  uint8_t busenos[256] = {};

  void Paspausti(int kodas);  // WM_KEYDOWN
  void Atleisti(int kodas);   // WM_KEYUP
  void Atnaujinti();          // per-frame edge update
};
