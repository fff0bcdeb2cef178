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

namespace {
const std::string& Kelias() {
  static const std::string k =
      (std::filesystem::temp_directory_path() / ("tankai_fuzz_settings_" + std::to_string(std::random_device{}()) + ".cfg"))
          .string();
  return k;
}

void Tikrinti(bool salyga) {
  if (!salyga) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* duomenys, size_t dydis) {
  std::FILE* f = std::fopen(Kelias().c_str(), "wb");
  if (!f) return 0;
  if (dydis) std::fwrite(duomenys, 1, dydis, f);
  std::fclose(f);

  KNustatymai n;
  n.Skaityti(Kelias().c_str());
  Tikrinti(std::memchr(n.pavad, '\0', sizeof n.pavad) != nullptr);
  Tikrinti(std::memchr(n.klase, '\0', sizeof n.klase) != nullptr);
  Tikrinti(std::memchr(n.kalba, '\0', sizeof n.kalba) != nullptr);
  Tikrinti(n.gpu == nullptr || std::strlen(n.gpu) <= 255);
  Tikrinti(n.failoVardas && Kelias() == n.failoVardas);
  // A second read of the same object exercises the owned texts' replacement.
  n.Skaityti();
  Tikrinti(std::memchr(n.pavad, '\0', sizeof n.pavad) != nullptr);
  return 0;
}
