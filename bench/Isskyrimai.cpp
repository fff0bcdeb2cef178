// Heap allocations per frame in steady state, menu and battle, and the peak
// resident memory of the game.
//
// This executable replaces the C allocator (operator new ends there too), so every
// allocation of the game and of the libraries it calls is seen. Counting is on only
// while a frame of the game's loop runs. The game keeps its vertical sync, so the
// frames come at the display's rate and the music stream and the mixer run as they
// do in play; the default 20 s per phase takes the music past its loop point. The first allocations of each phase are recorded with their call stacks and
// printed, naming the library that allocated and the game function that called it.
//
// usage (from the folder holding settings.cfg and duomenys/): bench_isskyrimai [seconds per phase]
#include <dlfcn.h>
#include <execinfo.h>
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <map>
#include <string>
#include <vector>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "bench/Scenarijus.h"

extern "C" {
void* __libc_malloc(size_t);
void __libc_free(void*);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void* __libc_valloc(size_t);
void* __libc_pvalloc(size_t);
}

namespace {

constexpr int GYLIS = 48;
constexpr int PAGRINDINES_IRASU = 48;
constexpr int KITU_IRASU = 16;

struct Irasas {
  void* ramai[GYLIS];
  int n;
  size_t dydis;
};

std::atomic<bool> skaiciuoti{false};
std::atomic<long> pagrindines{0};  // on the game's thread
std::atomic<long> kitos{0};        // on threads the libraries run (mixer, rasteriser)
std::atomic<long> baitai{0};
pthread_t pagrindineGija;
thread_local bool viduje = false;

Irasas pagrindiniai[PAGRINDINES_IRASU];
Irasas kiti[KITU_IRASU];
std::atomic<int> pagrindiniuKiekis{0};
std::atomic<int> kituKiekis{0};

void Pazymeti(size_t dydis) {
  if (!skaiciuoti.load(std::memory_order_relaxed) || viduje) return;
  viduje = true;
  bool pagr = pthread_equal(pthread_self(), pagrindineGija);
  (pagr ? pagrindines : kitos).fetch_add(1, std::memory_order_relaxed);
  baitai.fetch_add(static_cast<long>(dydis), std::memory_order_relaxed);
  int k = (pagr ? pagrindiniuKiekis : kituKiekis).fetch_add(1);
  if (k < (pagr ? PAGRINDINES_IRASU : KITU_IRASU)) {
    Irasas& r = pagr ? pagrindiniai[k] : kiti[k];
    r.n = backtrace(r.ramai, GYLIS);
    r.dydis = dydis;
  }
  viduje = false;
}

}  // namespace

extern "C" {
void* malloc(size_t n) {
  Pazymeti(n);
  return __libc_malloc(n);
}
void free(void* p) { __libc_free(p); }
void* calloc(size_t n, size_t m) {
  Pazymeti(n * m);
  return __libc_calloc(n, m);
}
void* realloc(void* p, size_t n) {
  Pazymeti(n);
  return __libc_realloc(p, n);
}
void* memalign(size_t a, size_t n) {
  Pazymeti(n);
  return __libc_memalign(a, n);
}
void* aligned_alloc(size_t a, size_t n) {
  Pazymeti(n);
  return __libc_memalign(a, n);
}
int posix_memalign(void** p, size_t a, size_t n) {
  Pazymeti(n);
  void* r = __libc_memalign(a, n);
  if (!r) return ENOMEM;
  *p = r;
  return 0;
}
void* valloc(size_t n) {
  Pazymeti(n);
  return __libc_valloc(n);
}
void* pvalloc(size_t n) {
  Pazymeti(n);
  return __libc_pvalloc(n);
}
}

namespace {

bool Skirstytojas(const char* vardas) {
  static const char* const vardai[] = {"malloc", "calloc", "realloc", "memalign", "aligned_alloc",
                                       "posix_memalign", "valloc", "pvalloc"};
  if (!vardas) return false;
  for (const char* v : vardai)
    if (std::strcmp(v, vardas) == 0) return true;
  return false;
}

std::string Bazinis(const char* kelias) {
  if (!kelias || !*kelias) return "?";
  const char* s = std::strrchr(kelias, '/');
  return s ? s + 1 : kelias;
}

// Libraries that only pass a request on (operator new, std::string): the one that
// matters is the first frame beyond them.
bool Tarpininke(const std::string& dso) {
  return dso.rfind("libc.so", 0) == 0 || dso.rfind("libstdc++", 0) == 0 || dso.rfind("libgcc", 0) == 0;
}

struct Ramas {
  std::string dso;
  std::string funkcija;
  std::string vieta;
  bool zaidimo = false;
};

const void* programosPradzia = nullptr;

// Names the frames of one stack: the game's own through addr2line (file and line,
// static functions included), the libraries' through their dynamic symbols.
std::vector<Ramas> Ivardyti(const Irasas& r) {
  std::vector<Ramas> ramai;
  int nuo = 0;
  for (int i = 0; i < r.n; ++i) {
    Dl_info d{};
    if (dladdr(r.ramai[i], &d) && Skirstytojas(d.dli_sname)) {
      nuo = i + 1;
      break;
    }
  }
  std::vector<uintptr_t> programos;
  for (int i = nuo; i < r.n; ++i) {
    Ramas f;
    Dl_info d{};
    if (dladdr(r.ramai[i], &d)) {
      f.zaidimo = d.dli_fbase == programosPradzia;
      f.dso = f.zaidimo ? "game" : Bazinis(d.dli_fname);
      if (d.dli_sname) {
        int st = 0;
        char* dem = abi::__cxa_demangle(d.dli_sname, nullptr, nullptr, &st);
        f.funkcija = st == 0 && dem ? dem : d.dli_sname;
        std::free(dem);
      }
      if (f.zaidimo)
        programos.push_back(reinterpret_cast<uintptr_t>(r.ramai[i]) - reinterpret_cast<uintptr_t>(d.dli_fbase) - 1);
    }
    ramai.push_back(f);
  }
  if (!programos.empty()) {
    std::string komanda = "addr2line -C -f -e /proc/" + std::to_string(getpid()) + "/exe";
    for (uintptr_t a : programos) {
      char buf[32];
      std::snprintf(buf, sizeof buf, " 0x%lx", static_cast<unsigned long>(a));
      komanda += buf;
    }
    if (FILE* p = popen(komanda.c_str(), "r")) {
      char eil[1024];
      for (Ramas& f : ramai) {
        if (!f.zaidimo) continue;
        if (!std::fgets(eil, sizeof eil, p)) break;
        eil[std::strcspn(eil, "\n")] = 0;
        f.funkcija = eil;
        if (!std::fgets(eil, sizeof eil, p)) break;
        eil[std::strcspn(eil, "\n")] = 0;
        const char* s = std::strstr(eil, "/work/");
        f.vieta = s ? s : eil;
      }
      pclose(p);
    }
  }
  return ramai;
}

void Ataskaita(const char* gija, const Irasas* irasai, int kiekis) {
  // Identical stacks are shown once, with their count.
  struct Grupe {
    int kartai = 0;
    size_t baitai = 0;
    std::vector<Ramas> ramai;
  };
  std::map<std::string, Grupe> grupes;
  std::vector<std::string> tvarka;
  for (int i = 0; i < kiekis; ++i) {
    std::vector<Ramas> ramai = Ivardyti(irasai[i]);
    std::string raktas;
    for (const Ramas& f : ramai) raktas += f.dso + ":" + f.funkcija + "|";
    Grupe& g = grupes[raktas];
    if (g.kartai++ == 0) {
      g.ramai = ramai;
      tvarka.push_back(raktas);
    }
    g.baitai += irasai[i].dydis;
  }
  for (const std::string& raktas : tvarka) {
    const Grupe& g = grupes[raktas];
    const int kartai = g.kartai;
    const std::vector<Ramas>& ramai = g.ramai;
    std::string kalta = "?", kviete = "-";
    for (const Ramas& f : ramai)
      if (!Tarpininke(f.dso)) {
        kalta = f.dso == "game" ? "the game itself" : f.dso;
        break;
      }
    for (const Ramas& f : ramai)
      if (f.zaidimo && f.funkcija.find("Pazymeti") == std::string::npos) {
        kviete = f.funkcija;
        break;
      }
    std::printf("    %dx on the %s thread, %zu bytes each on average: allocated by %s; game caller: %s\n", kartai,
                gija, g.baitai / static_cast<size_t>(kartai), kalta.c_str(), kviete.c_str());
    int rodyta = 0;
    for (const Ramas& f : ramai) {
      if (rodyta++ == 14) break;
      std::printf("        %-22s %s%s%s\n", f.dso.c_str(), f.funkcija.empty() ? "??" : f.funkcija.c_str(),
                  f.vieta.empty() ? "" : "  ", f.vieta.c_str());
      if (f.funkcija == "main") break;
    }
  }
}

struct Faze {
  long kadrai = 0;
  long pagrindines = 0, kitos = 0, baitai = 0;
};

void Pradeti() {
  pagrindines = 0;
  kitos = 0;
  baitai = 0;
  pagrindiniuKiekis = 0;
  kituKiekis = 0;
}

void Spausdinti(const char* vardas, const Faze& f) {
  double k = static_cast<double>(f.kadrai);
  std::printf("  %-8s %6ld frames: game thread %ld allocations (%.3f per frame), other threads %ld (%.3f per frame), "
              "%ld bytes; goal 0 on the game thread: %s\n",
              vardas, f.kadrai, f.pagrindines, f.pagrindines / k, f.kitos, f.kitos / k, f.baitai,
              f.pagrindines == 0 ? "met" : "MISSED");
  int np = std::min<int>(pagrindiniuKiekis.load(), PAGRINDINES_IRASU);
  int nk = std::min<int>(kituKiekis.load(), KITU_IRASU);
  if (np + nk > 0) {
    std::printf("    first allocations recorded:\n");
    Ataskaita("game", pagrindiniai, np);
    Ataskaita("other", kiti, nk);
  }
}

using Laikrodis = std::chrono::steady_clock;

// Frames of one state at the game's own pace; counting covers the frame, not the scripted input.
Faze Groti(bool musis, double sekundes, int* pradziu) {
  Faze f;
  Pradeti();
  auto pabaiga = Laikrodis::now() +
                 std::chrono::duration_cast<Laikrodis::duration>(std::chrono::duration<double>(sekundes));
  for (int i = 0; Laikrodis::now() < pabaiga; ++i) {
    if (musis) {
      MusioIvestis(i);
    } else {
      MeniuIvestis(i);
    }
    skaiciuoti = true;
    Kadras();
    skaiciuoti = false;
    ++f.kadrai;
    if (musis && busena != BUSENA_MUSIS) {
      // A new battle is a menu choice, not a steady-state frame.
      AtleistiMusioKlavisus();
      if (!PereitiIMeniu() || !PradetiMusiIsMeniu()) {
        std::fprintf(stderr, "could not start a new battle\n");
        std::exit(1);
      }
      ++*pradziu;
    }
  }
  f.pagrindines = pagrindines;
  f.kitos = kitos;
  f.baitai = baitai;
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  double sekundes = argc > 1 ? std::atof(argv[1]) : 20.0;
  if (sekundes < 1) sekundes = 1;
  pagrindineGija = pthread_self();
  Dl_info d{};
  dladdr(reinterpret_cast<void*>(&main), &d);
  programosPradzia = d.dli_fbase;
  // The unwinder loads itself on first use; that must not land in a counted frame.
  void* ramai[4];
  backtrace(ramai, 4);

  if (!ParuostiZaidima()) return 1;
  if (!PereitiIMeniu()) {
    std::fprintf(stderr, "the menu was not reached\n");
    return 1;
  }
  std::printf("heap allocations during frames, steady state, %.0f s per phase at the game's frame rate:\n", sekundes);
  // One second of each state first: the first frames of a state fill lazily made
  // caches (drivers compile shaders for new state, the mixer starts sources).
  int pradziu = 0;
  Groti(false, 1.0, &pradziu);
  Faze meniuFaze = Groti(false, sekundes, &pradziu);
  Spausdinti("menu", meniuFaze);

  Pradeti();
  skaiciuoti = true;
  bool pradeta = PradetiMusiIsMeniu();
  skaiciuoti = false;
  if (!pradeta) {
    std::fprintf(stderr, "the battle did not start\n");
    return 1;
  }
  std::printf("  (starting the battle, two frames with the Enter key: %ld allocations on the game thread)\n",
              pagrindines.load());
  Groti(true, 1.0, &pradziu);
  Faze musioFaze = Groti(true, sekundes, &pradziu);
  Spausdinti("battle", musioFaze);
  if (pradziu) std::printf("  (%d battles ended and were restarted outside the count)\n", pradziu);
  AtleistiMusioKlavisus();

  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  std::printf("peak resident memory of the game in this process: %.1f MiB\n", ru.ru_maxrss / 1024.0);
  Uzdaryti();
  return 0;
}
