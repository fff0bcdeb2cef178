#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

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
  // GL_UNPACK_ALIGNMENT the rows are stored with: bitmap rows are padded to 4 bytes,
  // Targa rows follow one another directly.
  int lygiavimas = 4;

  KTeksturaDuom() = default;
  KTeksturaDuom(const KTeksturaDuom&) = delete;
  KTeksturaDuom& operator=(const KTeksturaDuom&) = delete;
  // Not virtual: loaders are never deleted through the base.
  ~KTeksturaDuom() = default;

  virtual void Uzkrauti(const char* kelias);
  virtual void Atlaisvinti();

  // A header may describe at most this many pixel bytes more than its file holds: a
  // truncated file is padded with zeros, an absurd header is refused before allocating.
  static constexpr int64_t PAPILDYMO_RIBA = 16 << 20;

 protected:
  // The whole file, read in byte mode; false when it cannot be opened.
  static bool SkaitytiFaila(const char* kelias, std::vector<unsigned char>& turinys);
  // A zero-filled pixel buffer of dydis bytes; throws "Neisskirta atmintis!".
  void IsskirtiPikselius();
  // Frees what IsskirtiPikselius took.
  void AtlaisvintiPikselius();
  // Reverses the row order in place (rows of eilute bytes each).
  void ApverstiEilutes(size_t eilute);
};
