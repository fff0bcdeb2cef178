// High-resolution counter on the system's monotonic clock.
#include "platform/Platforma.h"

#include <chrono>

BOOL QueryPerformanceFrequency(LARGE_INTEGER* daznis) {
  daznis->QuadPart = 1000000000;  // nanoseconds
  return TRUE;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER* skaitiklis) {
  skaitiklis->QuadPart = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
  return TRUE;
}
