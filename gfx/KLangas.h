#pragma once
#include "platform/Platforma.h"

class KNustatymai;

// Set by the window procedure on WM_CLOSE and by the pump on WM_QUIT; never cleared.
extern bool langasUzdaromas;

// The client area's size: as asked for at creation, then as WM_SIZE reports it.
extern int langoPlotis, langoAukstis;

// The pixel-format descriptor of the process: its bit counts come from the settings
// of the first window created and stay for every later one.
extern PIXELFORMATDESCRIPTOR langoFormatas;

LRESULT CALLBACK LangoProcedura(HWND langas, UINT pranesimas, WPARAM wParam, LPARAM lParam);

// The game's one window with its device and OpenGL rendering contexts.
class KLangas {
 public:
  HDC dc = nullptr;
  HGLRC rc = nullptr;
  HWND langas = nullptr;
  HINSTANCE instancija = nullptr;
  MSG pranesimas = {};
  bool sukurtas = false;

  // Creates the window from the settings; a failure shows "KLAIDA" and returns false.
  bool Sukurti(const KNustatymai& nustatymai, bool rodyti);
  void Rodyti();
  void Atnaujinti();  // message pump
  void Sukeisti();    // buffer swap
  void Naikinti();

 private:
  // What the teardown must undo, kept from the creation: the settings may change.
  char klase[32] = {};
  bool visoEkrano = false;   // the display mode was switched
  bool darbalaukio = false;  // a borderless window over the display, its mode untouched
};
