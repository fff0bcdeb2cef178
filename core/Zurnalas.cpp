#include "core/Zurnalas.h"

#include <cstdarg>
#include <cstdio>

namespace {
ZurnaloKablys kablys = nullptr;
}

void NustatytiZurnaloKabli(ZurnaloKablys k) { kablys = k; }

void Zurnalas(const char* tekstas) {
  if (kablys) kablys(tekstas ? tekstas : "");
}

void ZurnalasF(const char* formatas, ...) {
  if (!kablys) return;  // formatting costs nothing when nobody listens
  char eilute[1024];
  va_list args;
  va_start(args, formatas);
  std::vsnprintf(eilute, sizeof eilute, formatas, args);
  va_end(args);
  kablys(eilute);
}
