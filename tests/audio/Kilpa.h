#pragma once
// OpenAL Soft's loopback device: the mix is rendered into memory on request, so a
// test hears exactly what the game would play, sample by sample, without hardware.
#include <cstddef>
#include <vector>

#include "audio/OpenAl.h"

class Kilpa {
 public:
  static constexpr int DAZNIS = 44100;

  Kilpa();  // opens the device, makes its context current
  ~Kilpa();
  Kilpa(const Kilpa&) = delete;
  Kilpa& operator=(const Kilpa&) = delete;

  bool Veikia() const { return kontekstas != nullptr; }
  // Mixes the next `kadrai` stereo frames and appends them (L, R floats) to `i`.
  void Generuoti(int kadrai, std::vector<float>& i);

  ALCdevice* irenginys = nullptr;
  ALCcontext* kontekstas = nullptr;
};

// Stretches of sound in interleaved stereo: runs where either channel exceeds the
// threshold, with gaps shorter than `tarpas` frames (zero crossings) merged.
struct Ruozas {
  size_t pradzia, ilgis;  // in frames
};
std::vector<Ruozas> GarsoRuozai(const std::vector<float>& i, float slenkstis = 0.01f, size_t tarpas = 100);
