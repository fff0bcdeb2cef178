/* Watches a region of an X window for a while, frame after frame straight from the
 * server, and prints the most pixels of the marker's golden glow any one look saw and
 * how many looks it took. A half-second flash on a busy machine is easily missed by
 * screenshots a few tenths of a second apart; this looks a few hundred times a second.
 * Gold: bright, warm, more red than blue (as the scenarios' own shot check); white (the
 * last argument "white", for a hit's flash): every channel above 235. SIGTERM ends the
 * watch early, with the same report.
 * Usage: zvilgsnis <window id> <x> <y> <w> <h> <seconds> [white] */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static volatile sig_atomic_t gana = 0;
static void Gana(int s) { (void)s; gana = 1; }

static double Dabar(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

/* The channel of a pixel under a mask, scaled to 0..255. */
static unsigned Kanalas(unsigned long px, unsigned long kauke) {
  if (!kauke) return 0;
  int postumis = 0;
  while (!((kauke >> postumis) & 1)) ++postumis;
  const unsigned long didziausia = kauke >> postumis;
  return (unsigned)(((px & kauke) >> postumis) * 255 / didziausia);
}

int main(int argc, char** argv) {
  if (argc != 7 && !(argc == 8 && !strcmp(argv[7], "white"))) {
    fprintf(stderr, "usage: %s <window id> <x> <y> <w> <h> <seconds> [white]\n", argv[0]);
    return 2;
  }
  const int baltas = argc == 8;
  Display* d = XOpenDisplay(NULL);
  if (!d) {
    fprintf(stderr, "no display\n");
    return 1;
  }
  const Window w = (Window)strtoul(argv[1], NULL, 0);
  int x = atoi(argv[2]), y = atoi(argv[3]), pl = atoi(argv[4]), au = atoi(argv[5]);
  /* Clipped to the window, as a crop of a screenshot would be. */
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a)) return 1;
  if (x < 0) pl += x, x = 0;
  if (y < 0) au += y, y = 0;
  if (x + pl > a.width) pl = a.width - x;
  if (y + au > a.height) au = a.height - y;
  if (pl <= 0 || au <= 0) {
    fprintf(stderr, "the region lies outside the window\n");
    return 2;
  }
  signal(SIGTERM, Gana);
  const double iki = Dabar() + atof(argv[6]);
  long daugiausia = 0, ziureta = 0;
  double cx = -1, cy = -1;
  while (Dabar() < iki && !gana) {
    XImage* v = XGetImage(d, w, x, y, (unsigned)pl, (unsigned)au, AllPlanes, ZPixmap);
    if (!v) break;
    ++ziureta;
    long auksas = 0;
    double sx = 0, sy = 0;
    for (int j = 0; j < au; ++j)
      for (int i = 0; i < pl; ++i) {
        const unsigned long px = XGetPixel(v, i, j);
        const int r = (int)Kanalas(px, v->red_mask), g = (int)Kanalas(px, v->green_mask),
                  b = (int)Kanalas(px, v->blue_mask);
        if (baltas ? (r > 235 && g > 235 && b > 235) : (r > 191 && g > 153 && b <= 191 && r - b > 51)) {
          ++auksas;
          sx += i;
          sy += j;
        }
      }
    if (auksas > daugiausia) {
      daugiausia = auksas;
      cx = x + sx / auksas;
      cy = y + sy / auksas;
    }
    XDestroyImage(v);
  }
  XCloseDisplay(d);
  printf("%ld %.0f %.0f %ld\n", daugiausia, cx, cy, ziureta);
  return ziureta > 0 ? 0 : 1;
}
