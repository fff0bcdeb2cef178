// A fresh program's scalars before each whole-program test, for runs of several such
// tests in one process: no display, message boxes recorded, numbering from 1, the intro.
#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "app/Globalai.h"
#include "platform/PlatformosTestai.h"

inline void NaujaPrograma() {
  TestaiBeEkrano();
  TestaiIrasytiPranesimus(true);
  KTankas::NuliuotiNumeracija();
  busena = BUSENA_INTRO;
  baigti = false;
  langasUzdaromas = false;
  klaviatura = KKlaviatura();
}

// The settings file the build wrote, the one that ships.
inline std::string LaivoNustatymai() {
  std::ifstream f(std::filesystem::path(TANKAI_BINARY_DIR) / "settings.cfg");
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// A working folder of the test's own under the build folder, made current: the build's
// data but the files named, and the settings given. The caller goes back when done.
inline std::filesystem::path DarboAplankas(const std::string& vardas, const std::string& nustatymai,
                                           std::initializer_list<const char*> be = {}) {
  namespace fs = std::filesystem;
  const fs::path a = fs::path(TANKAI_BINARY_DIR) / vardas;
  fs::remove_all(a);
  fs::create_directories(a);
  fs::copy(fs::path(TANKAI_BINARY_DIR) / "duomenys", a / "duomenys", fs::copy_options::recursive);
  for (const char* f : be) fs::remove(a / "duomenys" / f);
  std::ofstream(a / "settings.cfg") << nustatymai;
  fs::current_path(a);
  return a;
}
