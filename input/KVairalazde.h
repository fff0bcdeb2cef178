#pragma once
#include <cstdint>

#include "platform/Platforma.h"

// One joystick: raw positions normalised around a calibrated rest position, buttons
// as key states (0 up, 1 released, 2 pressed, 3 held).
class KVairalazde {
 public:
  struct Kalibracija { int32_t min, max, centras; };

  int32_t id = 0;
  bool sukurta = false;
  JOYCAPSA galimybes = {};
  JOYINFOEX padetis = {};
  Kalibracija kalibracija[8] = {};
  uint8_t mygtukai[32] = {};
  float asys[8] = {};

  void Sukurti(int32_t irenginys);
  void Kalibruoti();
  void Atnaujinti();
};
