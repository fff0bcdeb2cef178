#pragma once
#include <chrono>

// Paces buffer swaps at the display's refresh rate where the swap interval does nothing
// (software GL, drivers that ignore it), so the main loop never spins a core. Called
// right after every swap: where the swap itself waited for the retrace, the deadline has
// already passed and nothing sleeps.
class KadruRitmas {
 public:
  using Laikrodis = std::chrono::steady_clock;

  // Frames per second to keep; 0 or less switches pacing off.
  void Sukurti(double daznis);
  // Sleeps until the next frame is due. The first call sets the rate from the display
  // when Sukurti has not run.
  void Palaukti();
  // The display's refresh rate in Hz, 60 when the system does not say.
  static double EkranoDaznis();

  bool sukurtas = false;
  bool ribojama = false;
  Laikrodis::duration periodas{};
  Laikrodis::time_point kitas{};
};
