#include "gfx/KadruRitmas.h"

#include <thread>

#include "platform/Platforma.h"

void KadruRitmas::Sukurti(double daznis) {
  sukurtas = true;
  ribojama = daznis > 0;
  if (!ribojama) return;
#ifdef _WIN32
  // Sleep's default granularity on Windows is a whole 15.6 ms tick: too coarse to pace by.
  static bool tikslus = false;
  if (!tikslus) tikslus = timeBeginPeriod(1) == TIMERR_NOERROR;
#endif
  // A little shorter than the frame: where the swap does wait for the retrace, the
  // deadline then always lies behind it and this never sleeps.
  periodas = std::chrono::duration_cast<Laikrodis::duration>(std::chrono::duration<double>(1.0 / (daznis * 1.02)));
  kitas = Laikrodis::now() + periodas;
}

void KadruRitmas::Palaukti() {
  if (!sukurtas) Sukurti(EkranoDaznis());
  if (!ribojama) return;
  auto dabar = Laikrodis::now();
  if (kitas > dabar) {
    std::this_thread::sleep_until(kitas);
    kitas += periodas;
  } else if (dabar - kitas > periodas) {
    // Far behind (a stall, a slow frame): start afresh rather than rush to catch up.
    kitas = dabar + periodas;
  } else {
    kitas += periodas;
  }
}

double KadruRitmas::EkranoDaznis() {
#ifdef _WIN32
  DEVMODEA rezimas = {};
  rezimas.dmSize = sizeof(rezimas);
  // 0 and 1 mean "the hardware's default rate".
  if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &rezimas) && rezimas.dmDisplayFrequency > 1)
    return rezimas.dmDisplayFrequency;
#endif
  return 60;
}
