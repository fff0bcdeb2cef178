// Swap pacing where the swap interval does nothing (gfx/KadruRitmas): plain clock
// arithmetic, so it is tested on every build, not only under Wine.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "gfx/KadruRitmas.h"

TEST(KadruRitmas, PacesALittleFasterThanTheDisplay) {
  // Slower than the display, a paced frame would miss a retrace now and then; far
  // faster, pacing would do nothing where the swap itself does not wait.
  for (double daznis : {50.0, 60.0, 75.0, 144.0}) {
    KadruRitmas ritmas;
    ritmas.Sukurti(daznis);
    const double periodas = std::chrono::duration<double>(ritmas.periodas).count();
    EXPECT_LT(periodas, 1 / daznis) << daznis << " Hz";
    EXPECT_GT(periodas, 0.97 / daznis) << daznis << " Hz";
  }
}

TEST(KadruRitmas, AStallStartsAfreshInsteadOfRushing) {
  // Periods of 49 ms and a stall of 300 ms: the next frame is due one period from now,
  // not several in the past, however slowly this process is scheduled meanwhile.
  KadruRitmas ritmas;
  ritmas.Sukurti(20);
  ritmas.Palaukti();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ritmas.Palaukti();
  const auto dabar = KadruRitmas::Laikrodis::now();
  EXPECT_GT(ritmas.kitas + ritmas.periodas, dabar);
  EXPECT_LE(ritmas.kitas - dabar, ritmas.periodas);
}
