#include "input/KKlaviatura.h"

void KKlaviatura::Paspausti(int kodas) {
  if (kodas < 0 || kodas > 255) return;
  uint8_t& b = busenos[kodas];
  if (b < KLAVISAS_NUSPAUSTAS) b = KLAVISAS_NUSPAUSTAS;  // auto-repeat finds it down and leaves it
}

void KKlaviatura::Atleisti(int kodas) {
  if (kodas < 0 || kodas > 255) return;
  uint8_t& b = busenos[kodas];
  if (b >= KLAVISAS_NUSPAUSTAS) b = KLAVISAS_PAKELTAS;
}

void KKlaviatura::Atnaujinti() {
  for (uint8_t& b : busenos) {
    if (b == KLAVISAS_PAKELTAS) b = KLAVISAS_ATLEISTAS;
    if (b == KLAVISAS_NUSPAUSTAS) b = KLAVISAS_LAIKOMAS;
  }
}
