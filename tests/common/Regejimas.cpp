#include "tests/common/Regejimas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using Matrica = double[3][3];

// Linear sRGB to XYZ; its rows sum to the D65 white, so every grey has a* = b* = 0.
const Matrica kXyz = {{0.4124564, 0.3575761, 0.1804375},
                      {0.2126729, 0.7151522, 0.0721750},
                      {0.0193339, 0.1191920, 0.9503041}};

const Matrica kVaizdai[VAIZDU_SKAICIUS] = {
    {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}},
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}},
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}},
    // Luminance into every channel: the Y row above, so greyscale keeps L* as it is.
    {{0.2126729, 0.7151522, 0.0721750}, {0.2126729, 0.7151522, 0.0721750}, {0.2126729, 0.7151522, 0.0721750}},
};

Tiesine Dauginti(const Matrica& m, const Tiesine& c) {
  return Tiesine{m[0][0] * c.r + m[0][1] * c.g + m[0][2] * c.b, m[1][0] * c.r + m[1][1] * c.g + m[1][2] * c.b,
                 m[2][0] * c.r + m[2][1] * c.g + m[2][2] * c.b};
}

double Riboti(double v) { return std::clamp(v, 0.0, 1.0); }

double F(double t) {
  const double e = 216.0 / 24389.0, k = 24389.0 / 27.0;
  return t > e ? std::cbrt(t) : (k * t + 16) / 116;
}

}  // namespace

const char* VaizdoPavadinimas(int vaizdas) {
  static const char* const pavadinimai[VAIZDU_SKAICIUS] = {"normal", "protanopia", "deuteranopia", "tritanopia",
                                                           "greyscale"};
  return vaizdas >= 0 && vaizdas < VAIZDU_SKAICIUS ? pavadinimai[vaizdas] : "?";
}

double Tiesinti(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double Koduoti(double c) {
  c = Riboti(c);
  return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

Tiesine IsBaitu(uint8_t r, uint8_t g, uint8_t b) { return Tiesine{Tiesinti(r / 255.0), Tiesinti(g / 255.0), Tiesinti(b / 255.0)}; }

Tiesine Matyti(const Tiesine& c, int vaizdas) {
  const Tiesine m = Dauginti(kVaizdai[vaizdas], c);
  return Tiesine{Riboti(m.r), Riboti(m.g), Riboti(m.b)};
}

Lab ILab(const Tiesine& c) {
  const Tiesine xyz = Dauginti(kXyz, c);
  const Tiesine balta = Dauginti(kXyz, Tiesine{1, 1, 1});
  const double fx = F(xyz.r / balta.r), fy = F(xyz.g / balta.g), fz = F(xyz.b / balta.b);
  return Lab{116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double DeltaE(const Lab& x, const Lab& y) { return std::hypot(x.L - y.L, x.a - y.a, x.b - y.b); }

void KVidurkis::Prideti(uint8_t r, uint8_t g, uint8_t b, double w) {
  if (w <= 0) return;
  const Tiesine c = IsBaitu(r, g, b);
  for (int v = 0; v < VAIZDU_SKAICIUS; ++v) {
    const Tiesine m = Matyti(c, v);
    suma[v].r += m.r * w;
    suma[v].g += m.g * w;
    suma[v].b += m.b * w;
  }
  svoris += w;
}

Lab KVidurkis::Spalva(int vaizdas) const {
  if (svoris <= 0) return Lab{};
  const Tiesine& s = suma[vaizdas];
  return ILab(Tiesine{s.r / svoris, s.g / svoris, s.b / svoris});
}

Skirtumas Palyginti(const KVidurkis& x, const KVidurkis& y, int vaizdas) {
  const Lab a = x.Spalva(vaizdas), b = y.Spalva(vaizdas);
  return Skirtumas{DeltaE(a, b), std::fabs(a.L - b.L)};
}

bool VisiVaizdaiSkiriasi(const KVidurkis& x, const KVidurkis& y, double minDE, double minDL) {
  if (x.svoris <= 0 || y.svoris <= 0) return false;
  for (int v = IPRASTAS + 1; v < VAIZDU_SKAICIUS; ++v) {
    const Skirtumas s = Palyginti(x, y, v);
    if (s.dE < minDE || s.dL < minDL) return false;
  }
  return true;
}

std::string Lentele(const char* pavadinimas, const KVidurkis& x, const KVidurkis& y, double minDE, double minDL) {
  std::string r;
  char eilute[200];
  for (int v = 0; v < VAIZDU_SKAICIUS; ++v) {
    const Skirtumas s = Palyginti(x, y, v);
    const Lab a = x.Spalva(v), b = y.Spalva(v);
    const bool tikrinamas = v != IPRASTAS;
    std::snprintf(eilute, sizeof eilute, "%s, %-12s dE %5.1f  dL* %5.1f  (L* %5.1f vs %5.1f)%s\n", pavadinimas,
                  VaizdoPavadinimas(v), s.dE, s.dL, a.L, b.L,
                  !tikrinamas ? "" : (s.dE >= minDE && s.dL >= minDL ? "" : "  FAIL"));
    r += eilute;
  }
  char riba[120];
  std::snprintf(riba, sizeof riba, "%s: every view but normal needs dE >= %.0f and dL* >= %.0f\n", pavadinimas, minDE,
                minDL);
  return riba + r;
}
