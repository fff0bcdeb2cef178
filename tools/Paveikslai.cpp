#include "Paveikslai.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/Valdymas.h"
#include "core/ZaidimoSkaiciai.h"
#include "Zodziai.h"

namespace {

constexpr double PI = 3.14159265358979323846;

KSritis Visa(const KDrobe& d, double vw, double vh) { return KSritis{0, 0, double(d.plotis), double(d.aukstis), vw, vh}; }

double Dezes(double x, double y, double cx, double cy, double hx, double hy, double r) {
  const double qx = std::fabs(x - cx) - hx + r;
  const double qy = std::fabs(y - cy) - hy + r;
  const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

Spalva Daug(Spalva s, double k) {
  s.r = static_cast<float>(s.r * k);
  s.g = static_cast<float>(s.g * k);
  s.b = static_cast<float>(s.b * k);
  return s;
}

const Spalva kAuksas = SpalvaRgb(1.0f, 0.86f, 0.35f);
const Spalva kAuksasTamsus = SpalvaRgb(0.85f, 0.55f, 0.12f);
const Spalva kBalta = SpalvaRgb(1, 1, 1);
const Spalva kTamsi = SpalvaRgb(0.03f, 0.03f, 0.02f, 0.9f);

// The room a line of text has, in drawing units: the 400-unit pictures less their
// frames (a golden line some 6.5 units in, rounded corners beyond it).
constexpr double kRemoKrastas = 12;
constexpr double kIntroVieta = 400 - 2 * kRemoKrastas;
constexpr double kPagalbosVieta = 400 - 2 * kRemoKrastas;
constexpr double kDaliesVieta = 400 - 2 * kRemoKrastas;  // each outcome picture, 400 by 600

// A battlefield seen from above in the game's own units (cells of LANGELIS): ground,
// and walls where the function says so.
Spalva Laukas(double x, double y, bool (*siena)(int, int)) {
  const double l = LANGELIS;
  const int c = static_cast<int>(std::floor(x / l)), r = static_cast<int>(std::floor(y / l));
  const double u = x / l - c, v = y / l - r;
  if (siena && siena(c, r)) return PlytuRastas(u, v);
  Spalva s = ZemesRastas(x / 75.0, y / 75.0);
  // Walls cast a short shadow on the ground to their lower right.
  if (siena && ((u < 0.12 && siena(c - 1, r)) || (v > 0.88 && siena(c, r + 1)))) s = Daug(s, 0.7);
  return s;
}

// Darkens towards the corners.
double Vinjete(double x, double y, double w, double h, double stiprumas) {
  const double dx = (x / w - 0.5) * 2, dy = (y / h - 0.5) * 2;
  return 1 - stiprumas * Lygu(0.4, 1.6, dx * dx + dy * dy);
}

// A rounded frame with a golden line, alpha 0 outside its corners.
Spalva Remas(Spalva s, double x, double y, double w, double h, double r) {
  const double d = Dezes(x, y, w / 2, h / 2, w / 2 - 1, h / 2 - 1, r);
  if (d > 0) return Spalva{s.r, s.g, s.b, 0};
  if (d > -2.5) return Daug(SpalvaRgb(0.15f, 0.1f, 0.03f), 1.0);
  if (d > -5.0) return Maisyti(kAuksasTamsus, kAuksas, static_cast<float>(Lygu(-5, -2.5, d) * 0.6 + 0.2));
  if (d > -6.5) return Daug(s, 0.4);
  return s;
}

// A picture's own key at its foot, "keys – what they do", in language k.
std::string Apacia(ValdymoVieta kur, Kalba k) {
  const ValdymoEilute& e = VienintelioEilute(kur);
  return std::string(e.klavisai[k]) + " – " + e.veiksmas[k];
}

bool IntroSienos(int c, int r) {
  return (r == 2 && (c == 1 || c == 2 || c == 8 || c == 9)) || (r == 6 && c >= 3 && c <= 4) ||
         (r == 7 && c == 7) || (r == 5 && c == 0);
}

bool PasiruosimoSienos(int c, int r) {
  return (r == 7 && (c == 1 || c == 2 || c == 7 || c == 8)) || (r == 8 && c == 4) || (r == 5 && c == 6) ||
         (r == 10 && (c == 0 || c == 9)) || (r == 4 && c == 2);
}

bool PergalesSienos(int c, int r) { return (r == 3 && (c == 0 || c == 1 || c == 9)) || (r == 12 && c == 8); }

bool PralaimejimoSienos(int c, int r) {
  return (r == 4 && (c == 1 || c == 7 || c == 8)) || (r == 11 && (c == 2 || c == 3)) || (r == 9 && c == 9);
}

}  // namespace

KDrobe ZemesTekstura() {
  KDrobe d(128, 128);
  d.Piesti(Visa(d, 1, 1), 3, [](double u, double v) { return ZemesRastas(u, v); });
  return d;
}

KDrobe SienosTekstura() {
  KDrobe d(128, 128);
  d.Piesti(Visa(d, 1, 1), 3, [](double u, double v) { return PlytuRastas(u, v); });
  return d;
}

KDrobe ArmijosLapas(const ArmijosSpalvos& a) {
  KDrobe d(512, 128);
  const double w = d.plotis, h = d.aukstis;
  // Each part in the units and at the place of the sheet the game draws it from.
  const double k = KORPUSO_PUSE, bx = BOKSTELIO_PUSPLOTIS, by = BOKSTELIO_PUSILGIS, sx = SOVINIO_PUSPLOTIS,
               sy = SOVINIO_PUSILGIS;
  d.Piesti(KSritis{KORPUSO_S0 * w, 0, KORPUSO_S1 * w, h, 2 * k, 2 * k}, 4,
           [&](double x, double y) { return Korpusas(x - k, y - k, a); });
  d.Piesti(KSritis{BOKSTELIO_S0 * w, 0, BOKSTELIO_S1 * w, h, 2 * bx, 2 * by}, 4,
           [&](double x, double y) { return Bokstelis(x - bx, y - by, a); });
  d.Piesti(KSritis{SOVINIO_S0 * w, 0, SOVINIO_S1 * w, h, 2 * sx, 2 * sy}, 4,
           [&](double x, double y) { return Sviedinys(x - sx, y - sy); });
  d.IsplestiSpalvas(8);
  return d;
}

KDrobe RodyklesTekstura() {
  KDrobe d(128, 128);
  d.Piesti(Visa(d, 2, 2), 3, [](double x, double y) {
    x -= 1;
    y -= 1;
    const double r = std::hypot(x, y);
    const double kampas = std::atan2(y, x);
    // A soft core, a bright ring and eight faint rays, all gone at the edge.
    const double sirdis = std::exp(-(r / 0.32) * (r / 0.32));
    const double ziedas = std::exp(-((r - 0.72) / 0.07) * ((r - 0.72) / 0.07));
    const double spinduliai = std::pow(std::fabs(std::cos(kampas * 4)), 24) * std::exp(-r * 2.2) * 0.8;
    const double krastas = 1 - Lygu(0.86, 1.0, r);
    const double a = std::min(1.0, sirdis * 0.9 + ziedas * 0.95 + spinduliai) * krastas;
    const Spalva s = Maisyti(SpalvaRgb(1.0f, 0.85f, 0.35f), SpalvaRgb(1, 1, 0.92f),
                             static_cast<float>(std::min(1.0, sirdis * 1.3 + ziedas * 0.4)));
    return SpalvaRgb(s.r, s.g, s.b, static_cast<float>(a));
  });
  d.IsplestiSpalvas(4);
  return d;
}

KDrobe IntroPaveikslas(KRaides& raides, KRaides& paprastos, Kalba k) {
  KDrobe d(512, 512);
  const KSritis sr = Visa(d, 400, 400);
  d.Piesti(sr, 2, [](double x, double y) {
    Spalva s = Daug(Laukas(x - 12, y - 20, IntroSienos), 0.75 * Vinjete(x, y, 400, 400, 0.7));
    // The title's dark band.
    const double juosta = Lygu(250, 300, y);
    s = Maisyti(s, SpalvaRgb(0.04f, 0.05f, 0.03f), static_cast<float>(0.82 * juosta));
    return Remas(s, x, y, 400, 400, 22);
  });
  PiestiTanka(d, sr, 292, 150, 3.4, 28, 48, RusijosSpalvos(), true);
  PiestiTanka(d, sr, 150, 118, 4.4, 0, -22, LietuvosSpalvos());
  // A shell in flight from the winner's gun.
  const double kampas = -22 * PI / 180, sx = 150 - std::sin(kampas) * 150, sy = 118 + 7 * 4.4 + std::cos(kampas) * 120;
  d.Piesti(Posritis(sr, sx - 30, sy - 50, sx + 30, sy + 50), 3, [&](double x, double y) {
    x -= 30;
    y -= 50;
    const double lx = std::cos(kampas) * x + std::sin(kampas) * y, ly = -std::sin(kampas) * x + std::cos(kampas) * y;
    if (std::fabs(lx) > 10 || std::fabs(ly) > 20) return Spalva{0, 0, 0, 0};
    return Sviedinys(lx / 2, ly / 2);
  });
  raides.RasytiSuKonturu(d, sr, "TANKAI", 200, 318, 86, kAuksas, kAuksasTamsus, kTamsi, 3.0, 0.5, kIntroVieta);
  paprastos.RasytiSuKonturu(d, sr, zodziai::INTRO_PAANTRASTE.kalbomis[k], 200, 278, 27, kBalta,
                            SpalvaRgb(0.85f, 0.85f, 0.8f), kTamsi, 1.5, 0.5, kIntroVieta);
  paprastos.RasytiSuKonturu(d, sr, Apacia(VIETA_INTRO, k).c_str(), 200, 22, 14, SpalvaRgb(0.95f, 0.92f, 0.8f),
                            SpalvaRgb(0.85f, 0.8f, 0.65f), kTamsi, 1.2, 0.5, kIntroVieta);
  return d;
}

namespace {

// The help with the given last line: the old one from the controls table, the menu's
// page (Enter or Escape go back, with "tiksli_pagalba") or the one F1 shows.
KDrobe Pagalba(KRaides& raides, KRaides& paprastos, Kalba k, const char* pabaiga) {
  KDrobe d(512, 512);
  const KSritis sr = Visa(d, 400, 400);
  d.Piesti(sr, 2, [](double x, double y) {
    Spalva s = Maisyti(SpalvaRgb(0.05f, 0.07f, 0.05f), SpalvaRgb(0.12f, 0.15f, 0.1f),
                       static_cast<float>(y / 400 * 0.8 + 0.1 * Triuksmas(x / 400, y / 400, 16, 7)));
    s.a = 0.92f;
    s = Remas(s, x, y, 400, 400, 20);
    return s;
  });
  raides.RasytiSuKonturu(d, sr, zodziai::PAGALBA.kalbomis[k], 200, 350, 34, kAuksas, kAuksasTamsus, kTamsi, 1.6, 0.5,
                         kPagalbosVieta);
  const Spalva raktas = SpalvaRgb(1.0f, 0.84f, 0.4f), tekstas = SpalvaRgb(0.95f, 0.95f, 0.92f);
  double y = 316;
  bool vairalazde = false;
  for (const ValdymoEilute& e : VALDYMAS) {
    if (!PagalbojeRodoma(e)) continue;
    if (e.vairalazde && !vairalazde) {
      vairalazde = true;
      y -= 6;
      raides.RasytiSuKonturu(d, sr, zodziai::VAIRALAZDE.kalbomis[k], 200, y, 17, kAuksas, kAuksasTamsus, kTamsi, 1.0,
                             0.5, kPagalbosVieta);
      y -= 22;
    }
    // Keys right-aligned to 178, what they do from 194, both inside the frame.
    raides.RasytiSuKonturu(d, sr, e.klavisai[k], 178, y, 15.5, raktas, raktas, kTamsi, 1.0, 1.0, 178 - kRemoKrastas);
    paprastos.RasytiSuKonturu(d, sr, e.veiksmas[k], 194, y, 15.5, tekstas, tekstas, kTamsi, 1.0, 0.0,
                              400 - kRemoKrastas - 194);
    y -= 20.5;
  }
  // The last line keeps a line's spacing above the footer.
  if (y + 20.5 - 17 < 20.5) {
    std::fprintf(stderr, "Pagalbos eilutes nebetelpa virs jos apacios\n");
    ++paprastos.klaidos;
  }
  paprastos.RasytiSuKonturu(d, sr, pabaiga, 200, 17, 13, SpalvaRgb(0.8f, 0.8f, 0.75f),
                            SpalvaRgb(0.8f, 0.8f, 0.75f), kTamsi, 1.0, 0.5, kPagalbosVieta);
  d.IsplestiSpalvas(2);
  return d;
}

}  // namespace

KDrobe PagalbosPaveikslas(KRaides& raides, KRaides& paprastos, Kalba k) {
  return Pagalba(raides, paprastos, k, Apacia(VIETA_PAGALBA, k).c_str());
}

KDrobe PagalbosPuslapis(KRaides& raides, KRaides& paprastos, Kalba k) {
  return Pagalba(raides, paprastos, k, zodziai::PAGALBOS_PUSLAPIS.kalbomis[k]);
}

KDrobe PagalbosPerdanga(KRaides& raides, KRaides& paprastos, Kalba k) {
  return Pagalba(raides, paprastos, k, zodziai::PAGALBOS_PERDANGA.kalbomis[k]);
}

KDrobe MeniuPunktai(KRaides& raides, Kalba k) {
  KDrobe d(512, 512);
  for (int i = 0; i < 3; ++i) {
    // Item i is the band from (3 - i) / 4 to (4 - i) / 4 of the height; the plate
    // keeps clear of the 20 units each neighbour overlaps.
    const double juosta = MENIU_PUNKTO_DALIS * d.aukstis;
    const KSritis sr{0, (3 - i) * juosta, 512, (4 - i) * juosta, 400, 140};
    d.Piesti(sr, 3, [](double x, double y) {
      const double dd = Dezes(x, y, 200, 70, 158, 44, 16);
      if (dd > 0) return Spalva{0.3f, 0.3f, 0.3f, 0};
      if (dd > -1.6) return SpalvaRgb(0.1f, 0.1f, 0.1f);
      if (dd > -4.6) return SpalvaRgb(0.95f, 0.95f, 0.95f);  // the rim, tinted with the item
      if (dd > -6.0) return SpalvaRgb(0.12f, 0.12f, 0.12f);
      const float k = static_cast<float>(0.16 + 0.12 * (y - 26) / 88 + 0.03 * Triuksmas(x / 400, y / 140, 24, 3));
      return SpalvaRgb(k, k, k, 0.94f);
    });
    // The plate's inside: 158 units either side of the centre, less its rim.
    raides.RasytiSuKonturu(d, sr, zodziai::MENIU[i].kalbomis[k], 200, 56, 38, kBalta, SpalvaRgb(0.86f, 0.86f, 0.86f),
                           kTamsi, 1.5, 0.5, 2 * (158 - 10));
  }
  d.IsplestiSpalvas(4);
  return d;
}

KDrobe MeniuPaveikslai(KRaides& raides, KRaides& paprastos, Kalba k) {
  KDrobe d(1024, 512);
  const double w = d.plotis, h = d.aukstis;
  const double s1 = MENIU_PASIRUOSIMAS_S1, s2 = MENIU_PERGALE_S1;
  const KSritis dalys[3] = {{0, 0, s1 * w, h, 400, 600}, {s1 * w, 0, s2 * w, h, 400, 600}, {s2 * w, 0, w, h, 400, 600}};
  const ArmijosSpalvos lt = LietuvosSpalvos(), ru = RusijosSpalvos();

  // Before any battle: the two armies face each other across the field.
  {
    const KSritis& sr = dalys[0];
    d.Piesti(sr, 2, [](double x, double y) {
      Spalva s = Daug(Laukas(x, y, PasiruosimoSienos), 0.8 * Vinjete(x, y, 400, 600, 0.6));
      s = Maisyti(s, SpalvaRgb(0.03f, 0.04f, 0.03f), static_cast<float>(0.85 * Lygu(470, 520, y)));
      return Remas(s, x, y, 400, 600, 4);
    });
    for (int i = 0; i < 3; ++i) PiestiTanka(d, sr, 90 + i * 110, 400, 2.1, 180, 180 + (i - 1) * 12, ru);
    PiestiTanka(d, sr, 140, 120, 2.6, 0, 8, lt);
    PiestiTanka(d, sr, 270, 110, 2.6, 0, -6, lt);
    raides.RasytiSuKonturu(d, sr, zodziai::PASIRUOSK[0].kalbomis[k], 200, 548, 44, kAuksas, kAuksasTamsus, kTamsi,
                           2.0, 0.5, kDaliesVieta);
    raides.RasytiSuKonturu(d, sr, zodziai::PASIRUOSK[1].kalbomis[k], 200, 500, 44, kAuksas, kAuksasTamsus, kTamsi,
                           2.0, 0.5, kDaliesVieta);
    paprastos.RasytiSuKonturu(d, sr, zodziai::JEGOS.kalbomis[k], 200, 30, 22, kBalta, SpalvaRgb(0.85f, 0.85f, 0.8f),
                              kTamsi, 1.5, 0.5, kDaliesVieta);
  }
  // Victory: golden rays over the field and the enemy in ruins.
  {
    const KSritis& sr = dalys[1];
    d.Piesti(sr, 2, [](double x, double y) {
      Spalva s = Daug(Laukas(x, y, PergalesSienos), 0.85);
      const double kampas = std::atan2(y - 300, x - 200);
      const double r = std::hypot(x - 200, y - 300);
      const double spinduliai = 0.5 + 0.5 * std::cos(kampas * 12);
      s = Maisyti(s, SpalvaRgb(1.0f, 0.8f, 0.3f), static_cast<float>(0.35 * spinduliai * Lygu(40, 120, r)));
      s = Daug(s, Vinjete(x, y, 400, 600, 0.5));
      s = Maisyti(s, SpalvaRgb(0.05f, 0.04f, 0.01f), static_cast<float>(0.75 * Lygu(440, 500, y)));
      return Remas(s, x, y, 400, 600, 4);
    });
    PiestiTanka(d, sr, 80, 470 - 40, 1.9, 200, 250, ru, true);
    PiestiTanka(d, sr, 330, 380, 1.9, 150, 120, ru, true);
    PiestiTanka(d, sr, 200, 260, 3.6, 0, 0, lt);
    raides.RasytiSuKonturu(d, sr, zodziai::PERGALE.kalbomis[k], 200, 520, 64, kAuksas, kAuksasTamsus, kTamsi, 2.6,
                           0.5, kDaliesVieta);
    paprastos.RasytiSuKonturu(d, sr, zodziai::PERGALE_EILUTE.kalbomis[k], 200, 60, 22, kBalta,
                              SpalvaRgb(0.9f, 0.88f, 0.8f), kTamsi, 1.5, 0.5, kDaliesVieta);
    paprastos.RasytiSuKonturu(d, sr, zodziai::PERGALE_KLAUSIMAS.kalbomis[k], 200, 26, 18, SpalvaRgb(1, 0.9f, 0.6f),
                              SpalvaRgb(0.9f, 0.8f, 0.5f), kTamsi, 1.2, 0.5, kDaliesVieta);
  }
  // Defeat: a burnt-out field under smoke.
  {
    const KSritis& sr = dalys[2];
    d.Piesti(sr, 2, [](double x, double y) {
      Spalva s = Laukas(x, y, PralaimejimoSienos);
      const float p = (s.r + s.g + s.b) / 3;
      s = Daug(Maisyti(s, SpalvaRgb(p, p * 0.8f, p * 0.7f), 0.6f), 0.6 * Vinjete(x, y, 400, 600, 0.7));
      const double durai = Fbm(x / 400, y / 600, 3, 5, 301);
      s = Maisyti(s, SpalvaRgb(0.12f, 0.1f, 0.1f), static_cast<float>(0.6 * Lygu(0.45, 0.75, durai)));
      // Fire glow around the wreck.
      const double r = std::hypot(x - 200, (y - 250) * 1.2);
      s = Maisyti(s, SpalvaRgb(1.0f, 0.4f, 0.08f), static_cast<float>(0.55 * std::exp(-(r / 90) * (r / 90))));
      s = Maisyti(s, SpalvaRgb(0.05f, 0.01f, 0.01f), static_cast<float>(0.8 * Lygu(440, 500, y)));
      return Remas(s, x, y, 400, 600, 4);
    });
    PiestiTanka(d, sr, 200, 250, 3.4, 12, 67, lt, true);
    PiestiTanka(d, sr, 110, 420, 1.9, 180, 200, ru);
    PiestiTanka(d, sr, 300, 440, 1.9, 180, 165, ru);
    // Flames licking out of the hull.
    d.Piesti(Posritis(sr, 130, 180, 270, 340), 2, [](double x, double y) {
      const double n = Fbm(x / 140, y / 160 - 0.0, 4, 4, 555);
      const double r = std::hypot((x - 70) / 55, (y - 70) / 70);
      const double a = Lygu(0.55, 0.85, n + 0.45 - r * 0.55);
      return Maisyti(SpalvaRgb(1.0f, 0.35f, 0.05f, static_cast<float>(a * 0.85)),
                     SpalvaRgb(1.0f, 0.9f, 0.5f, static_cast<float>(a * 0.9)), static_cast<float>(Lygu(0.75, 1.0, n + 0.4 - r * 0.4)));
    });
    raides.RasytiSuKonturu(d, sr, zodziai::PRALAIMEJIMAS.kalbomis[k], 200, 522, 38, SpalvaRgb(1.0f, 0.45f, 0.35f),
                           SpalvaRgb(0.75f, 0.12f, 0.08f), kTamsi, 2.0, 0.5, kDaliesVieta);
    paprastos.RasytiSuKonturu(d, sr, zodziai::PRALAIMEJIMAS_EILUTE.kalbomis[k], 200, 60, 22, kBalta,
                              SpalvaRgb(0.85f, 0.8f, 0.8f), kTamsi, 1.5, 0.5, kDaliesVieta);
    paprastos.RasytiSuKonturu(d, sr, zodziai::PRALAIMEJIMAS_KVIETIMAS.kalbomis[k], 200, 26, 18,
                              SpalvaRgb(1, 0.75f, 0.65f), SpalvaRgb(0.9f, 0.6f, 0.5f), kTamsi, 1.2, 0.5, kDaliesVieta);
  }
  return d;
}

KDrobe ZymesTekstura() {
  KDrobe d(64, 64);
  d.Piesti(Visa(d, 2, 2), 4, [](double x, double y) {
    // Folded into the upper right corner: every corner the same L, clear of the middle.
    const double u = std::fabs(x - 1), v = std::fabs(y - 1);
    const double l = std::min(Dezes(u, v, 0.64, 0.87, 0.30, 0.055, 0.02), Dezes(u, v, 0.87, 0.64, 0.055, 0.30, 0.02));
    if (l > 0.07) return Spalva{0.35f, 0.9f, 1.0f, 0};
    // A light cyan stroke with a dark rim: seen on the light ground and on the dark walls.
    const Spalva s = Maisyti(SpalvaRgb(0.35f, 0.9f, 1.0f), SpalvaRgb(0.02f, 0.08f, 0.12f),
                             static_cast<float>(Lygu(-0.01, 0.02, l)));
    return SpalvaRgb(s.r, s.g, s.b, static_cast<float>(1 - Lygu(0.05, 0.07, l)));
  });
  d.IsplestiSpalvas(2);
  return d;
}

KDrobe BlyksniuLapas() {
  KDrobe d(BLYKSNIU_KADRAI * BLYKSNIO_KADRAS, BLYKSNIO_KADRAS);
  for (int k = 0; k < SPROGIMO_KADRAI; ++k) {
    // A fireball that swells, cools from white through orange and ends as thinning smoke.
    const double t = (k + 1.0) / (SPROGIMO_KADRAI + 1);
    d.Piesti(KSritis{double(k * BLYKSNIO_KADRAS), 0, double((k + 1) * BLYKSNIO_KADRAS), double(BLYKSNIO_KADRAS), 2, 2}, 3,
             [t, k](double x, double y) {
               x -= 1;
               y -= 1;
               const double r = std::hypot(x, y);
               const double n = Fbm(x * 0.5 + 0.5, y * 0.5 + 0.5, 4, 4, 900 + k);
               const double krastas = (0.3 + 0.62 * t) * (0.8 + 0.4 * n);
               if (r >= krastas) return Spalva{1, 0.5f, 0.1f, 0};
               const double karstis = (1 - r / krastas) * (1.15 - t);
               Spalva s = Maisyti(SpalvaRgb(0.22f, 0.18f, 0.16f), SpalvaRgb(1.0f, 0.45f, 0.08f),
                                  static_cast<float>(Lygu(0.0, 0.35, karstis)));
               s = Maisyti(s, SpalvaRgb(1.0f, 0.97f, 0.8f), static_cast<float>(Lygu(0.35, 0.8, karstis)));
               s.a = static_cast<float>((1 - Lygu(0.75, 1.0, r / krastas)) * (1 - 0.75 * Lygu(0.5, 1.0, t)));
               return s;
             });
  }
  // The hit: a white star, brief and bright.
  d.Piesti(KSritis{double(SMUGIO_KADRAS * BLYKSNIO_KADRAS), 0, double(BLYKSNIU_KADRAI * BLYKSNIO_KADRAS), double(BLYKSNIO_KADRAS), 2, 2}, 3,
           [](double x, double y) {
             x -= 1;
             y -= 1;
             const double r = std::hypot(x, y);
             const double spinduliai = std::pow(std::fabs(std::cos(std::atan2(y, x) * 3)), 16) * std::exp(-r * 2.5);
             const double a = std::min(1.0, 1.6 * std::exp(-(r / 0.45) * (r / 0.45)) + spinduliai) *
                              (1 - Lygu(0.85, 1.0, r));
             const Spalva s = Maisyti(SpalvaRgb(1.0f, 0.85f, 0.5f), SpalvaRgb(1, 1, 1),
                                      static_cast<float>(std::min(1.0, 1.6 * std::exp(-(r / 0.5) * (r / 0.5)))));
             return SpalvaRgb(s.r, s.g, s.b, static_cast<float>(a));
           });
  d.IsplestiSpalvas(4);
  return d;
}

KDrobe JuostosLapas(KRaides& raides, Kalba kalba) {
  // The status line's words in every language, each in its own cell.
  KDrobe d(JUOSTOS_PLOTIS, JUOSTOS_AUKSTIS);
  const KSritis sr = Visa(d, JUOSTOS_PLOTIS, JUOSTOS_AUKSTIS);
  const Spalva balta = SpalvaRgb(0.96f, 0.96f, 0.92f), pilka = SpalvaRgb(0.82f, 0.82f, 0.78f);
  for (int i = 0; i < JUOSTOS_ZODZIU; ++i)
    raides.RasytiSuKonturu(d, sr, zodziai::JUOSTA[i].kalbomis[kalba], (i + 1) * JUOSTOS_ZODZIO_PLOTIS - 8,
                           JUOSTOS_EILUTE + 20, 34, balta, pilka, kTamsi, 1.5, 1.0, JUOSTOS_ZODZIO_PLOTIS - 16);
  for (int i = 0; i < 10; ++i) {
    const char skaitmuo[2] = {static_cast<char>('0' + i), 0};
    raides.RasytiSuKonturu(d, sr, skaitmuo, (i + 0.5) * SKAITMENS_PLOTIS, 14, 48, kBalta, balta, kTamsi, 2.0,
                           0.5, SKAITMENS_PLOTIS);
  }
  // The armour: a filled shield for each hit the tank can still take, a hollow one for each taken.
  for (int z = 0; z < 2; ++z) {
    const double x0 = ZENKLO_X + z * ZENKLO_PLOTIS;
    d.Piesti(KSritis{x0, 0, x0 + ZENKLO_PLOTIS, double(JUOSTOS_EILUTE), double(ZENKLO_PLOTIS), double(JUOSTOS_EILUTE)}, 3,
             [z](double x, double y) {
               const double sk = Dezes(x, y, 24, 34, 15, 17, 6);
               const double apacia = std::hypot((x - 24) / 15, (y - 20) / 16) - 1;  // the rounded point
               const double f = std::min(sk + (y < 28 ? 1e9 : 0), apacia * 15);
               if (f > 2.5) return Spalva{0, 0, 0, 0};
               if (f > 0) return SpalvaRgb(0.03f, 0.03f, 0.02f, 0.9f);
               if (z == 0 || f > -3.5) return z == 0 ? SpalvaRgb(0.55f, 0.88f, 0.4f) : SpalvaRgb(0.55f, 0.55f, 0.5f);
               return SpalvaRgb(0.1f, 0.1f, 0.09f, 0.6f);
             });
  }
  d.IsplestiSpalvas(2);
  return d;
}
