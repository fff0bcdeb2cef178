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
  // One textured quad from (x0, y0) to (x1, y1), counter-clockwise with y up, normal
  // (0, 0, 1), the texture's (s0, t0)..(s1, t1) stretched over it.
  static void Keturkampis(float x0, float y0, float x1, float y1, float s0, float t0, float s1, float t1);
};
