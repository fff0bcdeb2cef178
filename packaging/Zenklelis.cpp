// The desktop icon: the player's tank, painted with the same pieces as the game's
// army sheet. Written as a PNG of the asked size (the icon themes want PNG), or as a
// Windows .ico holding every asked size (tankai.exe's icon resource).
//
// usage: tankai_zenklelis <output.png> <size in pixels>
//        tankai_zenklelis <output.ico> <size>,<size>,...
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

std::vector<uint8_t> Png(const KDrobe& d) {
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
  return png;
}

void Mazi16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}

void Mazi32(std::vector<uint8_t>& v, uint32_t x) {
  Mazi16(v, x & 0xFFFF);
  Mazi16(v, x >> 16);
}

// One icon image as Windows keeps small ones: a 32-bit device-independent bitmap of
// straight-alpha BGRA, bottom row first (as the canvas), twice as high as it is for the
// AND mask that follows; the mask marks the fully clear pixels for old renderers.
std::vector<uint8_t> Dib(const KDrobe& d) {
  std::vector<uint8_t> b;
  const uint32_t kaukesEilute = ((static_cast<uint32_t>(d.plotis) + 31) / 32) * 4;
  Mazi32(b, 40);
  Mazi32(b, static_cast<uint32_t>(d.plotis));
  Mazi32(b, static_cast<uint32_t>(d.aukstis) * 2);
  Mazi16(b, 1);   // planes
  Mazi16(b, 32);  // bits per pixel
  Mazi32(b, 0);   // BI_RGB
  Mazi32(b, static_cast<uint32_t>(d.plotis * d.aukstis * 4) + kaukesEilute * static_cast<uint32_t>(d.aukstis));
  for (int i = 0; i < 4; ++i) Mazi32(b, 0);
  for (int y = 0; y < d.aukstis; ++y)
    for (int x = 0; x < d.plotis; ++x) {
      const Spalva& s = d.Taskas(x, y);
      for (float k : {s.b, s.g, s.r, s.a}) b.push_back(Baitas(k));
    }
  for (int y = 0; y < d.aukstis; ++y) {
    std::vector<uint8_t> eilute(kaukesEilute, 0);
    for (int x = 0; x < d.plotis; ++x)
      if (Baitas(d.Taskas(x, y).a) == 0) eilute[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
    b.insert(b.end(), eilute.begin(), eilute.end());
  }
  return b;
}

// An icon file: the directory, then the images in the order given. 256 pixels and more
// are stored as PNG, as Windows expects from Vista on; smaller ones as bitmaps, which
// every version reads.
std::vector<uint8_t> Ico(const std::vector<KDrobe>& drobes) {
  std::vector<std::vector<uint8_t>> vaizdai;
  for (const KDrobe& d : drobes) vaizdai.push_back(d.plotis >= 256 ? Png(d) : Dib(d));
  std::vector<uint8_t> ico;
  Mazi16(ico, 0);
  Mazi16(ico, 1);  // icon, not cursor
  Mazi16(ico, static_cast<uint32_t>(drobes.size()));
  uint32_t poslinkis = 6 + 16 * static_cast<uint32_t>(drobes.size());
  for (size_t i = 0; i < drobes.size(); ++i) {
    ico.push_back(static_cast<uint8_t>(drobes[i].plotis >= 256 ? 0 : drobes[i].plotis));  // 0 means 256
    ico.push_back(static_cast<uint8_t>(drobes[i].aukstis >= 256 ? 0 : drobes[i].aukstis));
    ico.push_back(0);  // no palette
    ico.push_back(0);
    Mazi16(ico, 1);
    Mazi16(ico, 32);
    Mazi32(ico, static_cast<uint32_t>(vaizdai[i].size()));
    Mazi32(ico, poslinkis);
    poslinkis += static_cast<uint32_t>(vaizdai[i].size());
  }
  for (const auto& v : vaizdai) ico.insert(ico.end(), v.begin(), v.end());
  return ico;
}

bool Rasyti(const std::string& kelias, const std::vector<uint8_t>& baitai) {
  FILE* f = std::fopen(kelias.c_str(), "wb");
  if (!f) return false;
  bool gerai = std::fwrite(baitai.data(), 1, baitai.size(), f) == baitai.size();
  return std::fclose(f) == 0 && gerai;
}

KDrobe Zenklelis(int dydis) {
  KDrobe d(dydis, dydis);
  d.Uzpildyti(Spalva{0, 0, 0, 0});
  const KSritis visa{0, 0, static_cast<double>(dydis), static_cast<double>(dydis), static_cast<double>(dydis),
                     static_cast<double>(dydis)};
  // Turned up and to the right, the gun a little off the hull's line: the tank
  // as the player sees it in the middle of a battle.
  PiestiTanka(d, visa, dydis / 2.0, dydis / 2.0, dydis / 48.0, -30, -15, LietuvosSpalvos());
  return d;
}

bool Galune(const std::string& s, const std::string& galas) {
  return s.size() >= galas.size() && s.compare(s.size() - galas.size(), galas.size(), galas) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output.png> <size>\n       %s <output.ico> <size>,<size>,...\n", argv[0],
                 argv[0]);
    return 2;
  }
  const std::string kelias = argv[1];
  std::vector<int> dydziai;
  for (const char* p = argv[2]; *p;) {
    char* galas = nullptr;
    const long n = std::strtol(p, &galas, 10);
    if (galas == p || n < 16 || n > 1024 || (*galas != ',' && *galas != '\0')) {
      std::fprintf(stderr, "sizes must be 16 to 1024 pixels, separated by commas\n");
      return 2;
    }
    dydziai.push_back(static_cast<int>(n));
    p = *galas ? galas + 1 : galas;
  }
  const bool ico = Galune(kelias, ".ico");
  if (dydziai.empty() || (!ico && dydziai.size() != 1)) {
    std::fprintf(stderr, "a PNG has one size; an .ico one or more\n");
    return 2;
  }
  if (ico && std::any_of(dydziai.begin(), dydziai.end(), [](int n) { return n > 256; })) {
    std::fprintf(stderr, "icon images are at most 256 pixels\n");
    return 2;
  }
  std::vector<KDrobe> drobes;
  for (int n : dydziai) drobes.push_back(Zenklelis(n));
  if (!Rasyti(kelias, ico ? Ico(drobes) : Png(drobes[0]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
