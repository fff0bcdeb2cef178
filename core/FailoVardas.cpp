#include "core/FailoVardas.h"

#include <cstring>

const char* FailoVardas(const char* kelias) {
  if (!kelias || !*kelias) return kelias;
  // A separator in the first position alone does not split the path.
  for (const char* p = kelias + std::strlen(kelias) - 1; p > kelias; --p)
    if (*p == '/' || *p == '\\') return p + 1;
  return kelias;
}
