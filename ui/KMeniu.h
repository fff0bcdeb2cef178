#pragma once
#include <cstdint>

#include "audio/KGarsas.h"
#include "battle/KVektorius.h"

// The main menu: three items, the selected one red, and the outcome picture.
class KMeniu {
 public:
  uint32_t punktuTekstura = 0;
  uint32_t paveiksloTekstura = 0;
  int32_t pasirinkimas = 0;
  bool baigta = false;
  bool laimeta = false;
  KGarsas spragtelejimas;
  KVektorius spragtelejimoPozicija;

  void Sukurti();
  void Perjungti(int32_t zingsnis);
  void Piesti();
  // The s range of the outcome picture for the current result flags.
  void PaveiksloRibos(float& s0, float& s1) const;
};
