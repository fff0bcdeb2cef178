#pragma once
#include <cstdint>

#include "battle/KVektorius.h"

// The half-second flash over the tank the player has just been given.
class KRodykle {
 public:
  uint32_t tekstura = 0;
  const KVektorius* sekama = nullptr;
  float laikas = 0;
  float alfa = 0;

  void Sukurti();
  void Priristi(const KVektorius& pozicija);
  void Piesti();
};
