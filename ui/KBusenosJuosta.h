#pragma once
#include <cstdint>

// The status line in the strip above the field ("busenos_juosta" in the settings): how
// many tanks each side has left, each by its army's own tank, and how many more hits the
// player's tank can take, from the generator's "juosta.tga".
class KBusenosJuosta {
 public:
  static constexpr float APACIA = 568.0f;  // view units; the field ends at 567.5

  uint32_t tekstura = 0;

  void Sukurti();
  // Reads the armies and the current tank; drawn in the view's own units.
  void Piesti() const;
};
