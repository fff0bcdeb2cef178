// Start-up time and peak memory of the real game binary, against a program that
// only opens the same window and GL context and swaps once.
//
// Both programs run unmodified; the preloaded swap wrapper (SukeitimoMatuoklis.c)
// stamps the time right after the first buffer swap returns and ends the process.
// Time is taken from just before the process is spawned, so the loader, static
// construction and everything up to the first presented frame count, for both
// programs alike.
//
// usage: bench_paleidimas <game> <bare-window program> <swap wrapper .so> <data folder> [runs]
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long Dabar() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Paleidimas {
  bool pavyko = false;
  double ms = 0;         // spawn to the end of the first swap
  long maksRssKb = 0;    // peak resident set of the child
  std::string klaida;
};

std::string matuoklis;

Paleidimas Paleisti(const std::string& programa, int kadrai) {
  Paleidimas r;
  char laikinas[] = "/tmp/tankai-paleidimas-XXXXXX";
  int fd = mkstemp(laikinas);
  if (fd < 0) {
    r.klaida = "mkstemp failed";
    return r;
  }
  close(fd);

  // The environment as given, with the wrapper preloaded; headless video and
  // silent audio unless the caller chose otherwise (e.g. x11 under Xvfb).
  std::vector<std::string> aplinka;
  std::string preload = "LD_PRELOAD=" + matuoklis;
  for (char** e = environ; *e; ++e) {
    if (std::strncmp(*e, "LD_PRELOAD=", 11) == 0)
      preload += std::string(":") + (*e + 11);
    else if (std::strncmp(*e, "TANKAI_MATAVIMAS_", 17) != 0)
      aplinka.emplace_back(*e);
  }
  aplinka.push_back(preload);
  aplinka.push_back(std::string("TANKAI_MATAVIMAS_FAILAS=") + laikinas);
  aplinka.push_back("TANKAI_MATAVIMAS_KADRAI=" + std::to_string(kadrai));
  if (!getenv("SDL_VIDEODRIVER")) aplinka.emplace_back("SDL_VIDEODRIVER=offscreen");
  if (!getenv("ALSOFT_DRIVERS")) aplinka.emplace_back("ALSOFT_DRIVERS=null");
  std::vector<char*> envp;
  for (auto& s : aplinka) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::string kelias = programa;
  char* argv[] = {kelias.data(), nullptr};

  long long pradzia = Dabar();
  pid_t pid;
  if (posix_spawn(&pid, kelias.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
    r.klaida = "cannot start " + programa;
    unlink(laikinas);
    return r;
  }
  int busena = 0;
  rusage ru{};
  // A program stuck before its first frame (a message box, a lost display) is
  // killed rather than waited for.
  long long riba = pradzia + 60LL * 1000000000LL;
  for (;;) {
    pid_t w = wait4(pid, &busena, WNOHANG, &ru);
    if (w == pid) break;
    if (Dabar() > riba) {
      kill(pid, SIGKILL);
      wait4(pid, &busena, 0, &ru);
      r.klaida = programa + " did not present a frame within 60 s";
      unlink(laikinas);
      return r;
    }
    usleep(200);
  }
  r.maksRssKb = ru.ru_maxrss;

  long long pabaiga = 0;
  if (FILE* f = std::fopen(laikinas, "r")) {
    if (std::fscanf(f, "%lld", &pabaiga) != 1) pabaiga = 0;
    std::fclose(f);
  }
  unlink(laikinas);
  if (!WIFEXITED(busena) || WEXITSTATUS(busena) != 0) {
    r.klaida = programa + " ended with status " +
               (WIFEXITED(busena) ? std::to_string(WEXITSTATUS(busena))
                                  : "signal " + std::to_string(WTERMSIG(busena)));
    return r;
  }
  if (pabaiga <= pradzia) {
    r.klaida = programa + " ended without presenting a frame";
    return r;
  }
  r.pavyko = true;
  r.ms = static_cast<double>(pabaiga - pradzia) / 1e6;
  return r;
}

struct Suvestine {
  double min, mediana, maks;
};

Suvestine Suvesti(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  double med = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  return {v.front(), med, v.back()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s <game> <bare-window program> <swap wrapper .so> <data folder> [runs]\n",
                 argv[0]);
    return 2;
  }
  // Absolute paths: the programs run in the data folder, and the loader resolves a
  // relative preload against the child's working folder.
  std::string keliai[3];
  for (int i = 0; i < 3; ++i) {
    char* k = realpath(argv[i + 1], nullptr);
    if (!k) {
      std::fprintf(stderr, "no such file: %s\n", argv[i + 1]);
      return 2;
    }
    keliai[i] = k;
    std::free(k);
  }
  std::string zaidimas = keliai[0], bazinis = keliai[1];
  matuoklis = keliai[2];
  int kartai = argc > 5 ? std::atoi(argv[5]) : 9;
  if (kartai < 1) kartai = 1;
  if (chdir(argv[4]) != 0) {
    std::fprintf(stderr, "cannot enter %s\n", argv[4]);
    return 2;
  }
  // Without its data the game would start faster than it really does.
  struct stat st;
  if (stat("duomenys", &st) != 0 || !S_ISDIR(st.st_mode)) {
    std::fprintf(stderr, "%s has no duomenys/ folder: build the game's data first\n", argv[4]);
    return 2;
  }

  // One unmeasured run each fills the page cache and the font cache.
  for (const std::string* p : {&zaidimas, &bazinis}) {
    Paleidimas r = Paleisti(*p, 1);
    if (!r.pavyko) {
      std::fprintf(stderr, "start-up: %s\n", r.klaida.c_str());
      return 1;
    }
  }
  // Alternating runs, so that a change in machine load hits both alike.
  std::vector<double> zl, bl;
  for (int i = 0; i < kartai; ++i) {
    for (int k = 0; k < 2; ++k) {
      Paleidimas r = Paleisti(k == 0 ? zaidimas : bazinis, 1);
      if (!r.pavyko) {
        std::fprintf(stderr, "start-up: %s\n", r.klaida.c_str());
        return 1;
      }
      (k == 0 ? zl : bl).push_back(r.ms);
    }
  }
  Suvestine z = Suvesti(zl), b = Suvesti(bl);
  double santykis = z.mediana / b.mediana;
  std::printf("start-up, process start to first swapped frame, %d runs each (median, min..max):\n", kartai);
  std::printf("  game         %8.1f ms  (%.1f .. %.1f)\n", z.mediana, z.min, z.maks);
  std::printf("  bare window  %8.1f ms  (%.1f .. %.1f)\n", b.mediana, b.min, b.maks);
  std::printf("  ratio        %8.2f    goal <= 1.50: %s\n", santykis, santykis <= 1.5 ? "met" : "MISSED");

  // Peak memory: the game through a few seconds of frames, the bare window through one.
  const int kadrai = 600;
  Paleidimas zr = Paleisti(zaidimas, kadrai);
  Paleidimas br = Paleisti(bazinis, 1);
  if (!zr.pavyko || !br.pavyko) {
    std::fprintf(stderr, "peak memory: %s\n", (!zr.pavyko ? zr : br).klaida.c_str());
    return 1;
  }
  std::printf("peak resident memory (getrusage of the child):\n");
  std::printf("  game after %d frames  %8.1f MiB\n", kadrai, zr.maksRssKb / 1024.0);
  std::printf("  bare window            %8.1f MiB\n", br.maksRssKb / 1024.0);
  std::printf("  game above bare window %8.1f MiB\n", (zr.maksRssKb - br.maksRssKb) / 1024.0);
  return 0;
}
