// The least a program of this kind must do before its first frame: read the same
// settings, open the same window with the same GL context through the game's own
// window object, clear and swap once. The start-up benchmark compares the game
// against it.
#include "app/Globalai.h"
#include "platform/Platforma.h"

int main() {
  nustatymai.Skaityti("settings.cfg");
  if (!langas.Sukurti(nustatymai, true)) return 1;
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  langas.Sukeisti();
  langas.Naikinti();
  return 0;
}
