#pragma once
#include <cstdint>

#include "platform/Platforma.h"

// One decoded image waiting to become a texture: size, depth, the pixel bytes and
// the three GL enumerations they upload with. Loaders derive from it and throw a
// constant message text on failure.
class KTeksturaDuom {
 public:
  int plotis = 0;
  int aukstis = 0;
  int bpp = 0;
  int dydis = 0;
  unsigned char* pikseliai = nullptr;
  GLenum vidinisFormatas = 0;
  GLenum formatas = 0;
  GLenum tipas = 0;

  KTeksturaDuom() = default;
  KTeksturaDuom(const KTeksturaDuom&) = delete;
  KTeksturaDuom& operator=(const KTeksturaDuom&) = delete;
  // Not virtual: loaders are never deleted through the base.
  ~KTeksturaDuom() = default;

  virtual void Uzkrauti(const char* kelias);
  virtual void Atlaisvinti();
};
