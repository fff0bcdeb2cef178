// Measures a real battle on screen the way the generated pictures are measured: finds
// the tanks of both armies in screenshots through the battle grid and compares their
// mean colours under every simulated view; or writes those views of one picture.
//
//   regejimo_matuoklis <reference.ppm> <s> <shot.ppm> <s> [<shot.ppm> <s> ...] [-- <another battle>]
//   regejimo_matuoklis --views <picture.ppm> <prefix>   (writes <prefix>-<view>.ppm)
//
// Each <s> bounds from above the seconds since the battle began when that shot was
// taken. The reference is the battle's first frame: tanks stand on rows 0 and 14 only,
// so in between it shows bare ground and walls, and whatever differs there later is
// a tank (or a shell, or a broken wall, which the shape rules leave out). Tanks drive
// at most 60 pixels a second, so until their paths could meet, where a tank is tells
// its army. Exit status: 0 the armies differ enough, 1 they do not, 2 too few tanks
// were seen (another battle may do), 3 bad arguments or files.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/ZaidimoSkaiciai.h"
#include "tests/common/Regejimas.h"

namespace {

// The battle's first update may still use the frame time of the menu's last frame.
constexpr double PIRMAS_KADRAS = 0.25;
constexpr double PASTUMAS_X = ZEMELAPIO_X, PASTUMAS_Y = ZEMELAPIO_Y;
constexpr double PIRMOS_EILES_Y = (ZAIDEJO_EILUTE + 0.5) * LANGELIS, PASKUTINES_EILES_Y = (PRIESO_EILUTE + 0.5) * LANGELIS;
constexpr double TANKO_SIEKIS = 21;           // the barrel's tip from the tank's centre
constexpr double ZYMEKLIO_SPINDULYS = 45;     // the selection flash at its largest
constexpr int SKIRTUMO_RIBA = 60;             // sum of channel differences that marks a change
constexpr double MIN_PLOTAS = 250, MAX_KRASTINE = 36, MIN_KRASTINE = 16;  // map pixels
constexpr double JUOSTOS_PAKLAIDA = 4;        // centroid off the line through cell centres
constexpr int MIN_TANKU = 2;                  // per army, in distinct cells

struct Paveikslas {
  int w = 0, h = 0;
  std::vector<unsigned char> rgb;
  const unsigned char* P(int x, int y) const { return &rgb[(static_cast<size_t>(y) * w + x) * 3]; }
};

bool SkaitytiPpm(const char* kelias, Paveikslas& p) {
  std::FILE* f = std::fopen(kelias, "rb");
  if (!f) return false;
  int maks = 0;
  const bool antraste = std::fscanf(f, "P6 %d %d %d", &p.w, &p.h, &maks) == 3 && std::fgetc(f) != EOF;
  bool gerai = antraste && maks == 255 && p.w > 0 && p.h > 0 && p.w <= 8192 && p.h <= 8192;
  if (gerai) {
    p.rgb.resize(static_cast<size_t>(p.w) * p.h * 3);
    gerai = std::fread(p.rgb.data(), 1, p.rgb.size(), f) == p.rgb.size();
  }
  std::fclose(f);
  return gerai;
}

bool RasytiPpm(const std::string& kelias, const Paveikslas& p) {
  std::FILE* f = std::fopen(kelias.c_str(), "wb");
  if (!f) return false;
  std::fprintf(f, "P6\n%d %d\n255\n", p.w, p.h);
  const bool gerai = std::fwrite(p.rgb.data(), 1, p.rgb.size(), f) == p.rgb.size();
  return std::fclose(f) == 0 && gerai;
}

int Vaizdai(const char* ivestis, const std::string& priesdelis) {
  Paveikslas p;
  if (!SkaitytiPpm(ivestis, p)) {
    std::fprintf(stderr, "cannot read %s\n", ivestis);
    return 3;
  }
  for (int v = IPRASTAS + 1; v < VAIZDU_SKAICIUS; ++v) {
    Paveikslas r = p;
    for (size_t i = 0; i < r.rgb.size(); i += 3) {
      const Tiesine m = Matyti(IsBaitu(p.rgb[i], p.rgb[i + 1], p.rgb[i + 2]), v);
      const double c[3] = {m.r, m.g, m.b};
      for (int k = 0; k < 3; ++k) r.rgb[i + k] = static_cast<unsigned char>(std::lround(Koduoti(c[k]) * 255));
    }
    const std::string kelias = priesdelis + "-" + VaizdoPavadinimas(v) + ".ppm";
    if (!RasytiPpm(kelias, r)) {
      std::fprintf(stderr, "cannot write %s\n", kelias.c_str());
      return 3;
    }
  }
  return 0;
}

// Window pixels to map pixels: the 800 by 600 view stretched over the window, the
// battle translated by (25, 5), y upwards.
struct Ekranas {
  int w, h;
  double MapX(double x) const { return (x + 0.5) * VAIZDO_PLOTIS / w - PASTUMAS_X; }
  double MapY(double y) const { return (h - y - 0.5) * VAIZDO_AUKSTIS / h - PASTUMAS_Y; }
  double Plotas() const { return (double(VAIZDO_PLOTIS) / w) * (double(VAIZDO_AUKSTIS) / h); }
};

struct Dalis {
  std::vector<int> taskai;  // pixel indices that differ from the reference
  int x0, y0, x1, y1;
};

// Groups of changed pixels; pixels up to two apart belong together, so a tank stays
// one group where some of its pixels happen to match the ground.
std::vector<Dalis> Dalys(const std::vector<unsigned char>& kauke, int w, int h) {
  std::vector<Dalis> dalys;
  std::vector<unsigned char> aplankyta(kauke.size());
  std::vector<int> eile;
  for (int pradzia = 0; pradzia < w * h; ++pradzia) {
    if (!kauke[pradzia] || aplankyta[pradzia]) continue;
    Dalis d{{}, w, h, -1, -1};
    eile.assign(1, pradzia);
    aplankyta[pradzia] = 1;
    while (!eile.empty()) {
      const int i = eile.back();
      eile.pop_back();
      const int x = i % w, y = i / w;
      d.taskai.push_back(i);
      d.x0 = std::min(d.x0, x), d.x1 = std::max(d.x1, x), d.y0 = std::min(d.y0, y), d.y1 = std::max(d.y1, y);
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const int j = ny * w + nx;
          if (kauke[j] && !aplankyta[j]) aplankyta[j] = 1, eile.push_back(j);
        }
    }
    dalys.push_back(std::move(d));
  }
  return dalys;
}

struct Armija {
  const char* pavadinimas;
  KVidurkis spalva;
  int matyta = 0;
  std::vector<int> langeliai;  // distinct cells its tanks were seen in
};

// One battle: its reference frame and later shots, args[0..n). Adds the tanks it finds
// to the armies; 3 when a file cannot be read.
int Musis(char** args, int n, int musis, Armija& savi, Armija& priesai) {
  if (n < 4 || n % 2 != 0) {
    std::fprintf(stderr, "battle %d: a reference and at least one shot, each with its seconds\n", musis);
    return 3;
  }
  Paveikslas pagrindas;
  if (!SkaitytiPpm(args[0], pagrindas)) {
    std::fprintf(stderr, "cannot read %s\n", args[0]);
    return 3;
  }
  const Ekranas e{pagrindas.w, pagrindas.h};
  const double t0 = std::atof(args[1]) + PIRMAS_KADRAS;
  // The reference shows bare ground and walls between these heights: below lie the
  // player's start row, the tanks that may have left it and the first flash; above,
  // the enemy's row.
  const double apacia = std::max(PIRMOS_EILES_Y + ZYMEKLIO_SPINDULYS, PIRMOS_EILES_Y + TANKO_GREITIS * t0 + TANKO_SIEKIS);
  const double virsus = PASKUTINES_EILES_Y - TANKO_GREITIS * t0 - TANKO_SIEKIS;
  std::printf("battle %d, reference at %.2f s: bare field from y %.0f to %.0f (map pixels)\n", musis, t0, apacia,
              virsus);

  for (int k = 2; k + 1 < n; k += 2) {
    Paveikslas p;
    if (!SkaitytiPpm(args[k], p) || p.w != e.w || p.h != e.h) {
      std::fprintf(stderr, "cannot read %s, or not %dx%d\n", args[k], e.w, e.h);
      return 3;
    }
    const double t = std::atof(args[k + 1]) + PIRMAS_KADRAS;
    std::vector<unsigned char> kauke(static_cast<size_t>(e.w) * e.h);
    for (int y = 0; y < e.h; ++y)
      for (int x = 0; x < e.w; ++x) {
        const double my = e.MapY(y), mx = e.MapX(x);
        if (my <= apacia || my >= virsus || mx < 0 || mx >= STULPELIAI * LANGELIS) continue;
        const unsigned char *a = p.P(x, y), *b = pagrindas.P(x, y);
        kauke[static_cast<size_t>(y) * e.w + x] =
            std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > SKIRTUMO_RIBA;
      }
    // A player's tank is at most this high by now, an enemy's at least this low.
    const double saviIki = PIRMOS_EILES_Y + TANKO_GREITIS * t, priesaiNuo = PASKUTINES_EILES_Y - TANKO_GREITIS * t;
    for (const Dalis& d : Dalys(kauke, e.w, e.h)) {
      const double plotas = d.taskai.size() * e.Plotas();
      const double dw = (d.x1 - d.x0 + 1) * double(VAIZDO_PLOTIS) / e.w, dh = (d.y1 - d.y0 + 1) * double(VAIZDO_AUKSTIS) / e.h;
      // Cut by the edge of the bare field: only part of a tank, or not one at all.
      const bool prieKrasto = e.MapY(d.y1) <= apacia + 2 || e.MapY(d.y0) >= virsus - 2;
      if (plotas < MIN_PLOTAS || dw > MAX_KRASTINE || dh > MAX_KRASTINE || dw < MIN_KRASTINE ||
          dh < MIN_KRASTINE || prieKrasto)
        continue;
      double sx = 0, sy = 0;
      for (int i : d.taskai) sx += e.MapX(i % e.w), sy += e.MapY(i / e.w);
      const double cx = sx / d.taskai.size(), cy = sy / d.taskai.size();
      // Tanks drive from cell centre to cell centre: a tank's centre is always on a
      // line through the centres of a row or a column.
      const int c = static_cast<int>(std::floor(cx / LANGELIS)), r = static_cast<int>(std::floor(cy / LANGELIS));
      const double nuoJuostos = std::min(std::fabs(cx - (c + 0.5) * LANGELIS), std::fabs(cy - (r + 0.5) * LANGELIS));
      if (c < 0 || c >= STULPELIAI || r < 0 || r >= EILUTES || nuoJuostos > JUOSTOS_PAKLAIDA) continue;
      const bool galiSavas = cy <= saviIki + JUOSTOS_PAKLAIDA, galiPriesas = cy >= priesaiNuo - JUOSTOS_PAKLAIDA;
      if (galiSavas == galiPriesas) continue;  // no army's tank could be there yet, or both could
      Armija& a = galiSavas ? savi : priesai;
      for (int i : d.taskai) {
        const unsigned char* px = p.rgb.data() + static_cast<size_t>(i) * 3;
        a.spalva.Prideti(px[0], px[1], px[2], 1);
      }
      ++a.matyta;
      const int kur = musis * 300 + c * 15 + r;  // a cell of another battle is another tank
      if (std::find(a.langeliai.begin(), a.langeliai.end(), kur) == a.langeliai.end()) a.langeliai.push_back(kur);
      std::printf("%s (%.2f s): %s tank at cell (%d, %d), %.0f pixels\n", args[k], t,
                  galiSavas ? "player's" : "enemy", c, r, plotas);
    }
  }
  return 0;
}

int Matuoti(int argc, char** argv) {
  Armija savi{"player's army (LT)", {}, 0, {}}, priesai{"enemy army (RU)", {}, 0, {}};
  // Battles are separated by "--"; the tanks of all of them are measured together.
  int musis = 0;
  for (int pradzia = 1; pradzia < argc || musis == 0;) {
    int galas = pradzia;
    while (galas < argc && std::string(argv[galas]) != "--") ++galas;
    if (const int r = Musis(argv + pradzia, galas - pradzia, ++musis, savi, priesai)) {
      std::fprintf(stderr, "usage: %s <reference.ppm> <s> <shot.ppm> <s> [...] [-- <reference.ppm> <s> ...]\n"
                           "       %s --views <picture.ppm> <prefix>\n", argv[0], argv[0]);
      return r;
    }
    pradzia = galas + 1;
  }
  for (const Armija* a : {&savi, &priesai})
    std::printf("%s: seen %d times in %zu cells, %.0f pixels\n", a->pavadinimas, a->matyta, a->langeliai.size(),
                a->spalva.svoris);
  if (static_cast<int>(savi.langeliai.size()) < MIN_TANKU || static_cast<int>(priesai.langeliai.size()) < MIN_TANKU) {
    std::printf("too few tanks seen in the bare field\n");
    return 2;
  }
  constexpr double MIN_DE = 20, MIN_DL = 15;
  std::printf("%s", Lentele("screenshot, LT tanks vs RU tanks", savi.spalva, priesai.spalva, MIN_DE, MIN_DL).c_str());
  return VisiVaizdaiSkiriasi(savi.spalva, priesai.spalva, MIN_DE, MIN_DL) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--views") return Vaizdai(argv[2], argv[3]);
  return Matuoti(argc, argv);
}
