#pragma once
#include <cstdint>

// The title picture: fades in over 0.5 s, stays 2 s, fades out over 0.5 s.
class KIntro {
 public:
  uint32_t tekstura = 0;
  float laikas = 0;
  float alfa = 0;
  bool baigta = false;

  void Sukurti();
  void Piesti();
};
