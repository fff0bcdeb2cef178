#pragma once
#include <cstdint>

#include "battle/KVektorius.h"
#include "core/ZaidimoSkaiciai.h"

// The battlefield: STULPELIAI by EILUTES cells of LANGELIS pixels (core/ZaidimoSkaiciai.h),
// column-major. 0 ground, -1 wall, above 0 the number of the tank holding the cell.
class KZemelapis {
 public:
  int32_t langeliai[STULPELIAI * EILUTES] = {};
  uint32_t zemesTekstura = 0;
  uint32_t sienosTekstura = 0;

  void Generuoti();
  bool Laisvas(int32_t stulpelis, int32_t eilute) const;
  int32_t Pataikyti(const KVektorius& pozicija);
  void Piesti() const;

  static bool Viduje(int32_t stulpelis, int32_t eilute) {
    return stulpelis >= 0 && stulpelis < STULPELIAI && eilute >= 0 && eilute < EILUTES;
  }
  // Writes a cell only when it lies inside the grid: nothing ever writes past it.
  void Irasyti(int32_t stulpelis, int32_t eilute, int32_t verte) {
    if (Viduje(stulpelis, eilute)) Langelis(stulpelis, eilute) = verte;
  }

  // Cell access for tanks and armies; callers stay inside the grid.
  int32_t& Langelis(int32_t stulpelis, int32_t eilute) { return langeliai[stulpelis * EILUTES + eilute]; }
  int32_t Langelis(int32_t stulpelis, int32_t eilute) const { return langeliai[stulpelis * EILUTES + eilute]; }
};
