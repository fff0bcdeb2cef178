// Any bytes as a WAV file: the loader throws one of its texts or loads at most
// what the file holds, and never reads or writes outside its buffers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/KWav.h"
#include "tests/fuzz/FuzzFailas.h"
#include "audio/OpenAl.h"

unsigned fuzzWavSuma = 0;  // keeps the reads of every loaded byte

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* duomenys, size_t dydis) {
  const char* kelias = IrasytiFuzzFaila(duomenys, dydis, "wav");
  if (!kelias) return 0;

  static KWav wav;  // reused, as the sample bank reuses its loader
  try {
    wav.Skaityti(kelias);
  } catch (const char*) {
    if (wav.duomenys || wav.failas) std::abort();
    return 0;
  }
  if (!wav.duomenys || wav.failas || wav.blokoDydis > dydis) std::abort();
  if (wav.alFormatas != AL_FORMAT_MONO8 && wav.alFormatas != AL_FORMAT_STEREO8 &&
      wav.alFormatas != AL_FORMAT_MONO16 && wav.alFormatas != AL_FORMAT_STEREO16)
    std::abort();
  // Whole frames only, as OpenAL accepts them.
  const uint32_t kadras = (wav.alFormatas == AL_FORMAT_MONO8) ? 1 : (wav.alFormatas == AL_FORMAT_STEREO16) ? 4 : 2;
  if (wav.blokoDydis % kadras) std::abort();
  for (uint32_t i = 0; i < wav.blokoDydis; ++i) fuzzWavSuma += wav.duomenys[i];
  wav.Atlaisvinti();
  return 0;
}
