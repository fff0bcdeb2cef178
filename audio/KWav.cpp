#include "audio/KWav.h"

#include <cstring>

#include "audio/OpenAl.h"

namespace {

constexpr long PAIESKOS_RIBA = 1024;  // chunks must start within the first KiB

constexpr uint16_t ZYME_PCM = 1;
constexpr uint16_t ZYME_FLOAT = 3;
constexpr uint16_t ZYME_EXTENSIBLE = 0xFFFE;

// The tail shared by every KSDATAFORMAT_SUBTYPE_* GUID; the first two bytes carry
// the plain format tag.
const unsigned char GUID_UODEGA[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t U16(const unsigned char* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t U32(const unsigned char* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// Size of the open file, or 0 when the stream cannot tell.
uint64_t FailoDydis(std::FILE* f) {
  long dabar = std::ftell(f);
  if (dabar < 0 || std::fseek(f, 0, SEEK_END) != 0) return 0;
  long galas = std::ftell(f);
  std::fseek(f, dabar, SEEK_SET);
  return galas < 0 ? 0 : uint64_t(galas);
}

int16_t IsFloat(float v) {
  if (!(v == v)) return 0;  // NaN
  float s = v * 32768.0f;
  if (s >= 32767.0f) return 32767;
  if (s <= -32768.0f) return -32768;
  return int16_t(s);
}

}  // namespace

void KWav::Skaityti(const char* kelias) {
  formatasRastas = false;
  duomenysRasti = false;
  Atlaisvinti();  // a loader reused after a failed or unreleased load starts clean

  failas = kelias ? std::fopen(kelias, "rb") : nullptr;
  if (!failas) throw "failas nerastas";

  // Every exit below closes the file first.
  auto Baigti = [this](const char* klaida) {
    std::fclose(failas);
    failas = nullptr;
    if (klaida) {
      Atlaisvinti();
      throw klaida;
    }
  };

  const uint64_t dydis = FailoDydis(failas);
  uint16_t tikraZyme = 0;  // the tag behind WAVE_FORMAT_EXTENSIBLE

  unsigned char antraste[8];
  // RIFF header and the form type: not checked.
  bool galima = std::fread(antraste, 1, 8, failas) == 8 && std::fseek(failas, 4, SEEK_CUR) == 0;
  while (galima && !(formatasRastas && duomenysRasti)) {
    long pradzia = std::ftell(failas);
    if (pradzia < 0 || pradzia > PAIESKOS_RIBA) break;
    if (std::fread(antraste, 1, 8, failas) != 8) break;
    std::memcpy(blokoId, antraste, 4);
    blokoId[4] = 0;
    blokoDydis = U32(antraste + 4);
    const uint64_t turinys = uint64_t(pradzia) + 8;
    // RIFF pads odd-sized chunks to an even length.
    uint64_t kitas = turinys + blokoDydis + (blokoDydis & 1);

    if (std::memcmp(blokoId, "fmt ", 4) == 0 && blokoDydis >= 16) {
      unsigned char f[40] = {};
      size_t kiek = blokoDydis >= 40 ? 40 : 16;
      if (std::fread(f, 1, kiek, failas) != kiek) break;
      formatoZyme = U16(f);
      kanalai = U16(f + 2);
      daznis = U32(f + 4);
      baituDaznis = U32(f + 8);
      blokoLygiavimas = U16(f + 12);
      bitai = U16(f + 14);
      tikraZyme = formatoZyme;
      if (formatoZyme == ZYME_EXTENSIBLE && kiek == 40 && std::memcmp(f + 26, GUID_UODEGA, 14) == 0)
        tikraZyme = U16(f + 24);
      formatasRastas = true;

      // Only what OpenAL's four PCM formats can carry after conversion to 16 bits;
      // anything else would play as noise.
      if (kanalai < 1 || kanalai > 2) Baigti("nepalaikomas kanalu skaicius");
      const bool tinka = (tikraZyme == ZYME_PCM && (bitai == 8 || bitai == 16 || bitai == 24 || bitai == 32)) ||
                         (tikraZyme == ZYME_FLOAT && (bitai == 32 || bitai == 64));
      if (!tinka || daznis == 0) Baigti("nepalaikomas garso formatas");
      if (bitai == 8)
        alFormatas = kanalai == 1 ? AL_FORMAT_MONO8 : AL_FORMAT_STEREO8;
      else
        alFormatas = kanalai == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    } else if (std::memcmp(blokoId, "data", 4) == 0 && formatasRastas) {
      // Never trust the size field past the end of the file: a cut-short chunk
      // loads what is there.
      uint64_t liko = dydis > turinys ? dydis - turinys : 0;
      uint32_t n = uint32_t(blokoDydis < liko ? blokoDydis : liko);
      duomenys = new unsigned char[n ? n : 1];
      n = uint32_t(std::fread(duomenys, 1, n, failas));
      blokoDydis = n;
      duomenysRasti = true;
      break;
    }
    // A "data" chunk before any "fmt " is skipped like any other chunk.
    if ((blokoDydis & 1) && kitas <= dydis && std::fseek(failas, long(kitas - 1), SEEK_SET) == 0) {
      // Some writers leave the pad byte out; a pad is always zero, an identifier never.
      if (std::fgetc(failas) != 0) --kitas;
    }
    if (kitas > dydis || std::fseek(failas, long(kitas), SEEK_SET) != 0) break;
  }
  Baigti(nullptr);

  if (!formatasRastas) throw "nerastas 'fmt ' blokas";
  if (!duomenysRasti) throw "nerastas 'data' blokas";

  // Convert wide samples to 16 bits in place (the result is never longer).
  const uint32_t plotis = bitai / 8;
  const uint32_t kadras = plotis * kanalai;
  uint32_t reiksmes = blokoDydis / kadras * kanalai;  // whole frames only
  int16_t* i16 = reinterpret_cast<int16_t*>(duomenys);
  if (tikraZyme == ZYME_FLOAT) {
    for (uint32_t i = 0; i < reiksmes; ++i) {
      const unsigned char* p = duomenys + size_t(i) * plotis;
      float v;
      if (plotis == 4) {
        uint32_t b = U32(p);
        std::memcpy(&v, &b, 4);
      } else {
        uint64_t b = uint64_t(U32(p)) | (uint64_t(U32(p + 4)) << 32);
        double d;
        std::memcpy(&d, &b, 8);
        v = float(d);
      }
      int16_t s = IsFloat(v);
      std::memcpy(i16 + i, &s, 2);
    }
    blokoDydis = reiksmes * 2;
  } else if (plotis > 2) {
    for (uint32_t i = 0; i < reiksmes; ++i) {
      // Little-endian: the top two bytes of each sample are its 16-bit value.
      const unsigned char* p = duomenys + size_t(i) * plotis + (plotis - 2);
      unsigned char b[2] = {p[0], p[1]};
      std::memcpy(i16 + i, b, 2);
    }
    blokoDydis = reiksmes * 2;
  } else {
    blokoDydis = reiksmes * plotis;  // OpenAL refuses a partial last frame
  }
}

void KWav::Atlaisvinti() {
  delete[] duomenys;
  duomenys = nullptr;
}
