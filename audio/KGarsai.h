#pragma once
#include <cstdint>

#include "audio/KWav.h"
#include "audio/OpenAl.h"

// The OpenAL device and context, and the bank of at most 16 samples looked up by
// bare file name (exact, case-sensitive).
class KGarsai {
 public:
  static constexpr int TALPA = 16;

  ALCdevice* irenginys = nullptr;
  ALCcontext* kontekstas = nullptr;
  ALuint buferiai[TALPA] = {};
  char vardai[TALPA][32] = {};
  int32_t kiekis = 0;
  float orientacija[6] = {0, 1, 0, 0, 0, 1};
  bool atidarytas = false;
  bool uzkrauta = false;
  KWav wav;

  // The level of everything heard when the mix is kept under full scale.
  static constexpr float SUVALDYTAS_GARSUMAS = 0.4f;

  // suvaldytas: the mix kept under full scale: every sound at SUVALDYTAS_GARSUMAS, and
  // the device's limiter for whatever still adds up past it.
  void Sukurti(bool suvaldytas = false);
  void UzkrautiAplanka(const char* aplankas);
  void UzkrautiGarsa(const char* kelias);
  ALuint Rasti(const char* vardas) const;  // 0 and a log message when unknown
  void Atlaisvinti();
};
