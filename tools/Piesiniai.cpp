#include "Piesiniai.h"

#include <algorithm>
#include <cmath>

#include "core/ZaidimoSkaiciai.h"

namespace {

constexpr double PI = 3.14159265358979323846;

Spalva Daug(const Spalva& s, double k) {
  return Spalva{static_cast<float>(s.r * k), static_cast<float>(s.g * k), static_cast<float>(s.b * k), s.a};
}

double Dezes(double x, double y, double cx, double cy, double hx, double hy, double r) {
  const double qx = std::fabs(x - cx) - hx + r;
  const double qy = std::fabs(y - cy) - hy + r;
  const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

double Ratas(double x, double y, double cx, double cy, double r) { return std::hypot(x - cx, y - cy) - r; }

// Distance to the segment from (ax, ay) to (bx, by).
double Atkarpa(double x, double y, double ax, double ay, double bx, double by) {
  const double px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
  const double t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(px - dx * t, py - dy * t);
}

// A box centred on (0, cy) with its front corners cut back by priekis and its rear ones
// by galas, at 45 degrees; a signed distance, exact inside.
double Kampuota(double x, double y, double cy, double hx, double hy, double priekis, double galas) {
  const double dy = y - cy, ax = std::fabs(x), k = 0.70710678;
  return std::max({ax - hx, std::fabs(dy) - hy, (ax + dy - (hx + hy - priekis)) * k, (ax - dy - (hx + hy - galas)) * k});
}

// The outward normal of a shape's distance function at (x, y).
template <class F>
void Normale(const F& f, double x, double y, double& nx, double& ny) {
  const double e = 0.05;
  nx = f(x + e, y) - f(x - e, y);
  ny = f(x, y + e) - f(x, y - e);
  const double l = std::hypot(nx, ny);
  if (l > 0) nx /= l, ny /= l;
}

// A track from above: links across it, rounded towards its edges.
Spalva Vikse(double x, double y, double cx, double pusplotis, const Spalva& c) {
  double k = 0.85 + 0.3 * std::cos((x - cx) / pusplotis * PI / 2);
  if (std::fmod(y + 24, 2.0) < 0.75) k *= 0.5;
  Spalva s = Daug(c, k);
  s.a = 1;
  return s;
}

// Rim darkening near a shape's edge and a light from the upper left on its bevel.
Spalva Apvadas(Spalva s, double atstumas, double plotis, double nx, double ny) {
  if (atstumas < plotis) {
    const double k = 1 - atstumas / plotis;
    const double sviesa = (-nx + ny) * 0.7071;
    s = Daug(s, 1 + 0.35 * k * sviesa);
  }
  return s;
}

const Spalva kKontura{0.05f, 0.06f, 0.04f, 1};

}  // namespace

ArmijosSpalvos LietuvosSpalvos() {
  ArmijosSpalvos a;
  a.pagrindine = SpalvaRgb(0.62f, 0.78f, 0.52f);
  a.vamzdis = SpalvaRgb(0.46f, 0.56f, 0.38f);
  a.vikse = SpalvaRgb(0.40f, 0.40f, 0.36f);
  a.zymuo = SpalvaRgb(0.10f, 0.13f, 0.07f);
  a.zenklas[0] = SpalvaRgb(0.99f, 0.73f, 0.02f);
  a.zenklas[1] = SpalvaRgb(0.0f, 0.42f, 0.25f);
  a.zenklas[2] = SpalvaRgb(0.76f, 0.15f, 0.18f);
  a.kampuotas = false;
  return a;
}

ArmijosSpalvos RusijosSpalvos() {
  ArmijosSpalvos a;
  a.pagrindine = SpalvaRgb(0.36f, 0.09f, 0.07f);
  a.vamzdis = SpalvaRgb(0.22f, 0.08f, 0.07f);
  a.vikse = SpalvaRgb(0.16f, 0.15f, 0.14f);
  a.zymuo = SpalvaRgb(0.93f, 0.91f, 0.85f);
  a.zenklas[0] = SpalvaRgb(0.95f, 0.95f, 0.95f);
  a.zenklas[1] = SpalvaRgb(0.0f, 0.22f, 0.65f);
  a.zenklas[2] = SpalvaRgb(0.84f, 0.17f, 0.12f);
  a.kampuotas = true;
  return a;
}

uint32_t Maisa(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

double Lygu(double a, double b, double x) {
  const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

namespace {
double Gardele(int ix, int iy, int p, uint32_t seka) {
  ix = ((ix % p) + p) % p;
  iy = ((iy % p) + p) % p;
  return Maisa(static_cast<uint32_t>(ix) * 73856093U ^ static_cast<uint32_t>(iy) * 19349663U ^ seka * 83492791U) /
         4294967295.0;
}
}  // namespace

double Triuksmas(double u, double v, int p, uint32_t seka) {
  const double x = u * p, y = v * p;
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  double fx = x - ix, fy = y - iy;
  fx = fx * fx * (3 - 2 * fx);
  fy = fy * fy * (3 - 2 * fy);
  const double a = Gardele(ix, iy, p, seka), b = Gardele(ix + 1, iy, p, seka);
  const double c = Gardele(ix, iy + 1, p, seka), d = Gardele(ix + 1, iy + 1, p, seka);
  return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double Fbm(double u, double v, int p, int oktavos, uint32_t seka) {
  double suma = 0, svoris = 0.5, viso = 0;
  for (int i = 0; i < oktavos; ++i) {
    suma += Triuksmas(u, v, p, seka + i * 101) * svoris;
    viso += svoris;
    svoris *= 0.5;
    p *= 2;
  }
  return suma / viso;
}

Spalva ZemesRastas(double u, double v) {
  const double n = Fbm(u, v, 4, 5, 11);
  Spalva s = Maisyti(SpalvaRgb(0.42f, 0.33f, 0.22f), SpalvaRgb(0.61f, 0.51f, 0.35f), static_cast<float>(n));
  s = Daug(s, 0.93 + 0.14 * Triuksmas(u, v, 64, 5));
  // Patches of dry grass.
  const double zole = Lygu(0.56, 0.68, Fbm(u, v, 3, 4, 37));
  if (zole > 0) {
    const double smulkus = Triuksmas(u, v, 128, 41);
    const Spalva z = Maisyti(SpalvaRgb(0.36f, 0.46f, 0.19f), SpalvaRgb(0.53f, 0.61f, 0.28f),
                             static_cast<float>(smulkus));
    s = Maisyti(s, z, static_cast<float>(zole * (0.55 + 0.45 * Lygu(0.3, 0.7, smulkus))));
  }
  // Pebbles, one chance in each cell of an 8 by 8 grid; the grid wraps with the tile.
  const int tinklas = 8;
  const double gx = u * tinklas, gy = v * tinklas;
  const int cx = static_cast<int>(std::floor(gx)), cy = static_cast<int>(std::floor(gy));
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int kx = cx + dx, ky = cy + dy;
      const uint32_t h = Maisa(static_cast<uint32_t>(((kx % tinklas) + tinklas) % tinklas) * 31U +
                               static_cast<uint32_t>(((ky % tinklas) + tinklas) % tinklas) * 977U + 5U);
      if ((h & 255) > 90) continue;
      const double px = kx + 0.2 + 0.6 * ((h >> 8) & 255) / 255.0;
      const double py = ky + 0.2 + 0.6 * ((h >> 16) & 255) / 255.0;
      const double r = 0.08 + 0.08 * ((h >> 24) & 255) / 255.0;
      const double ex = (gx - px) / r, ey = (gy - py) / (r * 0.8);
      const double d2 = ex * ex + ey * ey;
      if (d2 < 1.6) {
        // A soft shadow to the lower right, then the stone lit from the upper left.
        const double sx = (gx - px - r * 0.25) / r, sy = (gy - py + r * 0.25) / (r * 0.8);
        if (sx * sx + sy * sy < 1.3) s = Daug(s, 0.8);
      }
      if (d2 < 1) {
        const double sviesa = 0.8 + 0.35 * (-ex + ey) * 0.5 + 0.15 * (1 - d2);
        const float pilka = static_cast<float>(0.55 + 0.17 * ((h >> 4) & 15) / 15.0);
        s = Daug(SpalvaRgb(pilka, pilka * 0.95f, pilka * 0.88f), sviesa);
      }
    }
  }
  s.a = 1;
  return s;
}

Spalva PlytuRastas(double u, double v) {
  const int eiles = 4;
  const double y = v * eiles;
  const int eile = static_cast<int>(std::floor(y));
  const double fy = y - eile;
  const double x = u * 2 + ((eile & 1) ? 0.5 : 0.0);
  const int stulpelis = static_cast<int>(std::floor(x));
  const double fx = x - stulpelis;
  const uint32_t id = Maisa(static_cast<uint32_t>(((eile % eiles) + eiles) % eiles) * 7919U +
                            static_cast<uint32_t>(((stulpelis % 2) + 2) % 2) * 104729U + 3U);
  // Distances to the brick's edges in pixels of a 128-pixel tile.
  const double kaire = fx * 64, desine = (1 - fx) * 64, apacia = fy * 32, virsus = (1 - fy) * 32;
  const double e = std::min(std::min(kaire, desine), std::min(apacia, virsus));
  const double smulkus = Triuksmas(u, v, 64, 71);
  if (e < 2.2) {
    Spalva s = Daug(SpalvaRgb(0.30f, 0.28f, 0.25f), 0.8 + 0.3 * smulkus);
    if (e < 2.2 && virsus < 2.2) s = Daug(s, 0.75);  // shadow under the brick above
    return s;
  }
  const double t = (id & 255) / 255.0;
  Spalva s = Maisyti(SpalvaRgb(0.36f, 0.13f, 0.09f), SpalvaRgb(0.48f, 0.19f, 0.12f), static_cast<float>(t));
  if (((id >> 8) & 7) == 0) s = Maisyti(s, SpalvaRgb(0.24f, 0.15f, 0.12f), 0.6f);  // a burnt one
  s = Daug(s, 0.82 + 0.3 * Fbm(u, v, 8, 4, 91) + 0.08 * (smulkus - 0.5));
  if (Triuksmas(u, v, 32, 123 + (id & 7)) > 0.78) s = Daug(s, 0.78);  // chips
  const double bevel = 5.0;
  if (e - 2.2 < bevel) {
    const double k = 1 - (e - 2.2) / bevel;
    double sviesa = 0;
    if (e == virsus) sviesa = 0.45;
    else if (e == kaire) sviesa = 0.25;
    else if (e == apacia) sviesa = -0.45;
    else sviesa = -0.3;
    s = Daug(s, 1 + sviesa * k * k);
  }
  s.a = 1;
  return s;
}

Spalva Korpusas(double x, double y, const ArmijosSpalvos& a) {
  Spalva rez{0, 0, 0, 0};
  // Tracks: wide and bare on the angular hull, under skirts on the rounded one.
  const double vx = a.kampuotas ? 8.7 : 8.9, vplotis = a.kampuotas ? 2.9 : 2.6;
  for (int puse = -1; puse <= 1; puse += 2) {
    const double cx = puse * vx;
    const double d = Dezes(x, y, cx, 0, vplotis, 11.5, 1.0);
    if (d < 0) rez = (d > -0.45) ? kKontura : Vikse(x, y, cx, vplotis, a.vikse);
    if (a.kampuotas) continue;
    const double ds = Dezes(x, y, cx, 0, 2.8, 9.3, 0.9);
    if (ds < 0) {
      rez = (ds > -0.45) ? kKontura : Apvadas(Daug(a.pagrindine, 0.88), -ds, 1.2, puse, 0);
      rez.a = 1;
    }
  }
  // Body.
  auto Kunas = [&](double px, double py) {
    return a.kampuotas ? Kampuota(px, py, 0.3, 6.2, 10.6, 3.2, 1.6) : Dezes(px, py, 0, 0.3, 7.0, 10.6, 1.8);
  };
  const double d = Kunas(x, y);
  if (d >= 0) return rez;
  if (d > -0.5) return kKontura;
  double nx = 0, ny = 0;
  Normale(Kunas, x, y, nx, ny);
  Spalva s = Apvadas(a.pagrindine, -d, 2.0, nx, ny);
  // Engine deck with its grille at the back.
  const double deniui = a.kampuotas ? -8.4 : -9.6;
  if (y > deniui && y < -5.2 && std::fabs(x) < 4.8) {
    s = Daug(s, 0.78);
    if (std::fmod(x + 24, 1.2) < 0.5) s = Daug(s, 0.6);
  }
  if (a.kampuotas) {
    // Pale bands across the bow and the stern, clear of the turret whichever way it turns.
    if ((y > 6.9 && y < 8.3) || (y > -10.1 && y < -8.9)) s = Daug(a.zymuo, 0.92 + 0.08 * std::cos(x));
  } else {
    // A dark chevron on the front plate, pointing ahead, and two headlights.
    if (std::min(Atkarpa(x, y, -4.2, 6.5, 0, 9.3), Atkarpa(x, y, 0, 9.3, 4.2, 6.5)) < 0.9) s = a.zymuo;
    if (Ratas(x, y, -5.2, 9.8, 0.75) < 0 || Ratas(x, y, 5.2, 9.8, 0.75) < 0) s = SpalvaRgb(0.95f, 0.9f, 0.6f);
  }
  s.a = 1;
  return s;
}

Spalva Bokstelis(double x, double y, const ArmijosSpalvos& a) {
  Spalva rez{0, 0, 0, 0};
  // Barrel and muzzle brake, under the turret body.
  const double vamzdis = Dezes(x, y, 0, 3.5, 1.05, 9.0, 0.3);
  const double galas = Dezes(x, y, 0, 12.4, 1.65, 1.2, 0.4);
  const double dv = std::min(vamzdis, galas);
  if (dv < 0) {
    if (dv > -0.4) {
      rez = kKontura;
    } else {
      const double plotis = galas < 0 ? 1.65 : 1.05;
      const double l = 1 - (x / plotis) * (x / plotis);
      rez = Daug(a.vamzdis, 0.7 + 0.7 * l - 0.25 * (x / plotis));
      rez.a = 1;
    }
  }
  auto Kunas = [&](double px, double py) {
    return a.kampuotas ? Kampuota(px, py, -7.2, 5.7, 5.6, 3.4, 2.0)
                       : std::min(Ratas(px, py, 0, -7.4, 5.9), Dezes(px, py, 0, -6.2, 5.4, 4.4, 2.2));
  };
  const double db = Kunas(x, y);
  if (db >= 0) return rez;
  if (db > -0.5) return kKontura;
  double nx = 0, ny = 0;
  Normale(Kunas, x, y, nx, ny);
  // The round turret is a dome lit from the upper left; the angular one has a flat roof.
  Spalva s = a.kampuotas ? a.pagrindine : Daug(a.pagrindine, 1.08 + 0.28 * (-x / 6.0 + (y + 7) / 6.0) * 0.7071);
  s = Apvadas(s, -db, 1.4, nx, ny);
  // Commander's hatch.
  const double lx = a.kampuotas ? -2.2 : -2.0, ly = a.kampuotas ? -9.4 : -9.0, lr = a.kampuotas ? 1.6 : 1.8;
  const double dl = Ratas(x, y, lx, ly, lr);
  if (dl < 0) s = (dl > -0.45) ? Daug(a.pagrindine, 0.5) : Daug(a.pagrindine, 0.95 + 0.2 * (y - ly) / lr);
  // A pale band across the angular turret's front.
  if (a.kampuotas && y > -5.4 && y < -4.1) s = Daug(a.zymuo, 0.95);
  // The army's flag.
  if (x > 1.4 && x < 4.2 && y > -11.8 && y < -8.6) {
    const int juosta = std::clamp(static_cast<int>((-8.6 - y) / (3.2 / 3)), 0, 2);
    s = a.zenklas[juosta];
  }
  s.a = 1;
  return s;
}

Spalva Sviedinys(double x, double y) {
  const double langas = (1 - Lygu(3.6, 5.0, std::fabs(x))) * (1 - Lygu(8.6, 10.0, std::fabs(y)));
  Spalva rez{1, 0.45f, 0.1f, 0};
  // Glowing trail behind the shell.
  if (y < 4 && y > -9.8) {
    const double k = (y + 9.8) / 13.8;
    const double w = 0.3 + 1.3 * k;
    rez = SpalvaRgb(1, 0.42f, 0.08f, static_cast<float>(0.75 * k * std::exp(-(x / w) * (x / w))));
  }
  const double g = std::exp(-((x / 2.6) * (x / 2.6) + ((y - 4.5) / 4.2) * ((y - 4.5) / 4.2)));
  rez = Uzdeti(rez, SpalvaRgb(1, 0.65f, 0.2f, static_cast<float>(g * 0.85)));
  const double ex = x / 1.45, ey = (y - 5.2) / 3.0;
  const double e2 = ex * ex + ey * ey;
  if (e2 < 1) rez = Uzdeti(rez, SpalvaRgb(1, 0.97f, 0.8f, static_cast<float>(Lygu(1.0, 0.6, e2))));
  rez.a = static_cast<float>(rez.a * langas);
  return rez;
}

KSritis Posritis(const KSritis& sr, double x0, double y0, double x1, double y1) {
  return KSritis{sr.x0 + x0 * sr.SkaleX(), sr.y0 + y0 * sr.SkaleY(), sr.x0 + x1 * sr.SkaleX(),
                 sr.y0 + y1 * sr.SkaleY(), x1 - x0, y1 - y0};
}

void PiestiTanka(KDrobe& d, const KSritis& sr, double cx, double cy, double m, double korpusoKampas,
                 double bokstoKampas, const ArmijosSpalvos& a, bool sudauzytas) {
  ArmijosSpalvos sp = a;
  if (sudauzytas) {
    auto Apdegti = [](Spalva s) {
      const float p = (s.r + s.g + s.b) / 3;
      return Daug(Maisyti(s, SpalvaRgb(p, p, p), 0.7f), 0.45);
    };
    sp.pagrindine = Apdegti(sp.pagrindine);
    sp.vamzdis = Apdegti(sp.vamzdis);
    sp.vikse = Apdegti(sp.vikse);
    sp.zymuo = Apdegti(sp.zymuo);
    for (Spalva& z : sp.zenklas) z = Apdegti(z);
  }
  const double spindulys = 24 * m;
  const KSritis p = Posritis(sr, cx - spindulys, cy - spindulys, cx + spindulys, cy + spindulys);
  const double kk = korpusoKampas * PI / 180, kb = bokstoKampas * PI / 180;
  d.Piesti(p, 3, [&](double vx, double vy) {
    const double x = (vx - spindulys) / m, y = (vy - spindulys) / m;
    Spalva s{0, 0, 0, 0};
    // A soft shadow cast to the lower right.
    const double sx = x - 1.6, sy = y + 1.6;
    const double hx = std::cos(kk) * sx + std::sin(kk) * sy, hy = -std::sin(kk) * sx + std::cos(kk) * sy;
    const double sd = Dezes(hx, hy, 0, 0, 11.5, 11.8, 2.5);
    s = SpalvaRgb(0, 0, 0, static_cast<float>(0.45 * (1 - Lygu(-1.5, 1.5, sd))));
    const double kx = std::cos(kk) * x + std::sin(kk) * y, ky = -std::sin(kk) * x + std::cos(kk) * y;
    if (std::fabs(kx) <= KORPUSO_PUSE && std::fabs(ky) <= KORPUSO_PUSE) s = Uzdeti(s, Korpusas(kx, ky, sp));
    // The turret turns about the point the game turns it about.
    const double bx = std::cos(kb) * x + std::sin(kb) * y, by = -std::sin(kb) * x + std::cos(kb) * y - BOKSTELIO_ASIS;
    if (std::fabs(bx) <= BOKSTELIO_PUSPLOTIS && std::fabs(by) <= BOKSTELIO_PUSILGIS) s = Uzdeti(s, Bokstelis(bx, by, sp));
    return s;
  });
}
