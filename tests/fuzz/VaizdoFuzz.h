#pragma once
// One fuzz step for an image loader: a load either throws one of the loader's known
// texts and holds no pixels, or yields a buffer the upload can read whole.
//
// Inputs whose header claims more than 1 MiB of pixels are skipped: the loader
// would allocate and clear up to its padding limit for each, and the run would crawl
// at a hundred inputs a second. That large-but-allowed path has unit tests of its own
// (tests/images, the padding limit on either side).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include <sanitizer/asan_interface.h>

#include "platform/Platforma.h"
#include "tests/fuzz/FuzzFailas.h"

constexpr uint64_t FUZZ_VAIZDO_RIBA = 1u << 20;

// Width times height times four bytes, as a header's 16- or 32-bit fields claim them.
inline uint64_t TariamiBaitai(const uint8_t* duomenys, size_t dydis, size_t plocioVieta, size_t laukoBaitu) {
  auto Laukas = [&](size_t vieta) {
    uint32_t v = 0;
    for (size_t i = 0; i < laukoBaitu; ++i)
      if (vieta + i < dydis) v |= static_cast<uint32_t>(duomenys[vieta + i]) << (8 * i);
    // A bitmap's height may be negative (rows stored top first).
    if (laukoBaitu == 4 && (v & 0x80000000u)) v = 0u - v;
    return static_cast<uint64_t>(v);
  };
  return Laukas(plocioVieta) * Laukas(plocioVieta + laukoBaitu) * 4u;
}

template <class Ikelejas>
int FuzzVaizda(const uint8_t* duomenys, size_t dydis, const char* pletinys, uint64_t tariamiBaitai,
               std::initializer_list<const char*> zinomosKlaidos) {
  if (tariamiBaitai > FUZZ_VAIZDO_RIBA) return 0;
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
  // Every byte the upload would read must be ours: asked of the address checker in one
  // call, since a loop over the bytes would be traced compare by compare.
  if (__asan_region_is_poisoned(t.pikseliai, static_cast<size_t>(t.dydis))) std::abort();
  t.Atlaisvinti();
  return 0;
}
