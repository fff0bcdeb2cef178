#include "gfx/KTga.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

// Run-length packets: a header byte, then one pixel repeated (top bit set) or up to
// 128 literal pixels. Stops when the image is full or the data runs out; what is
// missing stays zero.
void IspakuotiRle(const unsigned char* s, const unsigned char* galas, unsigned char* i, size_t pikseliu,
                  size_t baitai) {
  size_t px = 0;
  while (px < pikseliu && s < galas) {
    const unsigned char h = *s++;
    const size_t kiek = std::min<size_t>((h & 0x7Fu) + 1u, pikseliu - px);
    if (h & 0x80u) {
      if (static_cast<size_t>(galas - s) < baitai) break;
      for (size_t k = 0; k < kiek; ++k) std::memcpy(i + (px + k) * baitai, s, baitai);
      s += baitai;
      px += kiek;
    } else {
      const size_t yra = std::min(kiek, static_cast<size_t>(galas - s) / baitai);
      std::memcpy(i + px * baitai, s, yra * baitai);
      s += yra * baitai;
      px += yra;
      if (yra < kiek) break;
    }
  }
}

}  // namespace

void KTga::Uzkrauti(const char* kelias) {
  std::vector<unsigned char> failas;
  if (!SkaitytiFaila(kelias, failas)) throw "Nepavyko atidaryti failo";

  // A file shorter than the header leaves the rest of it zero (type 0: refused below).
  std::memset(antraste, 0, sizeof antraste);
  if (!failas.empty()) std::memcpy(antraste, failas.data(), std::min(failas.size(), sizeof antraste));

  tipasFailo = antraste[2];
  plotis = antraste[12] + 256 * antraste[13];
  aukstis = antraste[14] + 256 * antraste[15];
  bpp = antraste[16];
  const int alfosBitai = antraste[17] & 0x0F;

  switch (bpp) {
    case 24:
      vidinisFormatas = GL_RGB;
      formatas = GL_BGR;
      break;
    case 32:
      vidinisFormatas = GL_RGBA;
      formatas = GL_BGRA;
      break;
    case 8:
      vidinisFormatas = GL_ALPHA8;
      formatas = GL_ALPHA;
      break;
    case 15:
    case 16:
      // A-1 R-5 G-5 B-5 little-endian: blue in the low bits, exactly GL's BGRA 1-5-5-5
      // reversed packing. The top bit is alpha only when the descriptor says so.
      vidinisFormatas = (bpp == 16 && alfosBitai > 0) ? GL_RGB5_A1 : GL_RGB5;
      formatas = GL_BGRA;
      break;
    default:
      break;
  }

  // 0: no image, 1 and 9: colour-mapped (plain and run-length).
  if (tipasFailo == 0 || tipasFailo == 1 || tipasFailo == 9) throw "Netinkamas failo tipas";
  tipas = GL_UNSIGNED_BYTE;

  const bool pilkas = tipasFailo == 3 || tipasFailo == 11;
  const bool rle = tipasFailo == 10 || tipasFailo == 11;
  const bool supakuotas = bpp == 15 || bpp == 16;
  if (!(bpp == 8 || bpp == 24 || bpp == 32 || (supakuotas && !pilkas))) throw "Netinkamas bpp";
  if (supakuotas) tipas = GL_UNSIGNED_SHORT_1_5_5_5_REV;
  if (plotis == 0 || aukstis == 0) throw "Netinkami matmenys";

  // Pixels start after the image ID and the colour map, whatever the image type.
  const size_t baitai = static_cast<size_t>((bpp + 7) / 8);
  size_t pradzia = sizeof antraste + antraste[0];
  if (antraste[1] == 1) {
    const size_t ilgis = antraste[5] + 256u * antraste[6];
    pradzia += ilgis * ((antraste[7] + 7u) / 8u);
  }
  const size_t turima = failas.size() > pradzia ? failas.size() - pradzia : 0;

  // 64-bit: 65535 x 65535 x 4 does not fit an int.
  const size_t pikseliu = static_cast<size_t>(plotis) * static_cast<size_t>(aukstis);
  const int64_t reikia = static_cast<int64_t>(pikseliu * baitai);
  // The most the file can yield: its bytes, or 128 pixels per smallest packet.
  const int64_t galima = rle ? static_cast<int64_t>((turima + baitai) / (1 + baitai) * 128 * baitai)
                             : static_cast<int64_t>(turima);
  if (reikia > galima + PAPILDYMO_RIBA) throw "Netinkami matmenys";
  if (reikia > INT_MAX) throw "Neisskirta atmintis!";
  dydis = static_cast<int>(reikia);
  IsskirtiPikselius();

  const unsigned char* duomenys = failas.data() + std::min(pradzia, failas.size());
  if (rle)
    IspakuotiRle(duomenys, failas.data() + failas.size(), pikseliai, pikseliu, baitai);
  else
    std::memcpy(pikseliai, duomenys, std::min<size_t>(turima, static_cast<size_t>(dydis)));

  // GL takes the bottom row first, left to right: undo the other origins.
  const size_t eilute = static_cast<size_t>(plotis) * baitai;
  if (antraste[17] & 0x20) ApverstiEilutes(eilute);
  if (antraste[17] & 0x10) {
    for (int y = 0; y < aukstis; ++y) {
      unsigned char* r = pikseliai + static_cast<size_t>(y) * eilute;
      for (int a = 0, b = plotis - 1; a < b; ++a, --b)
        std::swap_ranges(r + a * baitai, r + (a + 1) * baitai, r + b * baitai);
    }
  }
  lygiavimas = eilute % 4 == 0 ? 4 : eilute % 2 == 0 ? 2 : 1;
}

void KTga::Atlaisvinti() {
  if (pikseliai) AtlaisvintiPikselius();
}
