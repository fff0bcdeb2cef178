#pragma once
#include <cstdint>
#include <cstdio>

// RIFF WAVE loader. Throws "failas nerastas", "nerastas 'fmt ' blokas",
// "nerastas 'data' blokas", "nepalaikomas kanalu skaicius" (not 1 or 2) or
// "nepalaikomas garso formatas" (not 8/16/24/32-bit PCM or 32/64-bit float).
// Wider samples are converted to 16 bits, so after a load alFormatas, duomenys and
// blokoDydis describe what OpenAL gets, while bitai and formatoZyme stay as read.
class KWav {
 public:
  std::FILE* failas = nullptr;
  bool formatasRastas = false;
  bool duomenysRasti = false;
  char blokoId[5] = {};
  uint32_t blokoDydis = 0;  // after a load: bytes of sample data
  uint16_t formatoZyme = 0;
  uint16_t kanalai = 0;
  uint16_t blokoLygiavimas = 0;
  uint16_t bitai = 0;
  uint32_t daznis = 0;
  uint32_t baituDaznis = 0;
  uint32_t alFormatas = 0;
  unsigned char* duomenys = nullptr;

  KWav() = default;
  ~KWav() { Atlaisvinti(); }
  KWav(const KWav&) = delete;
  KWav& operator=(const KWav&) = delete;

  void Skaityti(const char* kelias);
  void Atlaisvinti();
};
