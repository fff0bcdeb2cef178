/* Preloaded into the game (or the bare-window program) by the start-up benchmark:
 * wraps the windowing library's buffer swap so the unmodified binary can be timed
 * from process start to its first presented frame, and optionally ended after a
 * number of frames so that its peak memory can be read by the parent.
 *
 *   TANKAI_MATAVIMAS_FAILAS  file that receives "<monotonic ns after swap 1>\n"
 *   TANKAI_MATAVIMAS_KADRAI  end the process after this many swaps (default 1)
 *
 * The swap is declared here rather than taken from the library's header: all this
 * needs is the symbol, and the game's own code stays untouched. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

struct SDL_Window;
typedef void (*SukeitimoFunkcija)(struct SDL_Window*);

static long kadruRiba = -1;
static long kadru = 0;

static long KadruRiba(void) {
  const char* s = getenv("TANKAI_MATAVIMAS_KADRAI");
  long n = s ? strtol(s, NULL, 10) : 1;
  return n > 0 ? n : 1;
}

static void IrasytiLaika(void) {
  const char* kelias = getenv("TANKAI_MATAVIMAS_FAILAS");
  if (!kelias) return;
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  char eilute[64];
  int ilgis = snprintf(eilute, sizeof eilute, "%lld\n",
                       (long long)t.tv_sec * 1000000000LL + (long long)t.tv_nsec);
  int fd = open(kelias, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return;
  if (write(fd, eilute, (size_t)ilgis) != ilgis) {
    /* The parent treats a short or missing record as a failed run. */
  }
  close(fd);
}

void SDL_GL_SwapWindow(struct SDL_Window* langas) {
  static SukeitimoFunkcija tikroji = NULL;
  if (!tikroji) {
    tikroji = (SukeitimoFunkcija)dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    if (!tikroji) _exit(97);
    kadruRiba = KadruRiba();
  }
  tikroji(langas);
  ++kadru;
  if (kadru == 1) IrasytiLaika();
  /* _exit, not exit: the measurement ends here, and the program's own shutdown
   * is not part of it. */
  if (kadru >= kadruRiba) _exit(0);
}
