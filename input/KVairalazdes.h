#pragma once
#include <cstdint>

#include "input/KVairalazde.h"

// The joysticks: those found at start-up (an unbroken run of winmm's ids from 0; on
// Windows XInput's pads first), then any plugged in while the game runs, found within
// half a second. A record stays once made: a joystick pulled out reads as let go, and
// the same id answering again is made afresh in its record.
class KVairalazdes {
 public:
  static constexpr int32_t TALPA = 20;  // winmm's 16 ids and XInput's 4 pads
  static int32_t kiekis;
  static bool sukurta;
  static KVairalazde* vairalazdes;  // the first kiekis records, null while there are none

  static void Sukurti();
  // Polls every joystick, and now and then looks for new ones. True when a joystick
  // came or went since the last call: the game then takes Pirmoji again.
  static bool Atnaujinti();
  static void Kalibruoti();
  static void Naikinti();
  // The first joystick plugged in now, or null: the one the game reads.
  static KVairalazde* Pirmoji();

 private:
  static void Ieskoti();
};
