#pragma once
#include <cstdint>

#include "input/KVairalazde.h"

// The joysticks found at start-up: an unbroken run of ids from 0.
class KVairalazdes {
 public:
  static int32_t kiekis;
  static bool sukurta;
  static KVairalazde* vairalazdes;  // owned array of kiekis records, null when none

  static void Sukurti();
  static void Atnaujinti();
  static void Kalibruoti();
  static void Naikinti();
};
