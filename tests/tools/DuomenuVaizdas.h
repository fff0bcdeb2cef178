#pragma once
// One picture of the build's data folder, decoded by the game's own Targa loader, with
// pixel access; rows from the bottom, channels b, g, r (and a).
#include <cstddef>
#include <filesystem>
#include <string>

#include "gfx/KTga.h"

inline std::filesystem::path Duomenys() { return std::filesystem::path(TANKAI_BINARY_DIR) / "duomenys"; }

struct DuomenuVaizdas {
  explicit DuomenuVaizdas(const std::string& failas) {
    tga.Uzkrauti((Duomenys() / failas).string().c_str());
    kanalai = tga.bpp / 8;
  }
  ~DuomenuVaizdas() { tga.Atlaisvinti(); }
  DuomenuVaizdas(const DuomenuVaizdas&) = delete;
  DuomenuVaizdas& operator=(const DuomenuVaizdas&) = delete;
  const unsigned char* P(int x, int y) const {
    return tga.pikseliai + (static_cast<size_t>(y) * tga.plotis + x) * kanalai;
  }
  int A(int x, int y) const { return kanalai == 4 ? P(x, y)[3] : 255; }
  KTga tga;
  int kanalai = 0;
};
