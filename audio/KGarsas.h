#pragma once
#include <cstdint>

#include "audio/OpenAl.h"

class KVektorius;

// One OpenAL source on one sample; a play request is ignored while it still sounds.
class KGarsas {
 public:
  ALuint saltinis = 0;
  ALint busena = 0;
  const KVektorius* pozicija = nullptr;  // owned by the caller, outlives the source
  bool sukurtas = false;
  bool groja = false;

  void Sukurti(ALuint pavyzdys, const KVektorius& poz, bool kartoti);
  void Groti();
  void Atnaujinti();
};
