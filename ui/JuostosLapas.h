#pragma once
// The status line's picture, "juosta.tga": where the generator paints each piece and the
// game takes it from, in pixels of the picture (rows from the bottom). The game draws it
// at half size, so the picture's two rows of 64 pixels fill the 32 units above the field.
namespace juostos_lapas {
inline constexpr int PLOTIS = 1024, AUKSTIS = 128;
inline constexpr int EILUTE = 64;  // each row's height
inline constexpr float MASTELIS = 0.5f;  // view units per pixel

// The upper row: the words, each right-aligned in a cell of its own.
enum Zodis { ZODIS_TAVO = 0, ZODIS_PRIESO = 1, ZODIS_SARVAI = 2, ZODZIU_KIEKIS = 3 };
inline constexpr int ZODZIO_PLOTIS = 340;

// The lower row: the digits 0 to 9 in cells from x = 0, then the armour's two signs,
// a hit the tank can still take and one it has taken.
inline constexpr int SKAITMENS_PLOTIS = 48;
inline constexpr int ZENKLO_X = 10 * SKAITMENS_PLOTIS, ZENKLO_PLOTIS = 48;
enum Zenklas { ZENKLAS_LIKES = 0, ZENKLAS_PRARASTAS = 1 };
}  // namespace juostos_lapas
