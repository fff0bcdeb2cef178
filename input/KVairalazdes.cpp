#include "input/KVairalazdes.h"

int32_t KVairalazdes::kiekis = 0;
bool KVairalazdes::sukurta = false;
KVairalazde* KVairalazdes::vairalazdes = nullptr;

void KVairalazdes::Sukurti() {
  if (sukurta) Naikinti();
  UINT n = joyGetNumDevs();
  JOYINFO info;
  // Only an unbroken run of ids from 0 counts.
  for (UINT id = 0; id < n; ++id) {
    if (joyGetPos(id, &info) != JOYERR_NOERROR) break;
    ++kiekis;
  }
  if (kiekis > 0) {
    vairalazdes = new KVairalazde[kiekis]();
    for (int32_t id = 0; id < kiekis; ++id) vairalazdes[id].Sukurti(id);
  }
  sukurta = true;
}

void KVairalazdes::Atnaujinti() {
  for (int32_t i = 0; i < kiekis; ++i) vairalazdes[i].Atnaujinti();
}

void KVairalazdes::Kalibruoti() {
  for (int32_t i = 0; i < kiekis; ++i) {
    vairalazdes[i].Atnaujinti();
    vairalazdes[i].Kalibruoti();
  }
}

void KVairalazdes::Naikinti() {
  if (!sukurta) return;
  delete[] vairalazdes;
  vairalazdes = nullptr;
  kiekis = 0;
  sukurta = false;
}
