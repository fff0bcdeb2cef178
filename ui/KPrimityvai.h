#pragma once
#include <cstdint>

// The unit textured quad (0..1 in x and y, texture coordinates equal to them) as one
// display list, replayed for every map cell.
class KPrimityvai {
 public:
  static uint32_t kvadratas;

  static void Sukurti();
  static void Naikinti();
  // An s by s square with its lower-left corner at the current origin.
  static void Kvadratas(float s);
};
