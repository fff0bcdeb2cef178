#include "core/Kalbos.h"

#include <cctype>

#include "core/Zurnalas.h"

namespace {
bool VienodiBeDydzio(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b))) return false;
  return *a == *b;
}
}  // namespace

Kalba KalbaPagalKoda(const char* kodas) {
  if (!kodas) kodas = "";
  for (int k = 0; k < KALBU_KIEKIS; ++k)
    if (VienodiBeDydzio(kodas, KALBU_KODAI[k])) return static_cast<Kalba>(k);
  ZurnalasF("Nezinoma kalba '%s', naudojama %s", kodas, KALBU_KODAI[KALBA_LT]);
  return KALBA_LT;
}
