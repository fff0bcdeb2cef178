#pragma once
// The sound effects, synthesised: mono floats at Garsai::DAZNIS samples a second.
#include <cstdint>
#include <string>
#include <vector>

namespace Garsai {
constexpr int DAZNIS = 44100;

// A repeatable noise source, so every run gives the same samples.
class Triuksmas {
 public:
  explicit Triuksmas(uint32_t seka) : busena(seka ? seka : 1) {}
  float Kitas() {
    busena ^= busena << 13;
    busena ^= busena >> 17;
    busena ^= busena << 5;
    return static_cast<float>(busena / 2147483647.5 - 1.0);
  }

 private:
  uint32_t busena;
};

std::vector<float> Suvis();
std::vector<float> Sprogimas();
std::vector<float> Spaudimas();

// 16-bit PCM RIFF WAVE, the canonical 44-byte header; kanalai 1 or 2 (interleaved).
bool RasytiWav(const std::string& kelias, const std::vector<float>& meginiai, int kanalai, int daznis);
}  // namespace Garsai
