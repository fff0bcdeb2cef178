#pragma once
// The game's numbers that more than one place needs, each defined once and said in the
// player's terms. The game's code and the data generator (tools/) read them here, so a
// picture is painted for the very place and size the game draws it in. Plain constants
// only: the generator includes this and no other code of the game.
//
// Fractions of a picture are doubles, as the generator paints with them; the game draws
// with their float values, which the static_asserts below hold to the float literals the
// drawing has always used.

// The scene: always this many units across and up, whatever the window's size.
inline constexpr int VAIZDO_PLOTIS = 800, VAIZDO_AUKSTIS = 600;

// The battlefield: 20 columns by 15 rows of square cells, 750 by 562.5 map pixels,
// drawn with its lower-left corner this far from the scene's.
inline constexpr int STULPELIAI = 20, EILUTES = 15;
inline constexpr float LANGELIS = 37.5f;  // a cell's side, in map pixels
inline constexpr float ZEMELAPIO_X = 25, ZEMELAPIO_Y = 5;

// Tanks.
inline constexpr float TANKO_GREITIS = 60;      // map pixels a second; also how far ahead a shell starts
inline constexpr float SOVINIO_GREITIS = 240;   // a shell's flight, map pixels a second
inline constexpr float UZTAISYMO_RIBA = 1.5f;   // seconds after a shot before the tank can fire again
inline constexpr float PATAIKYMO_SPINDULYS = 20;  // a shell this close to a tank's centre hits it

// The computer's tanks.
inline constexpr float SIENOS_LAUKIMAS = 40;    // seconds without a shot before one fires at a wall ahead
inline constexpr float BOKSTELIO_SUKIMO_GREITIS = 50;  // its turret turns this many degrees a second
inline constexpr float TAIKYMO_TIKSLUMAS = 1;   // it fires once its turret is this close to the enemy, in degrees

// The armies: their sizes, the rows they start on, the column they are centred on.
// The player's army is created first, so its tanks are numbers 1..ZAIDEJO_TANKU.
inline constexpr int ZAIDEJO_TANKU = 5, PRIESO_TANKU = 10;
inline constexpr int ZAIDEJO_EILUTE = 0, PRIESO_EILUTE = EILUTES - 1;
inline constexpr int ARMIJU_CENTRAS = 10;

// An army's sheet ("LT.tga", "RU.tga"): hull, turret and shell side by side, each the
// sheet's full height, at these fractions of its width. Each part is drawn around its
// centre at the size given, in map pixels; the turret turns about a point this far
// behind its centre.
inline constexpr double KORPUSO_S0 = 0, KORPUSO_S1 = 0.44;
inline constexpr double BOKSTELIO_S0 = 0.45, BOKSTELIO_S1 = 0.7;
inline constexpr double SOVINIO_S0 = 0.9, SOVINIO_S1 = 0.99;
inline constexpr float KORPUSO_PUSE = 12;                           // the hull: 24 by 24
inline constexpr float BOKSTELIO_PUSPLOTIS = 7, BOKSTELIO_PUSILGIS = 14;  // the turret: 14 by 28
inline constexpr float BOKSTELIO_ASIS = 7;
inline constexpr float SOVINIO_PUSPLOTIS = 5, SOVINIO_PUSILGIS = 10;      // the shell: 10 by 20

// The menu ("meniu.tga"): the three items are bands a quarter of the picture's height
// each, the first item the band at the top. The outcome picture ("meniuPav.tga"): three
// strips across, before any battle, after a victory, after a defeat.
inline constexpr double MENIU_PUNKTO_DALIS = 0.25;
inline constexpr double MENIU_PASIRUOSIMAS_S1 = 0.34, MENIU_PERGALE_S1 = 0.7;

static_assert(static_cast<float>(KORPUSO_S1) == 0.44f && static_cast<float>(BOKSTELIO_S0) == 0.45f &&
              static_cast<float>(BOKSTELIO_S1) == 0.7f && static_cast<float>(SOVINIO_S0) == 0.9f &&
              static_cast<float>(SOVINIO_S1) == 0.99f && static_cast<float>(MENIU_PASIRUOSIMAS_S1) == 0.34f &&
              static_cast<float>(MENIU_PERGALE_S1) == 0.7f,
              "the game draws with the float values of the fractions");
