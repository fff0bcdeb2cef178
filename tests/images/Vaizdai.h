#pragma once
// Helpers shared by the image tests: ImageMagick as the outside encoder and decoder,
// and a CPU reading of a loaded image the way GL's upload reads it.
#include <string>
#include <vector>

#include "gfx/KTeksturaDuom.h"

namespace vaizdai {

// RGBA, bottom row first, as the upload with the image's formats, type and row
// alignment gives it to GL. Fails the test (and returns empty) when the buffer is
// shorter than what the upload reads, or for a combination the loaders never set.
std::vector<unsigned char> KaipRgba(const KTeksturaDuom& v);

// Runs ImageMagick's convert with the arguments; true on success.
bool Convert(const std::string& argumentai);

// Decodes a file with ImageMagick into RGBA, bottom row first (ImageMagick only labels
// a Targa file's origin when reading, so the decode is auto-oriented).
bool ImageMagickRgba(const std::string& failas, int& plotis, int& aukstis, std::vector<unsigned char>& rgba);

// Writes RGBA given top row first as a raw file convert reads with -size WxH rgba:FILE.
void RasytiRgba(const std::string& failas, const std::vector<unsigned char>& rgba);

// A test picture: every pixel different, top row first. Alpha varies when alfa is set,
// else it is 255. With penki the channels lie on the 5-bit grid (exact in 1-5-5-5).
std::vector<unsigned char> Rastas(int plotis, int aukstis, bool alfa, bool penki = false);

// Reverses the row order of a w x h RGBA picture.
std::vector<unsigned char> Apversti(const std::vector<unsigned char>& rgba, int plotis, int aukstis);

std::vector<unsigned char> Skaityti(const std::string& failas);

// Largest per-channel difference between two RGBA pictures of the same size
// (only red, green and blue when beAlfos is set); 256 when the sizes differ.
int DidziausiasSkirtumas(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, bool beAlfos = false);

// Loads with the given loader; the thrown text, or "" on success (pixels kept).
template <class Ikelejas>
std::string Klaida(Ikelejas& v, const std::string& kelias) {
  try {
    v.Uzkrauti(kelias.c_str());
  } catch (const char* tekstas) {
    return tekstas;
  }
  return "";
}

}  // namespace vaizdai
