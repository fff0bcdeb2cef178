#include "tests/audio/Kilpa.h"

#include <AL/alext.h>

#include <cmath>

namespace {
LPALCLOOPBACKOPENDEVICESOFT Atidaryti() {
  return reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
}
LPALCRENDERSAMPLESSOFT Generavimas() {
  return reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
}
}  // namespace

Kilpa::Kilpa() {
  if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return;
  auto atidaryti = Atidaryti();
  if (!atidaryti) return;
  irenginys = atidaryti(nullptr);
  if (!irenginys) return;
  // Float output: no dither and no limiter, so what was queued is what comes out.
  const ALCint pozymiai[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                             ALC_FREQUENCY, DAZNIS, ALC_HRTF_SOFT, ALC_FALSE, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE,
                             0};
  kontekstas = alcCreateContext(irenginys, pozymiai);
  if (!kontekstas || !alcMakeContextCurrent(kontekstas)) {
    if (kontekstas) alcDestroyContext(kontekstas);
    kontekstas = nullptr;
    alcCloseDevice(irenginys);
    irenginys = nullptr;
  }
}

Kilpa::~Kilpa() {
  if (kontekstas) {
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(kontekstas);
  }
  if (irenginys) alcCloseDevice(irenginys);
}

void Kilpa::Generuoti(int kadrai, std::vector<float>& i) {
  static LPALCRENDERSAMPLESSOFT generuoti = Generavimas();
  size_t buvo = i.size();
  i.resize(buvo + size_t(kadrai) * 2);
  generuoti(irenginys, i.data() + buvo, kadrai);
}

std::vector<Ruozas> GarsoRuozai(const std::vector<float>& i, float slenkstis, size_t tarpas) {
  std::vector<Ruozas> r;
  size_t paskutinis = 0;
  bool yra = false;
  for (size_t k = 0; k < i.size() / 2; ++k) {
    if (std::fabs(i[2 * k]) <= slenkstis && std::fabs(i[2 * k + 1]) <= slenkstis) continue;
    if (yra && k - paskutinis <= tarpas) {
      r.back().ilgis = k - r.back().pradzia + 1;
    } else {
      r.push_back({k, 1});
      yra = true;
    }
    paskutinis = k;
  }
  return r;
}
