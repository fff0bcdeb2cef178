#pragma once
// The picture of the battle's flashes, "blyksniai.tga": square frames side by side, the
// burst of a dying tank first, in the order they are shown, then the flash of a hit.
// The generator paints it so, the tanks draw from it.
namespace blyksniu_lapas {
inline constexpr int KADRAS = 128;  // a frame's side in pixels; the picture is one frame high
inline constexpr int SPROGIMO_KADRAI = 7;
inline constexpr int SMUGIO_KADRAS = SPROGIMO_KADRAI;  // the last one
inline constexpr int KADRAI = SPROGIMO_KADRAI + 1;
inline constexpr int PLOTIS = KADRAI * KADRAS;
}  // namespace blyksniu_lapas
