// Any bytes as the music file: the reader opens it or throws one of its texts,
// and decoding a few chunks, looping or not, ends and stays inside the buffers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/KOgg.h"
#include "tests/fuzz/FuzzFailas.h"
#include "audio/OpenAl.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* duomenys, size_t dydis) {
  const char* kelias = IrasytiFuzzFaila(duomenys, dydis, "ogg");
  if (!kelias) return 0;

  static KOgg ogg;
  for (int kartoti = 0; kartoti < 2; ++kartoti) {
    try {
      ogg.Atidaryti(kelias);
    } catch (const char*) {
      if (ogg.atidarytas || ogg.failas) std::abort();
      return 0;
    }
    if (ogg.alFormatas != AL_FORMAT_MONO16 && ogg.alFormatas != AL_FORMAT_STEREO16) std::abort();
    ogg.kartoti = kartoti != 0;
    for (int i = 0; i < 6 && ogg.Skaityti(); ++i) {
    }
    ogg.Atlaisvinti();
    if (ogg.atidarytas || ogg.failas) std::abort();
  }
  return 0;
}
