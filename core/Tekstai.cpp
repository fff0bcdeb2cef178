#include "core/Tekstai.h"

#include <cstring>

const char* Isversti(const char* lietuviskai, Kalba k) {
  if (!lietuviskai || k >= KALBU_KIEKIS) return lietuviskai;
  for (const Tekstas& t : TEKSTAI)
    if (std::strcmp(t.kalbomis[KALBA_LT], lietuviskai) == 0) return t.kalbomis[k];
  return lietuviskai;
}
