#include "Garsai.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Garsai {
namespace {

constexpr double PI = 3.14159265358979323846;

// One-pole low-pass; the cut-off may change every sample.
class Filtras {
 public:
  float Zemi(float x, double daznis) {
    const double a = 1 - std::exp(-2 * PI * daznis / DAZNIS);
    y += static_cast<float>(a * (x - y));
    return y;
  }

 private:
  float y = 0;
};

// Scales to a peak of virsune and fades the last few milliseconds to silence.
void Baigti(std::vector<float>& v, float virsune) {
  float max = 0;
  for (float x : v) max = std::max(max, std::fabs(x));
  if (max > 0)
    for (float& x : v) x *= virsune / max;
  const size_t uodega = std::min<size_t>(v.size(), DAZNIS / 100);
  for (size_t i = 0; i < uodega; ++i) v[v.size() - 1 - i] *= static_cast<float>(i) / uodega;
}

}  // namespace

std::vector<float> Suvis() {
  const int n = static_cast<int>(DAZNIS * 1.1);
  std::vector<float> v(n);
  Triuksmas t(12345);
  Filtras trenksmas, griaudejimas, aidas;
  double faze = 0;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    const double ataka = std::min(1.0, s / 0.0015);
    // The blast: a falling low tone under a burst of noise that darkens fast.
    faze += 2 * PI * (42 + 130 * std::exp(-s * 22)) / DAZNIS;
    double x = std::sin(faze) * std::exp(-s * 6.5) * 0.9;
    const float triuk = t.Kitas();
    x += trenksmas.Zemi(triuk, 350 + 7000 * std::exp(-s * 30)) * std::exp(-s * 11) * 1.6;
    x += griaudejimas.Zemi(triuk, 260) * std::exp(-s * 2.6) * 0.9;
    x += aidas.Zemi(t.Kitas(), 900) * std::exp(-s * 4.5) * 0.25 * std::min(1.0, s / 0.05);
    if (s < 0.004) x += triuk * (1 - s / 0.004) * 0.8;
    v[i] = static_cast<float>(std::tanh(x * ataka * 1.4));
  }
  Baigti(v, 0.89f);
  return v;
}

std::vector<float> Sprogimas() {
  const int n = static_cast<int>(DAZNIS * 2.2);
  std::vector<float> v(n);
  Triuksmas t(777);
  Filtras gaudesys, trenksmas, spragsejimas, zemas;
  double faze = 0;
  double traskesys = 0;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    const double ataka = std::min(1.0, s / 0.004);
    faze += 2 * PI * (30 + 70 * std::exp(-s * 9)) / DAZNIS;
    double x = std::sin(faze) * std::exp(-s * 3.2) * 1.1;
    const float triuk = t.Kitas();
    x += trenksmas.Zemi(triuk, 180 + 4200 * std::exp(-s * 3.5)) * std::exp(-s * 2.0) * 1.8;
    x += zemas.Zemi(gaudesys.Zemi(triuk, 140), 90) * std::exp(-s * 1.2) * 2.4;
    // Debris crackling: short bright bursts, thinning out.
    const float atsitiktinis = t.Kitas();
    if (atsitiktinis > 1 - 0.0016 * std::exp(-s * 1.5) * 2) traskesys = 0.6 + 0.4 * std::fabs(t.Kitas());
    traskesys *= 0.9975;
    x += (triuk - spragsejimas.Zemi(triuk, 1800)) * traskesys * std::exp(-s * 1.1) * 0.7;
    v[i] = static_cast<float>(std::tanh(x * ataka * 1.2));
  }
  Baigti(v, 0.89f);
  return v;
}

std::vector<float> Spaudimas() {
  const int n = static_cast<int>(DAZNIS * 0.07);
  std::vector<float> v(n);
  Triuksmas t(4242);
  Filtras f;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    double x = std::sin(2 * PI * 2300 * s) * std::exp(-s * 140) * 0.8;
    x += std::sin(2 * PI * 1150 * s) * std::exp(-s * 70) * 0.5;
    const float triuk = t.Kitas();
    if (s < 0.003) x += (triuk - f.Zemi(triuk, 3000)) * (1 - s / 0.003) * 0.9;
    v[i] = static_cast<float>(x * std::min(1.0, s / 0.0003));
  }
  Baigti(v, 0.7f);
  return v;
}

bool RasytiWav(const std::string& kelias, const std::vector<float>& meginiai, int kanalai, int daznis) {
  std::FILE* f = std::fopen(kelias.c_str(), "wb");
  if (!f) return false;
  const uint32_t duomenu = static_cast<uint32_t>(meginiai.size() * 2);
  std::vector<uint8_t> b;
  b.reserve(44 + duomenu);
  auto Zodis = [&](const char* s) { b.insert(b.end(), s, s + 4); };
  auto U32 = [&](uint32_t x) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(x >> (8 * i)));
  };
  auto U16 = [&](uint16_t x) {
    b.push_back(static_cast<uint8_t>(x));
    b.push_back(static_cast<uint8_t>(x >> 8));
  };
  Zodis("RIFF");
  U32(36 + duomenu);
  Zodis("WAVE");
  Zodis("fmt ");
  U32(16);
  U16(1);  // PCM
  U16(static_cast<uint16_t>(kanalai));
  U32(static_cast<uint32_t>(daznis));
  U32(static_cast<uint32_t>(daznis * kanalai * 2));
  U16(static_cast<uint16_t>(kanalai * 2));
  U16(16);
  Zodis("data");
  U32(duomenu);
  for (float x : meginiai) {
    const long s = std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f);
    U16(static_cast<uint16_t>(static_cast<int16_t>(s)));
  }
  const bool gerai = std::fwrite(b.data(), 1, b.size(), f) == b.size();
  return std::fclose(f) == 0 && gerai;
}

}  // namespace Garsai
