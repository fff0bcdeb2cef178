#pragma once
#include <cstdint>

#include <vorbis/vorbisfile.h>

// An Ogg Vorbis file held whole in memory and decoded in 65,536-byte chunks of
// 16-bit PCM. Atidaryti throws "failas neatidarytas", "neteisingas nuskaitymas" or
// "ov_open_callbacks"; a stream of more than two channels, "nepalaikomas kanalu
// skaicius". The decoder reads the image through the reader itself.
class KOgg {
 public:
  static constexpr int BUFERIO_DYDIS = 65536;

  uint32_t pozicija = 0;
  unsigned char* failas = nullptr;
  uint32_t ilgis = 0;
  OggVorbis_File dekoderis = {};
  uint32_t alFormatas = 0;
  uint32_t daznis = 0;
  char pcm[BUFERIO_DYDIS] = {};
  bool kartoti = false;
  bool atidarytas = false;

  KOgg() = default;
  ~KOgg() { Atlaisvinti(); }
  KOgg(const KOgg&) = delete;
  KOgg& operator=(const KOgg&) = delete;

  void Atidaryti(const char* kelias);
  bool Skaityti();
  void Atlaisvinti();

 private:
  // ratu: the inner pass after seeking back to the start of a looping track.
  bool Skaityti(bool ratu);
  void Isvalyti();
};
