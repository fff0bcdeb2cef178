#include "gfx/KBmp.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Little-endian fields; bytes past the end of the file read as zero.
uint32_t Le32(const std::vector<unsigned char>& f, size_t vieta) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i)
    if (vieta + i < f.size()) v |= static_cast<uint32_t>(f[vieta + i]) << (8 * i);
  return v;
}

// One colour channel of a bit-field pixel, scaled to 0..255.
struct Kanalas {
  uint32_t kauke = 0;
  int postumis = 0;
  uint32_t didziausia = 0;

  explicit Kanalas(uint32_t k) : kauke(k) {
    if (!kauke) return;
    while (!((kauke >> postumis) & 1u)) ++postumis;
    didziausia = kauke >> postumis;
  }
  unsigned char Verte(uint32_t px) const {
    if (!didziausia) return 0;
    const uint64_t v = (px & kauke) >> postumis;
    return static_cast<unsigned char>((v * 255u + didziausia / 2) / didziausia);
  }
};

}  // namespace

void KBmp::Uzkrauti(const char* kelias) {
  std::vector<unsigned char> failas;
  if (!SkaitytiFaila(kelias, failas)) throw "failas nerastas";

  // What a short file does not hold stays zero.
  std::memset(antraste, 0, sizeof antraste);
  if (!failas.empty()) std::memcpy(antraste, failas.data(), std::min(failas.size(), sizeof antraste));

  if (antraste[0] != 'B' || antraste[1] != 'M') throw "failas nera BMP formato";
  if (antraste[30] != 0 && antraste[28] != 16) throw "failas naudoja suspaudima";
  if (antraste[46] != 0) throw "naudojamos indeksuotos spalvos";

  // The older 12- and 16-byte headers keep their fields elsewhere.
  const uint32_t antrastesDydis = Le32(failas, 14);
  if (antrastesDydis < 40) throw "netinkama antraste";

  bpp = antraste[28] + 256 * antraste[29];
  if (bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) throw "Netinkamas bpp";
  const uint32_t suspaudimas = Le32(failas, 30);
  const bool laukai = bpp == 16 && (suspaudimas == 3 || suspaudimas == 6);
  if (bpp == 16 && suspaudimas != 0 && !laukai) throw "failas naudoja suspaudima";

  // Full 32-bit fields: a negative height means the rows are stored top row first.
  const int32_t w = static_cast<int32_t>(Le32(failas, 18));
  const int32_t h = static_cast<int32_t>(Le32(failas, 22));
  if (w <= 0 || h == 0 || h == INT32_MIN) throw "netinkami matmenys";
  const bool isVirsaus = h < 0;
  plotis = w;
  aukstis = isVirsaus ? -h : h;

  // Bit-field masks follow a 40-byte header and sit at the same place inside longer ones.
  const uint64_t antrastesGalas = 14ull + antrastesDydis;
  uint64_t lenteliuGalas = antrastesGalas;
  if (antrastesDydis == 40 && laukai) lenteliuGalas += suspaudimas == 6 ? 16 : 12;
  const uint32_t spalvu = Le32(failas, 46);
  const size_t paletesIrasu = bpp == 8 ? (spalvu == 0 ? 256u : std::min<uint32_t>(spalvu, 256u)) : 0;

  // The pixel-data offset is honoured unless it points into the header.
  uint64_t pradzia = Le32(failas, 10);
  if (pradzia < lenteliuGalas) pradzia = lenteliuGalas + (bpp == 8 ? 4u * paletesIrasu : 0u);
  const uint64_t turima = failas.size() > pradzia ? failas.size() - pradzia : 0;

  // Rows padded to 4 bytes; the image-size field is not trusted for the amount.
  const uint64_t eilute = (static_cast<uint64_t>(plotis) * bpp + 31) / 32 * 4;
  const uint64_t saltinis = eilute * static_cast<uint64_t>(aukstis);
  if (saltinis > turima + PAPILDYMO_RIBA) throw "netinkami matmenys";

  tipas = GL_UNSIGNED_BYTE;
  const bool isskleisti = bpp == 8 || laukai;
  const uint64_t isvestis = isskleisti ? static_cast<uint64_t>(plotis) * aukstis * 4 : saltinis;
  if (isvestis > INT_MAX) throw "Neisskirta atmintis!";
  dydis = static_cast<int>(isvestis);
  IsskirtiPikselius();
  lygiavimas = 4;

  // Source row y as stored (missing bytes read as zero through a zero-padded copy).
  std::vector<unsigned char> eil(static_cast<size_t>(eilute));
  auto Eilute = [&](int y) -> const unsigned char* {
    const uint64_t nuo = pradzia + static_cast<uint64_t>(y) * eilute;
    std::fill(eil.begin(), eil.end(), 0);
    if (nuo < failas.size())
      std::memcpy(eil.data(), failas.data() + nuo, static_cast<size_t>(std::min<uint64_t>(eilute, failas.size() - nuo)));
    return eil.data();
  };
  // Destination row for source row y: GL wants the bottom row first.
  auto Paskirtis = [&](int y, size_t ilgis) {
    return pikseliai + static_cast<size_t>(isVirsaus ? aukstis - 1 - y : y) * ilgis;
  };

  if (bpp == 8) {
    // Indices beyond the palette show black, opaque.
    unsigned char palete[256][4] = {};
    for (auto& spalva : palete) spalva[3] = 255;
    for (size_t i = 0; i < paletesIrasu; ++i) {
      const uint64_t v = lenteliuGalas + 4 * i;
      for (size_t k = 0; k < 3; ++k) palete[i][k] = v + k < failas.size() ? failas[static_cast<size_t>(v + k)] : 0;
    }
    for (int y = 0; y < aukstis; ++y) {
      const unsigned char* s = Eilute(y);
      unsigned char* d = Paskirtis(y, static_cast<size_t>(plotis) * 4);
      for (int x = 0; x < plotis; ++x) std::memcpy(d + 4 * x, palete[s[x]], 4);
    }
    vidinisFormatas = GL_RGB;
    formatas = GL_BGRA;
  } else if (laukai) {
    const bool yraAlfa = antrastesDydis >= 56 || suspaudimas == 6;
    const Kanalas r(Le32(failas, 54) & 0xFFFFu), g(Le32(failas, 58) & 0xFFFFu), b(Le32(failas, 62) & 0xFFFFu),
        a(yraAlfa ? Le32(failas, 66) & 0xFFFFu : 0u);
    for (int y = 0; y < aukstis; ++y) {
      const unsigned char* s = Eilute(y);
      unsigned char* d = Paskirtis(y, static_cast<size_t>(plotis) * 4);
      for (int x = 0; x < plotis; ++x) {
        const uint32_t px = s[2 * x] | (static_cast<uint32_t>(s[2 * x + 1]) << 8);
        d[4 * x + 0] = b.Verte(px);
        d[4 * x + 1] = g.Verte(px);
        d[4 * x + 2] = r.Verte(px);
        d[4 * x + 3] = a.kauke ? a.Verte(px) : 255;
      }
    }
    vidinisFormatas = a.kauke ? GL_RGBA : GL_RGB;
    formatas = GL_BGRA;
  } else {
    for (int y = 0; y < aukstis; ++y) std::memcpy(Paskirtis(y, static_cast<size_t>(eilute)), Eilute(y), static_cast<size_t>(eilute));
    if (bpp == 16) {
      // X-1 R-5 G-5 B-5: blue in the low bits, so BGRA order; no alpha in the plain format.
      vidinisFormatas = GL_RGB5;
      formatas = GL_BGRA;
      tipas = GL_UNSIGNED_SHORT_1_5_5_5_REV;
    } else if (bpp == 24) {
      vidinisFormatas = GL_RGB;
      formatas = GL_BGR;
    } else {
      vidinisFormatas = GL_RGBA;
      formatas = GL_BGRA;
      // Most writers leave the fourth byte 0: such an image is opaque, not invisible.
      bool beAlfos = true;
      for (int i = 3; i < dydis && beAlfos; i += 4) beAlfos = pikseliai[i] == 0;
      if (beAlfos) vidinisFormatas = GL_RGB;
    }
  }
}

void KBmp::Atlaisvinti() {
  if (pikseliai) AtlaisvintiPikselius();
}
