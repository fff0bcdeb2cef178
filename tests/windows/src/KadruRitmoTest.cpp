// Swap pacing where the swap interval does nothing: frames keep the rate, and the
// waiting sleeps instead of spinning (its arithmetic: tests/gl/KadruRitmasTest.cpp).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "gfx/KadruRitmas.h"
#include "platform/Platforma.h"

namespace {
double ProcesoSekundes() {
  FILETIME a, b, branduolys, vartotojas;
  GetProcessTimes(GetCurrentProcess(), &a, &b, &branduolys, &vartotojas);
  auto s = [](FILETIME f) { return ((uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime) * 1e-7; };
  return s(branduolys) + s(vartotojas);
}
}  // namespace

TEST(KadruRitmas, KeepsTheRateBySleeping) {
  KadruRitmas ritmas;
  ritmas.Sukurti(100);
  auto pradzia = std::chrono::steady_clock::now();
  double cpu = ProcesoSekundes();
  for (int i = 0; i < 30; ++i) ritmas.Palaukti();
  double sienos = std::chrono::duration<double>(std::chrono::steady_clock::now() - pradzia).count();
  cpu = ProcesoSekundes() - cpu;
  EXPECT_GE(sienos, 0.28);  // 30 frames at 102 per second
  // A spinning wait would burn about as much processor time as it waits.
  EXPECT_LT(cpu, sienos * 0.5) << "cpu " << cpu << " s of " << sienos << " s";
}

TEST(KadruRitmas, OffWhenAskedAndTheDisplayRateIsPositive) {
  KadruRitmas ritmas;
  ritmas.Sukurti(0);
  auto pradzia = std::chrono::steady_clock::now();
  for (int i = 0; i < 1000; ++i) ritmas.Palaukti();
  EXPECT_LT(std::chrono::steady_clock::now() - pradzia, std::chrono::milliseconds(500));
  EXPECT_GT(KadruRitmas::EkranoDaznis(), 1.0);
}
