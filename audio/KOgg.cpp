#include "audio/KOgg.h"

#include <cstdio>
#include <cstring>

#include "audio/OpenAl.h"

// The decoder reads the file image through these; the data source is the reader
// itself, so several readers never share a position.
namespace {

size_t Skaityk(void* kur, size_t dydis, size_t kiek, void* saltinis) {
  KOgg* o = static_cast<KOgg*>(saltinis);
  if (dydis == 0 || kiek == 0) return 0;
  size_t liko = o->ilgis - o->pozicija;
  size_t n = kiek > liko / dydis ? liko : dydis * kiek;
  std::memcpy(kur, o->failas + o->pozicija, n);
  o->pozicija += uint32_t(n);
  return n;
}

int Persok(void* saltinis, ogg_int64_t poslinkis, int kryptis) {
  KOgg* o = static_cast<KOgg*>(saltinis);
  const ogg_int64_t ilgis = o->ilgis;
  ogg_int64_t pagrindas = kryptis == SEEK_SET ? 0 : kryptis == SEEK_CUR ? ogg_int64_t(o->pozicija) : ilgis;
  // Clamp without overflowing on wild offsets.
  ogg_int64_t nauja;
  if (poslinkis > ilgis - pagrindas)
    nauja = ilgis;
  else if (poslinkis < -pagrindas)
    nauja = 0;
  else
    nauja = pagrindas + poslinkis;
  o->pozicija = uint32_t(nauja);
  return 0;
}

int Uzdaryk(void*) { return 0; }  // the image belongs to the reader

long Kur(void* saltinis) { return long(static_cast<KOgg*>(saltinis)->pozicija); }

}  // namespace

void KOgg::Atidaryti(const char* kelias) {
  if (atidarytas) return;
  std::FILE* f = kelias ? std::fopen(kelias, "rb") : nullptr;
  if (!f) throw "failas neatidarytas";
  long dydis = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) dydis = std::ftell(f);
  std::fseek(f, 0, SEEK_SET);
  if (dydis < 0 || uint64_t(dydis) > 0xFFFFFFFFu) {
    std::fclose(f);
    throw "neteisingas nuskaitymas";
  }
  ilgis = uint32_t(dydis);
  failas = new unsigned char[ilgis ? ilgis : 1];
  size_t gauta = std::fread(failas, 1, ilgis, f);
  std::fclose(f);
  if (gauta < ilgis) {
    Isvalyti();
    throw "neteisingas nuskaitymas";
  }
  pozicija = 0;

  ov_callbacks atgal = {Skaityk, Persok, Uzdaryk, Kur};
  if (ov_open_callbacks(this, &dekoderis, nullptr, 0, atgal) < 0) {
    Isvalyti();  // a failed open has already cleared the decoder
    throw "ov_open_callbacks";
  }
  vorbis_info* info = ov_info(&dekoderis, -1);
  // More channels would be heard as garbled stereo.
  if (!info || info->channels < 1 || info->channels > 2) {
    ov_clear(&dekoderis);
    Isvalyti();
    throw "nepalaikomas kanalu skaicius";
  }
  alFormatas = info->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
  daznis = uint32_t(info->rate);
  atidarytas = true;
}

bool KOgg::Skaityti() { return Skaityti(false); }

bool KOgg::Skaityti(bool ratu) {
  if (!atidarytas) return false;
  int lygis = 0;
  long paskutinis = 0;
  int klaidos = 0;
  int srautas = 0;
  while (lygis < BUFERIO_DYDIS) {
    paskutinis = ov_read(&dekoderis, pcm + lygis, BUFERIO_DYDIS - lygis, 0, 2, 1, &srautas);
    if (paskutinis == 0) break;
    if (paskutinis < 0) {
      // A hole is skipped; anything else, or holes without end, ends the stream.
      if (paskutinis == OV_HOLE && ++klaidos < 64) continue;
      paskutinis = 0;
      break;
    }
    klaidos = 0;
    lygis += int(paskutinis);
  }
  if (paskutinis > 0) return true;
  if (!kartoti) return false;
  if (!ratu) {
    if (ov_pcm_seek(&dekoderis, 0) != 0) return false;
    return Skaityti(true);
  }
  // The whole track is shorter than one chunk: silence after its end.
  std::memset(pcm + lygis, 0, size_t(BUFERIO_DYDIS - lygis));
  return true;
}

void KOgg::Atlaisvinti() {
  if (!atidarytas) return;
  ov_clear(&dekoderis);
  Isvalyti();
  atidarytas = false;
}

void KOgg::Isvalyti() {
  delete[] failas;
  failas = nullptr;
  ilgis = 0;
  pozicija = 0;
}
