#pragma once
// The headless OpenGL context of the tests: the game's own window (the global
// `langas`), 800 by 600, made once per process on the offscreen video driver.
#include <array>
#include <vector>

// Creates the window and context if not yet made, makes them current, probes the
// extensions and sets the game's GL state (depth test off, as the game runs), and
// builds the unit quad. Aborts the test program when no context can be made.
void UztikrintiGlKonteksta();

// RGBA bytes of the buffer drawn to (the back buffer; a headless surface has only one), rows from the bottom (GL order), w * h * 4 bytes.
std::vector<unsigned char> SkaitytiPikselius(int x, int y, int w, int h);
// One pixel of the back buffer, window coordinates with y up.
std::array<unsigned char, 4> SkaitytiPikseli(int x, int y);
// Presents the back buffer (the game's swap).
void Pateikti();
