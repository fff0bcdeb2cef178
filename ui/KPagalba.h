#pragma once
#include <cstdint>

// The help picture, drawn over everything, fading in or out over a third of a second.
class KPagalba {
 public:
  uint32_t tekstura = 0;
  bool rodoma = false;
  float alfa = 0;

  void Sukurti();
  void Rodyti(bool rodyti);
  void Piesti();
};
