// Cost of one frame of the game in the headless GL context, battle and menu,
// against a frame that only clears and swaps.
//
// Each measured frame ends with glFinish: a software rasteriser (and some drivers)
// does the real drawing only at a flush, and an offscreen swap need not flush, so
// without it the drawing would be left out of the figure. Vertical sync is off.
//
// usage (from the folder holding settings.cfg and duomenys/): bench_kadras [frames]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "app/Zaidimas.h"
#include "bench/Scenarijus.h"
#include "gfx/GlBusena.h"
#include "platform/Platforma.h"

namespace {

using Laikrodis = std::chrono::steady_clock;

double Us(Laikrodis::time_point a, Laikrodis::time_point b) {
  return std::chrono::duration<double, std::micro>(b - a).count();
}

struct Suvestine {
  double mediana = 0, vidurkis = 0, p99 = 0;
};

Suvestine Suvesti(std::vector<double> v) {
  Suvestine s;
  if (v.empty()) return s;
  std::sort(v.begin(), v.end());
  s.mediana = v[v.size() / 2];
  s.p99 = v[std::min(v.size() - 1, v.size() * 99 / 100)];
  double suma = 0;
  for (double x : v) suma += x;
  s.vidurkis = suma / static_cast<double>(v.size());
  return s;
}

void Spausdinti(const char* vardas, const Suvestine& s, const Suvestine* bazine) {
  std::printf("  %-34s median %8.1f us  mean %8.1f us  p99 %8.1f us", vardas, s.mediana, s.vidurkis, s.p99);
  if (bazine) std::printf("  ratio %6.2f", s.mediana / bazine->mediana);
  std::printf("\n");
}

// The clear-and-swap frame: what any program of this window pays per frame.
std::vector<double> BaziniaiKadrai(int n) {
  std::vector<double> v;
  v.reserve(n);
  for (int i = 0; i < n; ++i) {
    auto a = Laikrodis::now();
    glClear(GL_COLOR_BUFFER_BIT);
    langas.Sukeisti();
    glFinish();
    v.push_back(Us(a, Laikrodis::now()));
  }
  return v;
}

// Whole frames of the game's loop, with the scripted input of the state.
std::vector<double> ZaidimoKadrai(int n, bool musis, int* pradziu) {
  std::vector<double> v;
  v.reserve(n);
  for (int i = 0; i < n; ++i) {
    if (musis) {
      MusioIvestis(i);
    } else {
      MeniuIvestis(i);
    }
    auto a = Laikrodis::now();
    Kadras();
    glFinish();
    v.push_back(Us(a, Laikrodis::now()));
    // A battle that has ended is started afresh; those frames are not measured.
    if (musis && busena != BUSENA_MUSIS) {
      AtleistiMusioKlavisus();
      if (!PereitiIMeniu() || !PradetiMusiIsMeniu()) {
        std::fprintf(stderr, "could not start a new battle\n");
        std::exit(1);
      }
      ++*pradziu;
    }
  }
  return v;
}

// The battle's update and its drawing, each timed alone on the battle as it stands
// (the frame runs both, in app/Programa.cpp), so that a slow frame can be traced to
// one of the two. The keys the battle input holds stay held meanwhile.
void Isskaidyti(int n, std::vector<double>& atnaujinimas, std::vector<double>& piesimas,
                std::vector<double>& rastravimas) {
  Kadras();  // the last frame's presses become held keys
  for (int i = 0; i < n && busena == BUSENA_MUSIS; ++i) {
    auto a = Laikrodis::now();
    AtnaujintiZaidima();
    atnaujinimas.push_back(Us(a, Laikrodis::now()));
  }
  for (int i = 0; i < n; ++i) {
    auto a = Laikrodis::now();
    PiestiKadra();
    auto b = Laikrodis::now();
    glFinish();
    piesimas.push_back(Us(a, b));
    rastravimas.push_back(Us(b, Laikrodis::now()));
  }
  langas.Sukeisti();
}

}  // namespace

int main(int argc, char** argv) {
  int n = argc > 1 ? std::atoi(argv[1]) : 3000;
  if (n < 100) n = 100;
  if (!ParuostiZaidima()) return 1;
  // The game asks for vertical sync; a frame paced to the display would measure the
  // display. Interval 0 through the game's own entry point gives the bare cost.
  if (!Pletiniai::wglSwapIntervalEXT || !Pletiniai::wglSwapIntervalEXT(0)) {
    std::fprintf(stderr, "cannot switch vertical sync off\n");
    return 1;
  }
  if (!PereitiIMeniu()) {
    std::fprintf(stderr, "the menu was not reached\n");
    return 1;
  }

  BaziniaiKadrai(n / 10);
  Suvestine bazine = Suvesti(BaziniaiKadrai(n));

  int pradziu = 0;
  ZaidimoKadrai(n / 10, false, &pradziu);
  Suvestine meniuKadras = Suvesti(ZaidimoKadrai(n, false, &pradziu));

  if (!PradetiMusiIsMeniu()) {
    std::fprintf(stderr, "the battle did not start\n");
    return 1;
  }
  ZaidimoKadrai(n / 10, true, &pradziu);
  Suvestine musioKadras = Suvesti(ZaidimoKadrai(n, true, &pradziu));

  std::vector<double> atn, pie, ras;
  Isskaidyti(n, atn, pie, ras);
  AtleistiMusioKlavisus();

  std::printf("frame cost, %d frames each, %dx%d headless GL context:\n", n, nustatymai.plotis, nustatymai.aukstis);
  Spausdinti("clear + swap (baseline)", bazine, nullptr);
  Spausdinti("menu frame", meniuKadras, &bazine);
  Spausdinti("battle frame", musioKadras, &bazine);
  Spausdinti("  battle update alone", Suvesti(atn), nullptr);
  Spausdinti("  battle drawing alone: issued", Suvesti(pie), nullptr);
  Spausdinti("  battle drawing alone: rasterised", Suvesti(ras), nullptr);
  if (pradziu) std::printf("  (%d battles ended and were restarted unmeasured)\n", pradziu);
  std::printf("  GL renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  std::printf("peak resident memory of this process (start-up, menu, battle): %.1f MiB\n", ru.ru_maxrss / 1024.0);
  Uzdaryti();
  return 0;
}
