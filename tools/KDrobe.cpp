#include "KDrobe.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
float Riboti(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
uint8_t Baitas(float v) { return static_cast<uint8_t>(std::lround(Riboti(v) * 255.0f)); }
}  // namespace

Spalva Maisyti(const Spalva& a, const Spalva& b, float t) {
  return Spalva{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Spalva Uzdeti(const Spalva& apacia, const Spalva& virsus) {
  const float va = Riboti(virsus.a);
  const float aa = Riboti(apacia.a);
  const float oa = va + aa * (1 - va);
  if (oa <= 0) return Spalva{virsus.r, virsus.g, virsus.b, 0};
  const float k = aa * (1 - va);
  return Spalva{(virsus.r * va + apacia.r * k) / oa, (virsus.g * va + apacia.g * k) / oa,
                (virsus.b * va + apacia.b * k) / oa, oa};
}

KDrobe::KDrobe(int p, int a) : plotis(p), aukstis(a), taskai(static_cast<size_t>(p) * a) {}

void KDrobe::Uzpildyti(const Spalva& s) { std::fill(taskai.begin(), taskai.end(), s); }

void KDrobe::Dengti(int x, int y, const Spalva& s, float dalis) {
  if (x < 0 || y < 0 || x >= plotis || y >= aukstis || dalis <= 0) return;
  Spalva v = s;
  v.a *= Riboti(dalis);
  Taskas(x, y) = Uzdeti(Taskas(x, y), v);
}

void KDrobe::Piesti(const KSritis& sr, int n, const std::function<Spalva(double, double)>& f) {
  const int xa = std::max(0, static_cast<int>(std::ceil(sr.x0 - 0.5)));
  const int xb = std::min(plotis, static_cast<int>(std::ceil(sr.x1 - 0.5)));
  const int ya = std::max(0, static_cast<int>(std::ceil(sr.y0 - 0.5)));
  const int yb = std::min(aukstis, static_cast<int>(std::ceil(sr.y1 - 0.5)));
  const double kx = sr.vw / (sr.x1 - sr.x0);
  const double ky = sr.vh / (sr.y1 - sr.y0);
  for (int y = ya; y < yb; ++y) {
    for (int x = xa; x < xb; ++x) {
      // Averaged premultiplied, so transparent samples do not darken the edge.
      double r = 0, g = 0, b = 0, a = 0;
      for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
          const double px = x + (i + 0.5) / n;
          const double py = y + (j + 0.5) / n;
          const Spalva s = f((px - sr.x0) * kx, (py - sr.y0) * ky);
          const double sa = Riboti(s.a);
          r += s.r * sa;
          g += s.g * sa;
          b += s.b * sa;
          a += sa;
        }
      }
      if (a <= 0) continue;
      const Spalva vid{static_cast<float>(r / a), static_cast<float>(g / a), static_cast<float>(b / a),
                       static_cast<float>(a / (n * n))};
      Taskas(x, y) = Uzdeti(Taskas(x, y), vid);
    }
  }
}

void KDrobe::IsplestiSpalvas(int kartai) {
  std::vector<Spalva> kita = taskai;
  std::vector<uint8_t> turi(taskai.size());
  for (size_t i = 0; i < taskai.size(); ++i) turi[i] = taskai[i].a > 0.0f;
  for (int k = 0; k < kartai; ++k) {
    std::vector<uint8_t> naujai = turi;
    for (int y = 0; y < aukstis; ++y) {
      for (int x = 0; x < plotis; ++x) {
        const size_t i = static_cast<size_t>(y) * plotis + x;
        if (turi[i]) continue;
        float r = 0, g = 0, b = 0;
        int kiek = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= plotis || ny >= aukstis) continue;
            const size_t j = static_cast<size_t>(ny) * plotis + nx;
            if (!turi[j]) continue;
            r += kita[j].r;
            g += kita[j].g;
            b += kita[j].b;
            ++kiek;
          }
        }
        if (kiek == 0) continue;
        kita[i] = Spalva{r / kiek, g / kiek, b / kiek, taskai[i].a};
        naujai[i] = 1;
      }
    }
    turi.swap(naujai);
  }
  taskai.swap(kita);
}

bool KDrobe::RasytiTga(const std::string& kelias, bool suAlfa) const {
  std::FILE* f = std::fopen(kelias.c_str(), "wb");
  if (!f) return false;
  uint8_t antraste[18] = {};
  antraste[2] = 2;  // uncompressed true colour
  antraste[12] = static_cast<uint8_t>(plotis & 0xFF);
  antraste[13] = static_cast<uint8_t>(plotis >> 8);
  antraste[14] = static_cast<uint8_t>(aukstis & 0xFF);
  antraste[15] = static_cast<uint8_t>(aukstis >> 8);
  antraste[16] = suAlfa ? 32 : 24;
  antraste[17] = suAlfa ? 8 : 0;  // alpha bits; origin at the bottom left
  std::vector<uint8_t> baitai(18);
  std::copy(antraste, antraste + 18, baitai.begin());
  baitai.reserve(18 + taskai.size() * 4);
  for (const Spalva& s : taskai) {
    baitai.push_back(Baitas(s.b));
    baitai.push_back(Baitas(s.g));
    baitai.push_back(Baitas(s.r));
    if (suAlfa) baitai.push_back(Baitas(s.a));
  }
  const bool gerai = std::fwrite(baitai.data(), 1, baitai.size(), f) == baitai.size();
  return std::fclose(f) == 0 && gerai;
}
