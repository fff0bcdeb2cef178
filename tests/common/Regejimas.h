#pragma once
// Colours as viewers without full colour vision see them: the Machado, Oliveira and
// Fernandes (2009) dichromacy matrices at severity 1.0 and plain greyscale (Rec. 709
// luminance), all applied to linear sRGB; differences in CIELAB (D65), ΔE by CIE76.
// The generated pictures and the screenshots are measured with this one code.
#include <array>
#include <cstdint>
#include <string>

struct Tiesine {  // linear sRGB, 0..1
  double r = 0, g = 0, b = 0;
};

struct Lab {
  double L = 0, a = 0, b = 0;
};

// Normal vision first, then the four views every check must pass.
enum Vaizdas { IPRASTAS, PROTANOPIJA, DEUTERANOPIJA, TRITANOPIJA, PILKAS, VAIZDU_SKAICIUS };
const char* VaizdoPavadinimas(int vaizdas);

// sRGB-encoded 0..1 to linear light and back (the way back clamps to 0..1).
double Tiesinti(double koduota);
double Koduoti(double tiesine);
Tiesine IsBaitu(uint8_t r, uint8_t g, uint8_t b);

// The colour as the view sees it, clamped to the displayable 0..1.
Tiesine Matyti(const Tiesine& c, int vaizdas);
Lab ILab(const Tiesine& c);
double DeltaE(const Lab& x, const Lab& y);

// A weighted mean colour in every view at once: each pixel is seen through the view,
// then averaged in linear light (as the eye mixes small details).
struct KVidurkis {
  std::array<Tiesine, VAIZDU_SKAICIUS> suma{};
  double svoris = 0;

  void Prideti(uint8_t r, uint8_t g, uint8_t b, double w);
  Lab Spalva(int vaizdas) const;
};

struct Skirtumas {
  double dE = 0;  // CIE76
  double dL = 0;  // |L*| difference
};
Skirtumas Palyginti(const KVidurkis& x, const KVidurkis& y, int vaizdas);

// One line per view: "<title> <view>: dE 23.4 dL* 17.9 (needs 20 and 15)", marked FAIL
// where it falls short.
std::string Lentele(const char* pavadinimas, const KVidurkis& x, const KVidurkis& y, double minDE, double minDL);
// True when every view but normal vision reaches both limits.
bool VisiVaizdaiSkiriasi(const KVidurkis& x, const KVidurkis& y, double minDE, double minDL);
