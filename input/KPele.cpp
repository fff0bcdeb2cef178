#include "input/KPele.h"

#include <cstdint>

#include "config/KNustatymai.h"
#include "platform/Platforma.h"

namespace {
// Settings are the user's: a far-off position or size must not overflow the sum.
int32_t Riboti(int64_t v) {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}
}  // namespace

void KPele::Sukurti(const KNustatymai& nustatymai) {
  plotis = nustatymai.plotis;
  aukstis = nustatymai.aukstis;
  centrasX = Riboti(int64_t{nustatymai.x} + plotis / 2);
  centrasY = Riboti(int64_t{nustatymai.y} + aukstis / 2);
  SetCursorPos(centrasX, centrasY);
}

void KPele::KairysMygtukas(bool paspaustas) {
  kairys = paspaustas ? 2 : 1;
  kairysPasikeite = true;
}

void KPele::DesinysMygtukas(bool paspaustas) {
  desinys = paspaustas ? 2 : 1;
  desinysPasikeite = true;
}

void KPele::VidurinisMygtukas(bool paspaustas) {
  vidurinis = paspaustas ? 2 : 1;
  vidurinisPasikeite = true;
}

void KPele::Ratukas(int32_t zingsniai) {
  ratukasPajudejo = zingsniai != 0;
  ratukoZingsnis = zingsniai;
  if (zingsniai != 0) ratukoSuma = Riboti(int64_t{ratukoSuma} + zingsniai);
}
