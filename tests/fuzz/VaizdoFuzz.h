#pragma once
// One fuzz step for an image loader: a load either throws one of the loader's known
// texts and holds no pixels, or yields a buffer the upload can read whole.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "platform/Platforma.h"
#include "tests/fuzz/FuzzFailas.h"

template <class Ikelejas>
int FuzzVaizda(const uint8_t* duomenys, size_t dydis, const char* pletinys,
               std::initializer_list<const char*> zinomosKlaidos) {
  const char* kelias = IrasytiFuzzFaila(duomenys, dydis, pletinys);
  if (!kelias) return 0;

  Ikelejas t;
  try {
    t.Uzkrauti(kelias);
  } catch (const char* klaida) {
    bool zinoma = false;
    for (const char* z : zinomosKlaidos) zinoma = zinoma || std::strcmp(klaida, z) == 0;
    if (!zinoma || t.pikseliai) std::abort();
    return 0;
  }
  if (!t.pikseliai || t.plotis <= 0 || t.aukstis <= 0 || t.formatas == 0 || t.vidinisFormatas == 0) std::abort();
  const size_t pikselio = t.tipas == GL_UNSIGNED_SHORT_1_5_5_5_REV ? 2
                          : t.formatas == GL_BGRA                  ? 4
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
