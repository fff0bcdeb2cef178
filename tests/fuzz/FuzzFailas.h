#pragma once
// The fuzz input as a file: the loaders read paths, not memory. One file per run and
// extension, removed when the run ends.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

inline const char* IrasytiFuzzFaila(const uint8_t* duomenys, size_t dydis, const char* pletinys) {
  static const std::string kelias =
      (std::filesystem::temp_directory_path() /
       ("tankai_fuzz_" + std::to_string(std::random_device{}()) + "." + pletinys))
          .string();
  static const struct Valymas {
    ~Valymas() { std::remove(kelias.c_str()); }
  } valymas;
  std::FILE* f = std::fopen(kelias.c_str(), "wb");
  if (!f) return nullptr;
  if (dydis) std::fwrite(duomenys, 1, dydis, f);
  std::fclose(f);
  return kelias.c_str();
}
