#include "gfx/KTeksturaDuom.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

void KTeksturaDuom::Uzkrauti(const char*) {}

void KTeksturaDuom::Atlaisvinti() {}

bool KTeksturaDuom::SkaitytiFaila(const char* kelias, std::vector<unsigned char>& turinys) {
  turinys.clear();
  if (!kelias) return false;
  std::FILE* f = std::fopen(kelias, "rb");
  if (!f) return false;
  // Read in chunks rather than trusting a seek to the end: the size is what arrives.
  unsigned char gabalas[65536];
  size_t n;
  while ((n = std::fread(gabalas, 1, sizeof gabalas, f)) > 0) turinys.insert(turinys.end(), gabalas, gabalas + n);
  std::fclose(f);
  return true;
}

void KTeksturaDuom::IsskirtiPikselius() {
  // calloc: the bytes a short file does not supply read as zeros, never as garbage.
  pikseliai = static_cast<unsigned char*>(std::calloc(dydis > 0 ? static_cast<size_t>(dydis) : 1, 1));
  if (!pikseliai) throw "Neisskirta atmintis!";
}

void KTeksturaDuom::AtlaisvintiPikselius() {
  std::free(pikseliai);
  pikseliai = nullptr;
}

void KTeksturaDuom::ApverstiEilutes(size_t eilute) {
  if (!pikseliai || eilute == 0 || aukstis < 2) return;
  std::vector<unsigned char> laikina(eilute);
  for (int y = 0; y < aukstis / 2; ++y) {
    unsigned char* a = pikseliai + static_cast<size_t>(y) * eilute;
    unsigned char* b = pikseliai + static_cast<size_t>(aukstis - 1 - y) * eilute;
    std::memcpy(laikina.data(), a, eilute);
    std::memcpy(a, b, eilute);
    std::memcpy(b, laikina.data(), eilute);
  }
}
