#include "tests/common/GlKontekstas.h"

#include <cstdio>
#include <cstdlib>

#include "app/Globalai.h"
#include "gfx/GlBusena.h"
#include "platform/Platforma.h"
#include "ui/KPrimityvai.h"
#ifndef _WIN32
#include "platform/PlatformosTestai.h"
#endif

void UztikrintiGlKonteksta() {
  static bool paruosta = false;
  if (paruosta) {
    wglMakeCurrent(langas.dc, langas.rc);
    return;
  }
#ifndef _WIN32
  TestaiBeEkrano();
  // A failing test must never sit waiting on a dialog.
  TestaiIrasytiPranesimus(true);
#endif
  nustatymai.plotis = 800;
  nustatymai.aukstis = 600;
  nustatymai.fullscr = false;
  if (!langas.Sukurti(nustatymai, true)) {
    std::fprintf(stderr, "No OpenGL context: the window could not be created\n");
    std::abort();
  }
  try {
    TikrintiPletinius(langas.dc);
  } catch (const char* klaida) {
    std::fprintf(stderr, "No OpenGL context: %s\n", klaida);
    std::abort();
  }
  InicializuotiGL(nustatymai);
  glDisable(GL_DEPTH_TEST);
  KPrimityvai::Sukurti();
  paruosta = true;
}

std::vector<unsigned char> SkaitytiPikselius(int x, int y, int w, int h) {
  std::vector<unsigned char> taskai(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, taskai.data());
  return taskai;
}

std::array<unsigned char, 4> SkaitytiPikseli(int x, int y) {
  std::array<unsigned char, 4> p{};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
  return p;
}

void Pateikti() { langas.Sukeisti(); }
