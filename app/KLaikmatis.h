#pragma once
#include <cstdint>

// Frame time in seconds between the two latest ticks, on the high-resolution counter.
class KLaikmatis {
 public:
  int64_t daznis = 0;
  int64_t dabartinis = 0;
  int64_t ankstesnis = 0;
  float KadroLaikas = 0.0f;

  void Sukurti();
  void Atnaujinti();
};
