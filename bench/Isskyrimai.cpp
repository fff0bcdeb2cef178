// Heap allocations per frame in steady state, menu and battle, and the peak
// resident memory of the game.
//
// This executable replaces the C allocator (operator new ends there too), so every
// allocation of the game and of the libraries it calls is seen. Counting is on only
// while a frame of the game's loop runs. Each allocation is charged to the first
// code on its call stack beyond the allocator and the C and C++ runtimes: the
// game's own code, or a library (the GL driver, the window system, OpenAL). The
// goal, no allocation per frame, is the game's; what a driver does inside a GL call
// is reported beside it. The first allocations of each kind are printed with their
// call stacks.
//
// The game keeps its vertical sync, so the frames come at the display's rate and the
// music stream and the mixer run as they do in play; the default 20 s per phase
// takes the music past its loop point.
//
// usage (from the folder holding settings.cfg and duomenys/): bench_isskyrimai [seconds per phase]
#include <dlfcn.h>
#include <fcntl.h>
#include <execinfo.h>
#include <link.h>
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
constexpr int IRASU = 16;
constexpr int SRICIU = 64;
constexpr int BIBLIOTEKU = 32;

struct Irasas {
  void* ramai[GYLIS];
  int n;
  size_t dydis;
};

struct Sritis {
  uintptr_t nuo, iki;
};

// Loaded segments of the game's executable, and of the runtimes that only pass a
// request on (operator new, std::string, strdup).
Sritis programa[SRICIU];
int programosSriciu = 0;
Sritis tarpininkai[SRICIU];
int tarpininkuSriciu = 0;

struct Biblioteka {
  const void* pradzia;
  const char* vardas;
  long kiekis;
};

struct Skaitikliai {
  long zaidimo = 0;      // game thread, charged to the game's code
  long biblioteku = 0;   // game thread, charged to a library
  long kitu = 0;         // other threads (mixer, rasteriser)
  long baitai = 0;
  Biblioteka bibliotekos[BIBLIOTEKU] = {};
  int bibliotekuKiekis = 0;
  Irasas zaidimoIrasai[IRASU];
  int zaidimoIrasu = 0;
  Irasas bibliotekuIrasai[IRASU];
  int bibliotekuIrasu = 0;
  Irasas kituIrasai[IRASU / 2];
  int kituIrasu = 0;
};

std::atomic<bool> skaiciuoti{false};
Skaitikliai sk;
pthread_mutex_t uzraktas = PTHREAD_MUTEX_INITIALIZER;
pthread_t pagrindineGija;
thread_local bool viduje = false;

bool Yra(const Sritis* s, int n, const void* adresas) {
  uintptr_t a = reinterpret_cast<uintptr_t>(adresas);
  for (int i = 0; i < n; ++i)
    if (a >= s[i].nuo && a < s[i].iki) return true;
  return false;
}

void Irasyti(Irasas* irasai, int& kiekis, int talpa, void* const* ramai, int n, size_t dydis) {
  if (kiekis >= talpa) return;
  Irasas& r = irasai[kiekis++];
  r.n = std::min(n, GYLIS);
  std::memcpy(r.ramai, ramai, sizeof(void*) * static_cast<size_t>(r.n));
  r.dydis = dydis;
}

void Pazymeti(size_t dydis, void* kviete) {
  if (!skaiciuoti.load(std::memory_order_relaxed) || viduje) return;
  viduje = true;
  void* ramai[GYLIS];
  int n = backtrace(ramai, GYLIS);
  // The stack from the allocator's caller on, then past the runtimes.
  int nuo = 0;
  while (nuo < n && ramai[nuo] != kviete) ++nuo;
  if (nuo == n) nuo = 0;
  int kaltas = nuo;
  while (kaltas < n && Yra(tarpininkai, tarpininkuSriciu, ramai[kaltas])) ++kaltas;
  const bool zaidimo = kaltas < n && Yra(programa, programosSriciu, ramai[kaltas]);
  Dl_info d{};
  if (!zaidimo && kaltas < n) dladdr(ramai[kaltas], &d);

  pthread_mutex_lock(&uzraktas);
  sk.baitai += static_cast<long>(dydis);
  if (!pthread_equal(pthread_self(), pagrindineGija)) {
    ++sk.kitu;
    Irasyti(sk.kituIrasai, sk.kituIrasu, IRASU / 2, ramai + nuo, n - nuo, dydis);
  } else if (zaidimo) {
    ++sk.zaidimo;
    Irasyti(sk.zaidimoIrasai, sk.zaidimoIrasu, IRASU, ramai + nuo, n - nuo, dydis);
  } else {
    ++sk.biblioteku;
    Irasyti(sk.bibliotekuIrasai, sk.bibliotekuIrasu, IRASU, ramai + nuo, n - nuo, dydis);
    int i = 0;
    while (i < sk.bibliotekuKiekis && sk.bibliotekos[i].pradzia != d.dli_fbase) ++i;
    if (i == sk.bibliotekuKiekis && i < BIBLIOTEKU) sk.bibliotekos[sk.bibliotekuKiekis++] = {d.dli_fbase, d.dli_fname, 0};
    if (i < BIBLIOTEKU) ++sk.bibliotekos[i].kiekis;
  }
  pthread_mutex_unlock(&uzraktas);
  viduje = false;
}

}  // namespace

extern "C" {
void* malloc(size_t n) {
  Pazymeti(n, __builtin_return_address(0));
  return __libc_malloc(n);
}
void free(void* p) { __libc_free(p); }
void* calloc(size_t n, size_t m) {
  Pazymeti(n * m, __builtin_return_address(0));
  return __libc_calloc(n, m);
}
void* realloc(void* p, size_t n) {
  Pazymeti(n, __builtin_return_address(0));
  return __libc_realloc(p, n);
}
void* memalign(size_t a, size_t n) {
  Pazymeti(n, __builtin_return_address(0));
  return __libc_memalign(a, n);
}
void* aligned_alloc(size_t a, size_t n) {
  Pazymeti(n, __builtin_return_address(0));
  return __libc_memalign(a, n);
}
int posix_memalign(void** p, size_t a, size_t n) {
  Pazymeti(n, __builtin_return_address(0));
  void* r = __libc_memalign(a, n);
  if (!r) return ENOMEM;
  *p = r;
  return 0;
}
void* valloc(size_t n) {
  Pazymeti(n, __builtin_return_address(0));
  return __libc_valloc(n);
}
void* pvalloc(size_t n) {
  Pazymeti(n, __builtin_return_address(0));
  return __libc_pvalloc(n);
}
}

namespace {

std::string Bazinis(const char* kelias) {
  if (!kelias || !*kelias) return "?";
  const char* s = std::strrchr(kelias, '/');
  return s ? s + 1 : kelias;
}

int Segmentai(dl_phdr_info* info, size_t, void*) {
  const std::string vardas = Bazinis(info->dlpi_name);
  const bool pagrindine = !info->dlpi_name || !*info->dlpi_name;
  const bool tarpininke = vardas.rfind("libc.so", 0) == 0 || vardas.rfind("libstdc++", 0) == 0 ||
                          vardas.rfind("libgcc_s", 0) == 0;
  // The first entry is the executable; the kernel's vdso also comes without a path
  // but never allocates.
  static bool pirmas = true;
  const bool programos = pagrindine && pirmas;
  pirmas = false;
  if (!programos && !tarpininke) return 0;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& h = info->dlpi_phdr[i];
    if (h.p_type != PT_LOAD) continue;
    Sritis s{info->dlpi_addr + h.p_vaddr, info->dlpi_addr + h.p_vaddr + h.p_memsz};
    if (programos && programosSriciu < SRICIU) programa[programosSriciu++] = s;
    if (tarpininke && tarpininkuSriciu < SRICIU) tarpininkai[tarpininkuSriciu++] = s;
  }
  return 0;
}

struct Ramas {
  std::string dso;
  std::string funkcija;
  std::string vieta;
  bool zaidimo = false;
};

// Names the frames of one stack: the game's own through addr2line (file and line,
// static functions included), the libraries' through their dynamic symbols.
std::vector<Ramas> Ivardyti(const Irasas& r) {
  std::vector<Ramas> ramai;
  std::vector<uintptr_t> programos;
  for (int i = 0; i < r.n; ++i) {
    Ramas f;
    Dl_info d{};
    f.zaidimo = Yra(programa, programosSriciu, r.ramai[i]);
    if (dladdr(r.ramai[i], &d)) {
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
        f.vieta = eil;
      }
      pclose(p);
    }
  }
  return ramai;
}

// Identical stacks are shown once, with their count.
void Stekai(const char* antraste, const Irasas* irasai, int kiekis, int rodyti) {
  if (kiekis == 0) return;
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
  std::printf("    %s, the first %d recorded:\n", antraste, kiekis);
  int rodyta = 0;
  for (const std::string& raktas : tvarka) {
    if (rodyta++ == rodyti) break;
    const Grupe& g = grupes[raktas];
    std::printf("      %dx, %zu bytes on average:\n", g.kartai, g.baitai / static_cast<size_t>(g.kartai));
    int eilutes = 0;
    for (size_t i = 0; i < g.ramai.size() && eilutes < 16; ++i, ++eilutes) {
      const Ramas& f = g.ramai[i];
      // Unnamed frames of one library (a stripped driver) are one line.
      size_t j = i;
      while (f.funkcija.empty() && j + 1 < g.ramai.size() && g.ramai[j + 1].dso == f.dso &&
             g.ramai[j + 1].funkcija.empty())
        ++j;
      std::string kartai = j > i ? " (" + std::to_string(j - i + 1) + " frames)" : "";
      std::printf("        %-20s %s%s%s%s\n", f.dso.c_str(), f.funkcija.empty() ? "??" : f.funkcija.c_str(),
                  kartai.c_str(), f.vieta.empty() ? "" : "  ", f.vieta.c_str());
      i = j;
      if (f.funkcija == "main") break;
    }
  }
}

using Laikrodis = std::chrono::steady_clock;

// Resident memory now, in KiB, read without allocating.
long RezidentineKib() {
  int fd = open("/proc/self/statm", O_RDONLY);
  if (fd < 0) return 0;
  char buf[128];
  ssize_t n = read(fd, buf, sizeof buf - 1);
  close(fd);
  if (n <= 0) return 0;
  buf[n] = 0;
  long visa = 0, rezidentine = 0;
  if (std::sscanf(buf, "%ld %ld", &visa, &rezidentine) != 2) return 0;
  return rezidentine * (sysconf(_SC_PAGESIZE) / 1024);
}

// A phase stops early rather than let a leak take the machine's memory.
constexpr long RIBA_KIB = 1536L * 1024;

struct Eiga {
  long kadrai = 0;
  double sekundes = 0;
  long rssPradzioje = 0, rssPabaigoje = 0;
  bool nutraukta = false;
};

void Pradeti() {
  pthread_mutex_lock(&uzraktas);
  sk.zaidimo = sk.biblioteku = sk.kitu = sk.baitai = 0;
  sk.bibliotekuKiekis = sk.zaidimoIrasu = sk.bibliotekuIrasu = sk.kituIrasu = 0;
  pthread_mutex_unlock(&uzraktas);
}

// The phase's counts; `sk` is not touched while they are printed.
bool Spausdinti(const char* vardas, const Eiga& e) {
  const long kadrai = e.kadrai;
  Skaitikliai s;
  pthread_mutex_lock(&uzraktas);
  s = sk;
  pthread_mutex_unlock(&uzraktas);
  const double k = static_cast<double>(std::max(kadrai, 1L));
  std::printf("  %s: %ld frames in %.1f s\n", vardas, kadrai, e.sekundes);
  std::printf("    game code, game thread:  %8ld allocations  %9.3f per frame   goal 0: %s\n", s.zaidimo,
              s.zaidimo / k, s.zaidimo == 0 ? "met" : "MISSED");
  std::printf("    libraries, game thread:  %8ld allocations  %9.3f per frame  (%.1f KiB per frame in all)\n",
              s.biblioteku, s.biblioteku / k, s.baitai / k / 1024.0);
  std::sort(s.bibliotekos, s.bibliotekos + s.bibliotekuKiekis,
            [](const Biblioteka& a, const Biblioteka& b) { return a.kiekis > b.kiekis; });
  for (int i = 0; i < s.bibliotekuKiekis; ++i)
    std::printf("      %-22s %9.3f per frame\n", Bazinis(s.bibliotekos[i].vardas).c_str(), s.bibliotekos[i].kiekis / k);
  std::printf("    other threads:           %8ld allocations  %9.3f per frame\n", s.kitu, s.kitu / k);
  std::printf("    resident memory:  %.1f MiB at the start, %.1f MiB at the end, %+.1f KiB per frame\n",
              e.rssPradzioje / 1024.0, e.rssPabaigoje / 1024.0,
              static_cast<double>(e.rssPabaigoje - e.rssPradzioje) / k);
  if (e.nutraukta)
    std::printf("    STOPPED EARLY: resident memory passed %ld MiB; it grows with every frame\n", RIBA_KIB / 1024);
  Stekai("allocations by the game's code", s.zaidimoIrasai, s.zaidimoIrasu, IRASU);
  Stekai("allocations by libraries inside the game's calls", s.bibliotekuIrasai, s.bibliotekuIrasu, 3);
  Stekai("allocations on other threads", s.kituIrasai, s.kituIrasu, 2);
  return s.zaidimo == 0;
}

// Frames of one state at the game's own pace; counting covers the frame, not the
// scripted input.
Eiga Groti(bool musis, double sekundes, int* pradziu) {
  Pradeti();
  Eiga e;
  long& kadrai = e.kadrai;
  e.rssPradzioje = RezidentineKib();
  const auto pradzia = Laikrodis::now();
  auto pabaiga = pradzia + std::chrono::duration_cast<Laikrodis::duration>(std::chrono::duration<double>(sekundes));
  for (int i = 0; Laikrodis::now() < pabaiga; ++i) {
    if (i % 30 == 0 && RezidentineKib() > RIBA_KIB) {
      e.nutraukta = true;
      break;
    }
    if (musis) {
      MusioIvestis(i);
    } else {
      MeniuIvestis(i);
    }
    skaiciuoti = true;
    Kadras();
    skaiciuoti = false;
    ++kadrai;
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
  e.rssPabaigoje = RezidentineKib();
  e.sekundes = std::chrono::duration<double>(Laikrodis::now() - pradzia).count();
  return e;
}

}  // namespace

int main(int argc, char** argv) {
  double sekundes = argc > 1 ? std::atof(argv[1]) : 20.0;
  if (sekundes < 1) sekundes = 1;
  pagrindineGija = pthread_self();
  dl_iterate_phdr(Segmentai, nullptr);
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
  bool gerai = Spausdinti("menu", Groti(false, sekundes, &pradziu));

  Pradeti();
  skaiciuoti = true;
  bool pradeta = PradetiMusiIsMeniu();
  skaiciuoti = false;
  if (!pradeta) {
    std::fprintf(stderr, "the battle did not start\n");
    return 1;
  }
  std::printf("  (starting a battle from the menu, two frames: %ld allocations by the game's code, %ld by libraries)\n",
              sk.zaidimo, sk.biblioteku);
  Groti(true, 1.0, &pradziu);
  gerai = Spausdinti("battle", Groti(true, sekundes, &pradziu)) && gerai;
  if (pradziu) std::printf("  (%d battles ended and were restarted outside the count)\n", pradziu);
  AtleistiMusioKlavisus();

  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  std::printf("peak resident memory of the game in this process: %.1f MiB\n", ru.ru_maxrss / 1024.0);
  std::printf("allocation goal (none by the game's code per frame): %s\n", gerai ? "met" : "MISSED");
  Uzdaryti();
  return 0;
}
