#include "tests/images/Vaizdai.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/common/IsorinisIrankis.h"

namespace vaizdai {

namespace {
unsigned char Is5(unsigned v) { return static_cast<unsigned char>((v * 255 + 15) / 31); }
}  // namespace

std::vector<unsigned char> KaipRgba(const KTeksturaDuom& v) {
  size_t pikselio = 0;
  if (v.tipas == GL_UNSIGNED_BYTE && v.formatas == GL_BGR) pikselio = 3;
  else if (v.tipas == GL_UNSIGNED_BYTE && v.formatas == GL_BGRA) pikselio = 4;
  else if (v.tipas == GL_UNSIGNED_BYTE && v.formatas == GL_ALPHA) pikselio = 1;
  else if (v.tipas == GL_UNSIGNED_SHORT_1_5_5_5_REV && v.formatas == GL_BGRA) pikselio = 2;
  if (!pikselio) {
    ADD_FAILURE() << "unexpected format 0x" << std::hex << v.formatas << " type 0x" << v.tipas;
    return {};
  }
  const int a = v.lygiavimas;
  if (a != 1 && a != 2 && a != 4 && a != 8) {
    ADD_FAILURE() << "bad unpack alignment " << a;
    return {};
  }
  const size_t eilute = (static_cast<size_t>(v.plotis) * pikselio + a - 1) / a * a;
  // Every row at the full stride, the last one too (GLU copies whole rows).
  const size_t reikia = eilute * v.aukstis;
  if (!v.pikseliai || v.plotis <= 0 || v.aukstis <= 0 || static_cast<size_t>(v.dydis) < reikia) {
    ADD_FAILURE() << "buffer of " << v.dydis << " bytes, upload reads " << reikia;
    return {};
  }
  const bool alfa = v.vidinisFormatas == GL_RGBA || v.vidinisFormatas == GL_RGB5_A1 || v.vidinisFormatas == GL_ALPHA8;
  std::vector<unsigned char> rgba(static_cast<size_t>(v.plotis) * v.aukstis * 4);
  for (int y = 0; y < v.aukstis; ++y) {
    const unsigned char* s = v.pikseliai + eilute * y;
    for (int x = 0; x < v.plotis; ++x) {
      unsigned char* d = &rgba[(static_cast<size_t>(y) * v.plotis + x) * 4];
      const unsigned char* p = s + pikselio * x;
      switch (pikselio) {
        case 1: d[0] = d[1] = d[2] = 0; d[3] = p[0]; break;
        case 2: {
          const unsigned px = p[0] | p[1] << 8;
          d[0] = Is5((px >> 10) & 31); d[1] = Is5((px >> 5) & 31); d[2] = Is5(px & 31);
          d[3] = (px & 0x8000) ? 255 : 0;
          break;
        }
        default: d[0] = p[2]; d[1] = p[1]; d[2] = p[0]; d[3] = pikselio == 4 ? p[3] : 255;
      }
      if (!alfa) d[3] = 255;
    }
  }
  return rgba;
}

bool Convert(const std::string& argumentai) {
  return IsorinisIrankis("convert " + argumentai + " 2>&1") == 0;
}

std::vector<unsigned char> Skaityti(const std::string& failas) {
  std::ifstream f(failas, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), {});
}

bool ImageMagickRgba(const std::string& failas, int& plotis, int& aukstis, std::vector<unsigned char>& rgba) {
  const std::string dydis = failas + ".dydis", duomenys = failas + ".rgba";
  if (!Convert("'" + failas + "' -auto-orient -format '%w %h' -write info:'" + dydis + "' -depth 8 rgba:'" + duomenys + "'"))
    return false;
  {
    // Closed before the removal below: Windows keeps an open file.
    std::ifstream d(dydis);
    if (!(d >> plotis >> aukstis)) return false;
  }
  rgba = Apversti(Skaityti(duomenys), plotis, aukstis);
  std::remove(dydis.c_str());
  std::remove(duomenys.c_str());
  return rgba.size() == static_cast<size_t>(plotis) * aukstis * 4;
}

void RasytiRgba(const std::string& failas, const std::vector<unsigned char>& rgba) {
  std::ofstream f(failas, std::ios::binary);
  f.write(reinterpret_cast<const char*>(rgba.data()), static_cast<std::streamsize>(rgba.size()));
}

std::vector<unsigned char> Rastas(int plotis, int aukstis, bool alfa, bool penki) {
  std::vector<unsigned char> r(static_cast<size_t>(plotis) * aukstis * 4);
  for (int y = 0; y < aukstis; ++y)
    for (int x = 0; x < plotis; ++x) {
      unsigned char* p = &r[(static_cast<size_t>(y) * plotis + x) * 4];
      const unsigned k[3] = {static_cast<unsigned>(x * 29 + y * 7 + 3), static_cast<unsigned>(x * 5 + y * 41 + 100),
                             static_cast<unsigned>(x * 13 + y * 3 + x * y * 17 + 50)};
      for (int c = 0; c < 3; ++c) p[c] = penki ? Is5(k[c] % 32) : static_cast<unsigned char>(k[c] % 256);
      p[3] = alfa ? static_cast<unsigned char>((x * 53 + y * 19 + 7) % 256) : 255;
    }
  return r;
}

std::vector<unsigned char> Apversti(const std::vector<unsigned char>& rgba, int plotis, int aukstis) {
  std::vector<unsigned char> r(rgba.size());
  const size_t eilute = static_cast<size_t>(plotis) * 4;
  if (rgba.size() != eilute * aukstis) return rgba;
  for (int y = 0; y < aukstis; ++y)
    std::copy(rgba.begin() + eilute * y, rgba.begin() + eilute * (y + 1), r.begin() + eilute * (aukstis - 1 - y));
  return r;
}

int DidziausiasSkirtumas(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, bool beAlfos) {
  if (a.size() != b.size()) return 256;
  int d = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    if (beAlfos && i % 4 == 3) continue;
    d = std::max(d, std::abs(static_cast<int>(a[i]) - static_cast<int>(b[i])));
  }
  return d;
}

}  // namespace vaizdai
