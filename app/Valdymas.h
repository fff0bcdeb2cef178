#pragma once
// The game's controls, once: which key or joystick input does what, and where. The
// state machine (app/Zaidimas.cpp) reads its keys here; the data generator draws the
// help from VALDYMAS with each language's words; a test holds the README's key table,
// the manual page and the Windows read-me to it.
#include <cstdint>

#include "core/Kalbos.h"

namespace valdymas {
// Keys, as Windows virtual-key codes (platform/Win32.h gives the same numbers elsewhere).
inline constexpr int KAIREN = 0x25, AUKSTYN = 0x26, DESINEN = 0x27, ZEMYN = 0x28;  // the arrows
inline constexpr int BOKSTELIS_KAIREN = 'A', BOKSTELIS_DESINEN = 'D';
inline constexpr int SAUTI = 0x20;          // Space; also skips the intro
inline constexpr int KITAS_TANKAS = 'S';
inline constexpr int ISEITI = 0x1B;         // Escape: from a battle to the menu
inline constexpr int RINKTIS = 0x0D;        // Enter: the menu's choice; skips the intro; leaves the help
inline constexpr int PAGALBA = 0x70;        // F1, held
inline constexpr int KALIBRUOTI = 0x71;     // F2: the joysticks' rest position
inline constexpr int GARSO_BANDYMAS = 0x72; // F3: the shot sound

// The joystick: buttons by their index in KVairalazde::mygtukai (button number - 1),
// axes by their slot in KVairalazde::asys.
inline constexpr int MYGTUKAS_SAUTI = 0, MYGTUKAS_SAUTI_ANTRAS = 6, MYGTUKAS_KITAS_TANKAS = 7;
inline constexpr int ASIS_X = 0, ASIS_Y = 1, ASIS_BOKSTELIS = 3;
inline constexpr float SLENKSTIS = 0.5f;  // an axis beyond it is a pressed direction
// Degrees a frame: a turret key turns by one, the turret axis by -2 times its value.
inline constexpr float BOKSTELIO_ZINGSNIS = 1.0f, BOKSTELIO_ASIES_DAUGIKLIS = -2.0f;
}  // namespace valdymas

// Where a control acts.
enum ValdymoVieta : uint8_t { VIETA_INTRO = 1, VIETA_MENIU = 2, VIETA_PAGALBA = 4, VIETA_MUSIS = 8, VIETA_VISUR = 15 };

// One line of the controls: the keys (or joystick inputs) as the help and the players'
// documents write them, where they act and what they do, in every language. The help
// picture lists the lines that act in the menu or the battle; the intro's and the help's
// own line each stand at the foot of that picture. The documents list every line, in
// this order.
struct ValdymoEilute {
  bool vairalazde;  // a joystick line (the help's second block)
  uint8_t kur;      // ValdymoVieta bits
  const char* klavisai[KALBU_KIEKIS];
  const char* veiksmas[KALBU_KIEKIS];
};

inline constexpr ValdymoEilute VALDYMAS[] = {
    {false, VIETA_MUSIS, {"Rodyklės", "Arrows", "Pfeiltasten"}, {"važiuoti tanku", "drive the tank", "Panzer fahren"}},
    {false, VIETA_MUSIS, {"A / D", "A / D", "A / D"}, {"sukti bokštelį", "turn the turret", "Turm drehen"}},
    {false, VIETA_MUSIS, {"Tarpas", "Space", "Leertaste"}, {"šauti", "fire", "schießen"}},
    {false, VIETA_MUSIS, {"S", "S", "S"}, {"kitas tankas", "take the next tank", "nächster Panzer"}},
    {false, VIETA_MUSIS, {"Esc", "Escape", "Esc"}, {"grįžti į meniu", "back to the menu", "zurück zum Menü"}},
    {false, VIETA_MENIU, {"↑ / ↓, Enter", "Up / Down, Enter", "↑ / ↓, Enter"},
     {"rinktis meniu", "choose in the menu", "im Menü wählen"}},
    {false, VIETA_VISUR, {"F1 (laikyti)", "F1 (hold)", "F1 (halten)"}, {"ši pagalba", "show this help", "diese Hilfe"}},
    {false, VIETA_VISUR, {"F2", "F2", "F2"},
     {"kalibruoti vairalazdes", "recalibrate joysticks", "Joysticks kalibrieren"}},
    {false, VIETA_VISUR, {"F3", "F3", "F3"}, {"šūvio garsas", "play the shot sound", "Schuss zur Probe"}},
    {false, VIETA_INTRO, {"Tarpas arba Enter", "Space or Enter", "Leertaste oder Enter"},
     {"toliau", "skip the intro", "weiter"}},
    {false, VIETA_PAGALBA, {"Enter", "Enter", "Enter"}, {"atgal į meniu", "back to the menu", "zurück zum Menü"}},
    // The joystick's axes and buttons with a pad's own names for them (platform/PadoIsdestymas.h).
    {true, VIETA_MENIU | VIETA_MUSIS, {"K. lazdelė · X / Y", "Left stick (X / Y)", "Linker Stick · X / Y"},
     {"važiuoti, rinktis meniu", "drive, move in the menu", "fahren, im Menü wählen"}},
    {true, VIETA_MUSIS, {"D. lazdelė ↔", "Right stick across", "Rechter Stick ↔"},
     {"sukti bokštelį (4-a ašis)", "turn the turret (4th axis)", "Turm drehen (4. Achse)"}},
    {true, VIETA_MUSIS, {"A / RB · 1 / 7", "A / RB (1 / 7)", "A / RB · 1 / 7"}, {"šauti", "fire", "schießen"}},
    {true, VIETA_MUSIS, {"Y / LB · 8", "Y / LB (8)", "Y / LB · 8"}, {"kitas tankas", "take the next tank", "nächster Panzer"}},
};

// True for the lines the help picture lists.
constexpr bool PagalbojeRodoma(const ValdymoEilute& e) { return (e.kur & (VIETA_MENIU | VIETA_MUSIS)) != 0; }

// The line that acts only in the given place: the intro's, the help's. A table without
// one is a mistake in the table: the generator stops on it.
constexpr const ValdymoEilute& VienintelioEilute(ValdymoVieta kur) {
  for (const ValdymoEilute& e : VALDYMAS)
    if (e.kur == kur) return e;
  throw "valdyme nera tos vietos eilutes";
}
