// The frame timer on the platform's high-resolution counter: seconds between ticks.
#include <gtest/gtest.h>

#include "app/KLaikmatis.h"
#include "platform/Platforma.h"

namespace {

double Sekundes() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Spins until the counter has moved on by at least `s` seconds (no sleep: the counter
// itself is what is waited for).
void Palaukti(double s) {
  const double iki = Sekundes() + s;
  while (Sekundes() < iki) {
  }
}

}  // namespace

TEST(FrameTimer, FrameTimeIsTheSecondsBetweenTheLastTwoTicks) {
  // Each bound holds however busy the machine is: at least the wait, at most the time
  // the test saw pass around the two ticks.
  KLaikmatis l;
  const double pries = Sekundes();
  l.Sukurti();
  EXPECT_EQ(l.KadroLaikas, 0.0f);  // nothing measured before the first tick
  Palaukti(0.02);
  const double priesPirmo = Sekundes();
  l.Atnaujinti();
  const double poPirmo = Sekundes();
  EXPECT_GE(l.KadroLaikas, 0.02f);
  EXPECT_LE(l.KadroLaikas, static_cast<float>(poPirmo - pries) + 1e-4f);

  // The next tick measures from the previous one, not from the start.
  Palaukti(0.005);
  l.Atnaujinti();
  const double poAntro = Sekundes();
  EXPECT_GE(l.KadroLaikas, 0.005f);
  EXPECT_LE(l.KadroLaikas, static_cast<float>(poAntro - priesPirmo) + 1e-4f);
}
