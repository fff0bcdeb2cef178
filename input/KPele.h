#pragma once
#include <cstdint>

class KNustatymai;

// Mouse buttons and wheel as the window procedure reports them. No game state reads it.
class KPele {
 public:
  bool ratukasPajudejo = false;
  bool kairysPasikeite = false;
  bool desinysPasikeite = false;
  bool vidurinisPasikeite = false;
  int32_t plotis = 640;
  int32_t aukstis = 480;
  int32_t centrasX = 320;
  int32_t centrasY = 240;
  int32_t ratukoSuma = 0;
  int32_t ratukoZingsnis = 0;
  int32_t kairys = 0;
  int32_t desinys = 0;
  int32_t vidurinis = 0;

  // Takes the window area from the settings and centres the cursor in it.
  void Sukurti(const KNustatymai& nustatymai);
  void KairysMygtukas(bool paspaustas);
  void DesinysMygtukas(bool paspaustas);
  void VidurinisMygtukas(bool paspaustas);
  void Ratukas(int32_t zingsniai);
};
