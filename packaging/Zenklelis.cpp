// The desktop icon: the player's tank, painted with the same pieces as the game's
// army sheet, written as a PNG of the asked size (the icon themes want PNG).
//
// usage: tankai_zenklelis <output.png> <size in pixels>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "KDrobe.h"
#include "Piesiniai.h"

namespace {

uint32_t Crc(const uint8_t* p, size_t n, uint32_t c = 0xFFFFFFFFu) {
  static uint32_t lentele[256];
  static bool paruosta = false;
  if (!paruosta) {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t k = i;
      for (int j = 0; j < 8; ++j) k = (k & 1) ? 0xEDB88320u ^ (k >> 1) : k >> 1;
      lentele[i] = k;
    }
    paruosta = true;
  }
  for (size_t i = 0; i < n; ++i) c = lentele[(c ^ p[i]) & 0xFF] ^ (c >> 8);
  return c;
}

void Dideli32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<uint8_t>(x >> s));
}

void Gabalas(std::vector<uint8_t>& png, const char* tipas, const std::vector<uint8_t>& duom) {
  Dideli32(png, static_cast<uint32_t>(duom.size()));
  std::vector<uint8_t> tikrinama(tipas, tipas + 4);
  tikrinama.insert(tikrinama.end(), duom.begin(), duom.end());
  png.insert(png.end(), tikrinama.begin(), tikrinama.end());
  Dideli32(png, Crc(tikrinama.data(), tikrinama.size()) ^ 0xFFFFFFFFu);
}

// A zlib stream of stored blocks: an icon is small, and this needs no library.
std::vector<uint8_t> Zlib(const std::vector<uint8_t>& d) {
  std::vector<uint8_t> z = {0x78, 0x01};
  size_t i = 0;
  do {
    size_t n = std::min<size_t>(65535, d.size() - i);
    z.push_back(i + n == d.size() ? 1 : 0);
    z.push_back(static_cast<uint8_t>(n));
    z.push_back(static_cast<uint8_t>(n >> 8));
    z.push_back(static_cast<uint8_t>(~n));
    z.push_back(static_cast<uint8_t>(~n >> 8));
    z.insert(z.end(), d.begin() + static_cast<long>(i), d.begin() + static_cast<long>(i + n));
    i += n;
  } while (i < d.size());
  uint32_t a = 1, b = 0;
  for (uint8_t c : d) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Dideli32(z, (b << 16) | a);
  return z;
}

uint8_t Baitas(float x) {
  if (x <= 0) return 0;
  if (x >= 1) return 255;
  return static_cast<uint8_t>(x * 255.0f + 0.5f);
}

bool RasytiPng(const KDrobe& d, const std::string& kelias) {
  std::vector<uint8_t> eilutes;
  // The canvas keeps its bottom row first; PNG starts at the top.
  for (int y = d.aukstis - 1; y >= 0; --y) {
    eilutes.push_back(0);  // no filter
    for (int x = 0; x < d.plotis; ++x) {
      const Spalva& s = d.Taskas(x, y);
      for (float k : {s.r, s.g, s.b, s.a}) eilutes.push_back(Baitas(k));
    }
  }
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  Dideli32(ihdr, static_cast<uint32_t>(d.plotis));
  Dideli32(ihdr, static_cast<uint32_t>(d.aukstis));
  for (uint8_t b : {8, 6, 0, 0, 0}) ihdr.push_back(b);  // 8-bit RGBA
  Gabalas(png, "IHDR", ihdr);
  Gabalas(png, "IDAT", Zlib(eilutes));
  Gabalas(png, "IEND", {});
  FILE* f = std::fopen(kelias.c_str(), "wb");
  if (!f) return false;
  bool gerai = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  return std::fclose(f) == 0 && gerai;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output.png> <size>\n", argv[0]);
    return 2;
  }
  const int dydis = std::atoi(argv[2]);
  if (dydis < 16 || dydis > 1024) {
    std::fprintf(stderr, "size must be 16 to 1024 pixels\n");
    return 2;
  }
  KDrobe d(dydis, dydis);
  d.Uzpildyti(Spalva{0, 0, 0, 0});
  const KSritis visa{0, 0, static_cast<double>(dydis), static_cast<double>(dydis), static_cast<double>(dydis),
                     static_cast<double>(dydis)};
  // Turned up and to the right, the gun a little off the hull's line: the tank
  // as the player sees it in the middle of a battle.
  PiestiTanka(d, visa, dydis / 2.0, dydis / 2.0, dydis / 48.0, -30, -15, LietuvosSpalvos());
  if (!RasytiPng(d, argv[1])) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
