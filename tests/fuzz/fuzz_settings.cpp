// Settings reader under arbitrary file contents: it must never read or write past its
// fields, leak, or leave a fixed text field without its terminator.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "config/KNustatymai.h"
#include "tests/fuzz/FuzzFailas.h"

namespace {

void Tikrinti(bool salyga) {
  if (!salyga) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* duomenys, size_t dydis) {
  const char* kelias = IrasytiFuzzFaila(duomenys, dydis, "cfg");
  if (!kelias) return 0;

  KNustatymai n;
  n.Skaityti(kelias);
  Tikrinti(std::memchr(n.pavad, '\0', sizeof n.pavad) != nullptr);
  Tikrinti(std::memchr(n.klase, '\0', sizeof n.klase) != nullptr);
  Tikrinti(std::memchr(n.kalba, '\0', sizeof n.kalba) != nullptr);
  Tikrinti(n.gpu == nullptr || std::strlen(n.gpu) <= 255);
  Tikrinti(n.failoVardas && std::string(kelias) == n.failoVardas);
  // A second read of the same object exercises the owned texts' replacement.
  n.Skaityti();
  Tikrinti(std::memchr(n.pavad, '\0', sizeof n.pavad) != nullptr);
  return 0;
}
