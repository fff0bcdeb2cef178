// Whole battles per second: the soak's loop (every frame of the game's battle update and
// its invariant checks) over a run of seeds, on one core, without drawing.
//
// usage: bench_musiai [battles]   (default 500, seeds 1 and up)
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>

#include "tests/soak/BattleSoak.h"

int main(int argc, char** argv) {
  const int musiu = argc > 1 ? std::atoi(argv[1]) : 500;
  if (musiu <= 0) {
    std::fprintf(stderr, "usage: bench_musiai [battles]\n");
    return 2;
  }
  BattleSoak soak;
  long long kadru = 0;
  double sekundziu = 0;
  int klaidu = 0;
  const auto pradzia = std::chrono::steady_clock::now();
  const std::clock_t procesoriaus = std::clock();
  for (int s = 1; s <= musiu; ++s) {
    const BattleSoak::Rezultatas r = soak.Zaisti(static_cast<uint32_t>(s));
    kadru += r.kadru;
    sekundziu += r.sekundziu;
    if (!r.klaida.empty()) {
      std::fprintf(stderr, "%s\n", r.klaida.c_str());
      ++klaidu;
    }
  }
  const double trukme = std::chrono::duration<double>(std::chrono::steady_clock::now() - pradzia).count();
  // Processor time too: on a shared machine the wall clock also counts other programs.
  const double cpu = static_cast<double>(std::clock() - procesoriaus) / CLOCKS_PER_SEC;
  std::printf("battles: %d in %.2f s (%.2f s of processor): %.1f battles/s (%.1f per processor second), "
              "%.0f frames/s (%.1f us a frame), %.0f s of play simulated\n",
              musiu, trukme, cpu, musiu / trukme, musiu / cpu, kadru / trukme, cpu * 1e6 / static_cast<double>(kadru),
              sekundziu);
  return klaidu ? 1 : 0;
}
