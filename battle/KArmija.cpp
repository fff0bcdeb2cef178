#include "battle/KArmija.h"

void KArmija::Sukurti(int32_t n, int32_t centras, int32_t eilute, uint32_t tekstura) {
  // The table has room for 16 tanks and no more.
  if (n < 0) n = 0;
  if (n > TALPA) n = TALPA;
  kiekis = n;
  gyvi = n;
  const int32_t pirmas = centras - n / 2;
  for (int32_t i = 0; i < n; ++i) tankai[i].Sukurti(pirmas + i, eilute, tekstura);
}

void KArmija::Atnaujinti() {
  gyvi = 0;
  for (int32_t i = 0; i < kiekis; ++i) {
    tankai[i].Atnaujinti();
    if (tankai[i].gyvas) ++gyvi;
  }
}

void KArmija::Piesti() const {
  for (int32_t i = 0; i < kiekis; ++i) tankai[i].Piesti();
}
