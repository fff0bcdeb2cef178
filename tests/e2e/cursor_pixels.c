/* Prints how many pixels of the pointer's current cursor image can be seen (alpha
 * above 0): 0 when the window under the pointer hides the cursor. Uses XFixes, which
 * reports the image the server really shows. Usage: cursor_pixels */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(void) {
  Display* d = XOpenDisplay(NULL);
  if (!d) {
    fprintf(stderr, "no display\n");
    return 1;
  }
  int event, error;
  if (!XFixesQueryExtension(d, &event, &error)) {
    fprintf(stderr, "no XFixes\n");
    return 1;
  }
  XFixesCursorImage* c = XFixesGetCursorImage(d);
  if (!c) {
    fprintf(stderr, "no cursor image\n");
    return 1;
  }
  long seen = 0;
  for (long i = 0; i < (long)c->width * c->height; ++i)
    if ((c->pixels[i] >> 24) & 0xFF) ++seen;
  printf("%ld\n", seen);
  XFree(c);
  XCloseDisplay(d);
  return 0;
}
