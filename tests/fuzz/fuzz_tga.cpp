// libFuzzer target: any bytes as a Targa file. A load either throws one of the
// loader's texts or yields a buffer the upload can read whole.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "gfx/KTga.h"
#include "tests/fuzz/FuzzFailas.h"

namespace {


bool ZinomaKlaida(const char* t) {
  for (const char* z : {"Nepavyko atidaryti failo", "Netinkamas failo tipas", "Neisskirta atmintis!",
                        "Netinkamas bpp", "Netinkami matmenys"})
    if (std::strcmp(t, z) == 0) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* duomenys, size_t dydis) {
  const char* kelias = IrasytiFuzzFaila(duomenys, dydis, "tga");
  if (!kelias) return 0;

  KTga t;
  try {
    t.Uzkrauti(kelias);
  } catch (const char* klaida) {
    if (!ZinomaKlaida(klaida) || t.pikseliai) std::abort();
    return 0;
  }
  if (!t.pikseliai || t.plotis <= 0 || t.aukstis <= 0 || t.formatas == 0 || t.vidinisFormatas == 0) std::abort();
  const size_t pikselio = t.tipas == GL_UNSIGNED_SHORT_1_5_5_5_REV ? 2 : t.formatas == GL_BGRA ? 4
                          : t.formatas == GL_BGR                   ? 3
                                                                   : 1;
  const size_t a = static_cast<size_t>(t.lygiavimas);
  const size_t eilute = (static_cast<size_t>(t.plotis) * pikselio + a - 1) / a * a;
  if (static_cast<size_t>(t.dydis) < eilute * static_cast<size_t>(t.aukstis)) std::abort();
  // Touch every byte the upload would read.
  unsigned suma = 0;
  for (int i = 0; i < t.dydis; ++i) suma += t.pikseliai[i];
  volatile unsigned isvengti = suma;
  (void)isvengti;
  t.Atlaisvinti();
  return 0;
}
