#pragma once
#include <cstdint>

#include "platform/Platforma.h"

// One joystick: raw positions normalised around a calibrated rest position, buttons
// as key states (0 up, 1 released, 2 pressed, 3 held). One pulled out reads as let go
// (every button up, every axis 0) until it is made again.
class KVairalazde {
 public:
  struct Kalibracija { int32_t min, max, centras; };

  int32_t id = 0;
  bool sukurta = false;
  bool prijungta = false;  // answering; false from the poll that found it unplugged
  JOYCAPSA galimybes = {};
  JOYINFOEX padetis = {};
  Kalibracija kalibracija[8] = {};
  uint8_t mygtukai[32] = {};
  float asys[8] = {};

  void Sukurti(int32_t irenginys);
  void Kalibruoti();
  void Atnaujinti();

 private:
  void Mygtukai(DWORD kauke);
};
