#pragma once
// One layout for every game pad the system knows (SDL's game controllers on Linux, XInput
// pads on Windows): which stick and button of the pad reaches the game as which axis and
// button of the classic joystick the help describes. The SDL layer and the XInput reader
// both translate through these tables; the help's joystick lines (app/Valdymas.h) name
// the same buttons. Plain data, no system header.
#include <cstdint>

// A pad's controls by where they sit on an Xbox-style pad (A south, Y north).
enum class PadoMygtukas : uint8_t { A, Y, KairysPetys, DesinysPetys };
enum class PadoAsis : uint8_t { KairysX, KairysY, DesinysX, DesinysY };

struct PadoMygtukoVieta {
  PadoMygtukas mygtukas;
  uint8_t indeksas;   // the joystick button it presses: its number - 1
  const char* zyme;   // as printed on the pad (the help and the documents name it so)
};
struct PadoAsiesVieta {
  PadoAsis asis;
  uint8_t vieta;      // the joystick axis slot: 0 X, 1 Y, 2 Z, 3 R, 4 U, 5 V
};

// Positive is right and down on every axis, as on a joystick (SDL's convention too).
inline constexpr PadoAsiesVieta PADO_ASYS[] = {
    {PadoAsis::KairysX, 0},   // left stick: drive, and the menu
    {PadoAsis::KairysY, 1},
    {PadoAsis::DesinysX, 3},  // right stick across: the fourth axis, the turret
    {PadoAsis::DesinysY, 4},
};
inline constexpr PadoMygtukoVieta PADO_MYGTUKAI[] = {
    {PadoMygtukas::A, 0, "A"},              // button 1: fire
    {PadoMygtukas::DesinysPetys, 6, "RB"},  // button 7: fire
    {PadoMygtukas::Y, 7, "Y"},              // button 8: next tank
    {PadoMygtukas::KairysPetys, 7, "LB"},   // button 8 as well
};
// The d-pad is the point-of-view hat.
