// These tests need a device that plays without sound hardware: OpenAL Soft's null
// backend, unless the caller chose a backend. Set before OpenAL's first use, which
// reads the setting once.
#include <cstdlib>

namespace {
const bool nustatyta = [] {
#ifdef _WIN32
  if (!std::getenv("ALSOFT_DRIVERS")) _putenv_s("ALSOFT_DRIVERS", "null");
#else
  setenv("ALSOFT_DRIVERS", "null", 0);
#endif
  return true;
}();
}  // namespace
