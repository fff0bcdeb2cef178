#pragma once
#include <cstdint>

#include "battle/KVektorius.h"

class KTankas;

// The half-second flash over the tank the player has just been given, and the quiet
// marker that can stay round it all battle ("zymeklis" in the settings).
class KRodykle {
 public:
  static constexpr float ZYMES_PUSE = 20.0f;  // half the quiet marker's side, map pixels

  uint32_t tekstura = 0;
  uint32_t zymesTekstura = 0;
  const KVektorius* sekama = nullptr;
  float laikas = 0;
  float alfa = 0;

  void Sukurti();
  void Priristi(const KVektorius& pozicija);
  void Piesti();
  // Four corners round a living tank; nothing for a dead one or without the picture.
  void PiestiZyme(const KTankas* tankas) const;
};
