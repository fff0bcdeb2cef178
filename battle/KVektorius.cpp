#include "battle/KVektorius.h"

#include <cmath>

KVektorius& KVektorius::operator+=(const KVektorius& kitas) {
  x += kitas.x;
  y += kitas.y;
  z += kitas.z;
  return *this;
}

KVektorius& KVektorius::operator*=(float daugiklis) {
  x *= daugiklis;
  y *= daugiklis;
  z *= daugiklis;
  return *this;
}

float KVektorius::Ilgis() const {
  const double dx = x, dy = y, dz = z;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

KVektorius& KVektorius::NustatytiIlgi(float ilgis) { return *this *= ilgis / Ilgis(); }

KVektorius& KVektorius::ApribotiIlgi(float maksimumas) {
  // Strict: a vector exactly as long as the limit is left as it is.
  if (Ilgis() > maksimumas) NustatytiIlgi(maksimumas);
  return *this;
}

KVektorius operator-(const KVektorius& a, const KVektorius& b) { return KVektorius(a.x - b.x, a.y - b.y, a.z - b.z); }

float Atstumas(const KVektorius& a, const KVektorius& b) {
  const double dx = static_cast<double>(a.x) - b.x;
  const double dy = static_cast<double>(a.y) - b.y;
  const double dz = static_cast<double>(a.z) - b.z;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

// x >= 0 holds for -0.0, which therefore comes back as it is.
float Modulis(float x) { return x >= 0 ? x : -x; }

float KampuSkirtumas(float a, float b) {
  float d = b - a;
  // Turret angles are never normalised. Far out, stepping by 360 would take very
  // long (or forever, once 360 is below the float spacing), so bring d near the
  // range first; ordinary angles never take this path.
  if (!std::isfinite(d)) return d;
  if (d > 36000.0f || d < -36000.0f) d = static_cast<float>(std::fmod(static_cast<double>(d), 360.0));
  while (d > 180) d -= 360;
  while (d < -180) d += 360;
  return d;
}
