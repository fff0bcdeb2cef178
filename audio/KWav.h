#pragma once
#include <cstdint>
#include <cstdio>

// RIFF WAVE loader. Throws "failas nerastas", "nerastas 'fmt ' blokas" or
// "nerastas 'data' blokas".
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
