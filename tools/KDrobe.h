#pragma once
// A picture being painted: straight-alpha RGBA floats, row 0 at the bottom, so the
// rows go to the Targa file (bottom row first) in storage order.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Spalva {
  float r = 0, g = 0, b = 0, a = 0;
};

inline Spalva SpalvaRgb(float r, float g, float b, float a = 1.0f) { return Spalva{r, g, b, a}; }
Spalva Maisyti(const Spalva& a, const Spalva& b, float t);
// b painted over a.
Spalva Uzdeti(const Spalva& apacia, const Spalva& virsus);

// Part of the picture that stands for a canvas of its own size in drawing units:
// pixels x0..x1, y0..y1 (fractional edges allowed) show units 0..vw, 0..vh.
struct KSritis {
  double x0, y0, x1, y1;
  double vw, vh;
  double SkaleX() const { return (x1 - x0) / vw; }
  double SkaleY() const { return (y1 - y0) / vh; }
};

class KDrobe {
 public:
  KDrobe(int plotis, int aukstis);

  int plotis;
  int aukstis;
  std::vector<Spalva> taskai;

  Spalva& Taskas(int x, int y) { return taskai[static_cast<size_t>(y) * plotis + x]; }
  const Spalva& Taskas(int x, int y) const { return taskai[static_cast<size_t>(y) * plotis + x]; }

  void Uzpildyti(const Spalva& s);
  // Paints every pixel whose centre lies in the area from a function of the drawing
  // units, n by n samples per pixel, over what is already there.
  void Piesti(const KSritis& sritis, int n, const std::function<Spalva(double, double)>& f);
  // Laid over pixel (x, y) with the given coverage.
  void Dengti(int x, int y, const Spalva& s, float dalis);
  // Gives fully transparent pixels the colour of their opaque neighbours, so that
  // filtering and mipmaps do not pull dark fringes into the shapes' edges.
  void IsplestiSpalvas(int kartai);
  // 24-bit (no alpha) or 32-bit uncompressed Targa, bottom row first.
  bool RasytiTga(const std::string& kelias, bool suAlfa) const;
};
