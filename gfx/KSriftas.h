#pragma once
#include "platform/Platforma.h"

// One display list per character 32..254 of a 12-unit system font. Nothing draws text.
class KSriftas {
 public:
  GLuint baze = 0;
  bool sukurtas = false;

  bool Sukurti(HDC dc);
};
