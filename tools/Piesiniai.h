#pragma once
// The pieces every picture of the game is painted from: noise, the ground and brick
// patterns, and the tank with its turret and shell, in the tank's own units.
#include <cstdint>

#include "KDrobe.h"

// How an army looks. The two armies differ in lightness and in shape, not only in hue,
// so that a player without colour vision (or on a grey screen) tells them apart: a
// light army with rounded hulls, track skirts and a dark chevron, and a dark army with
// angular hulls, bare tracks and pale bands.
struct ArmijosSpalvos {
  Spalva pagrindine;  // hull and turret
  Spalva vamzdis;     // gun metal
  Spalva vikse;       // tracks
  Spalva zymuo;       // the army's marking on hull and turret
  Spalva zenklas[3];  // the flag on the turret, top to bottom
  bool kampuotas;     // angular hull and turret with bare tracks, else rounded with skirts
};

ArmijosSpalvos LietuvosSpalvos();
ArmijosSpalvos RusijosSpalvos();

uint32_t Maisa(uint32_t x);
double Lygu(double a, double b, double x);
// Value noise over a lattice of periodas by periodas cells on the unit square,
// repeating across its edges; 0 to 1.
double Triuksmas(double u, double v, int periodas, uint32_t seka);
double Fbm(double u, double v, int periodas, int oktavos, uint32_t seka);

// Patterns on the unit square, tiling seamlessly.
Spalva ZemesRastas(double u, double v);
Spalva PlytuRastas(double u, double v);

// The army sheet's three pictures, each in its quad's units centred on 0: hull
// 24 by 24, turret 14 by 28 (pivot at y = -7), shell 10 by 20; all pointing to +y.
Spalva Korpusas(double x, double y, const ArmijosSpalvos& a);
Spalva Bokstelis(double x, double y, const ArmijosSpalvos& a);
Spalva Sviedinys(double x, double y);

// The part of sr covering the drawing-unit box (x0, y0)..(x1, y1), in that box's units.
KSritis Posritis(const KSritis& sr, double x0, double y0, double x1, double y1);

// A whole tank as the game draws it, centred at (cx, cy) in sr's units, mastelis
// drawing units per tank unit, angles in degrees counter-clockwise, 0 up.
void PiestiTanka(KDrobe& d, const KSritis& sr, double cx, double cy, double mastelis, double korpusoKampas,
                 double bokstoKampas, const ArmijosSpalvos& a, bool sudauzytas = false);
