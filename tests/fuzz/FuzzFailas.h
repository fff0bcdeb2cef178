#pragma once
// The fuzz input as a file: the loaders read paths, not memory. One file per run and
// extension, removed when the run ends. It lives in memory (/dev/shm) where there is
// one: truncating a file on disk costs milliseconds and would cap a run at a few
// hundred inputs a second.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

inline const char* IrasytiFuzzFaila(const uint8_t* duomenys, size_t dydis, const char* pletinys) {
  static const std::string kelias =
      ((std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                  : std::filesystem::temp_directory_path()) /
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
