// Any bytes as the music file: the reader opens it or throws one of its texts,
// and decoding a few chunks, looping or not, ends and stays inside the buffers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "audio/KOgg.h"
#include "audio/OpenAl.h"

namespace {
const std::string& Kelias() {
  static const std::string kelias = "/tmp/fuzz_ogg_" + std::to_string(getpid()) + ".ogg";
  return kelias;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* duomenys, size_t dydis) {
  std::FILE* f = std::fopen(Kelias().c_str(), "wb");
  if (!f) return 0;
  std::fwrite(duomenys, 1, dydis, f);
  std::fclose(f);

  static KOgg ogg;
  for (int kartoti = 0; kartoti < 2; ++kartoti) {
    try {
      ogg.Atidaryti(Kelias().c_str());
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
