#include "audio/KGarsai.h"

#include <cstring>

#include "config/KFUzkrovimas.h"
#include "core/FailoVardas.h"
#include "core/Zurnalas.h"

namespace {
// ALC_SOFT_output_limiter's attribute: OpenAL Soft then keeps the mix below full scale
// by lowering it for a moment, on every output format (on its own it does so only for
// integer ones). Other implementations ignore an attribute they do not know.
constexpr ALCint RIBOTUVAS = 0x199A;  // ALC_OUTPUT_LIMITER_SOFT
}  // namespace

void KGarsai::Sukurti(bool suvaldytas) {
  if (atidarytas) return;
  irenginys = alcOpenDevice(nullptr);
  if (!irenginys) {
    Zurnalas("Garsai->Sukurti: Klaida inicializuojant garso irengini");
    return;
  }
  const ALCint savybes[] = {RIBOTUVAS, ALC_TRUE, 0};
  kontekstas = alcCreateContext(irenginys, suvaldytas ? savybes : nullptr);
  if (!kontekstas) {
    ZurnalasF("Klaida sukuriant garso irenginio konteksta: %d", alcGetError(irenginys));
    alcCloseDevice(irenginys);
    irenginys = nullptr;
    return;
  }
  if (!alcMakeContextCurrent(kontekstas)) {
    ZurnalasF("Klaida: nepavyko garso irenginio konteksto padaryti darbiniu: %d", alcGetError(irenginys));
    alcDestroyContext(kontekstas);
    alcCloseDevice(irenginys);
    kontekstas = nullptr;
    irenginys = nullptr;
    return;
  }
  alListener3f(AL_VELOCITY, 0.0f, 0.0f, 0.0f);
  alListenerfv(AL_ORIENTATION, orientacija);
  if (suvaldytas) alListenerf(AL_GAIN, SUVALDYTAS_GARSUMAS);
  if (alGetError() != AL_NO_ERROR) {
    Zurnalas("Klaida inicializuojant garsa");
    return;  // the handles stay set, so Atlaisvinti still closes them
  }
  atidarytas = true;
}

void KGarsai::UzkrautiAplanka(const char* aplankas) {
  KFUzkrovimas paieska;
  paieska.Ieskoti(aplankas, "wav");
  if (paieska.kiekis == 0) {
    ZurnalasF("Nerasta garsu aplanke '%s'", aplankas ? aplankas : "");
    return;
  }
  while (const char* kelias = paieska.GautiPavadinima()) UzkrautiGarsa(kelias);
  uzkrauta = true;
  paieska.Isvalyti();
}

void KGarsai::UzkrautiGarsa(const char* kelias) {
  if (!kelias) return;
  const char* vardas = FailoVardas(kelias);
  if (kiekis >= TALPA) {
    Zurnalas("Pasiektas garsu limitas");
    return;
  }
  if (std::strlen(vardas) > 31) ZurnalasF("Garso pavadinimas '%s' per ilgas, bus sutrumpintas", kelias);

  alGetError();  // only this call's error counts below
  buferiai[kiekis] = 0;
  alGenBuffers(1, &buferiai[kiekis]);
  ALenum klaida = alGetError();
  if (klaida != AL_NO_ERROR) ZurnalasF("Klaida alGenBuffers: %d", klaida);

  try {
    wav.Skaityti(kelias);
  } catch (const char* pranesimas) {
    ZurnalasF("Klaida uzkraunant garsa '%s': %s", kelias, pranesimas);
    // The next sample generates its own buffer into this slot: drop this one now.
    if (buferiai[kiekis] != 0) alDeleteBuffers(1, &buferiai[kiekis]);
    buferiai[kiekis] = 0;
    return;
  }

  alBufferData(buferiai[kiekis], ALenum(wav.alFormatas), wav.duomenys, ALsizei(wav.blokoDydis),
               ALsizei(wav.daznis));
  if (buferiai[kiekis] == 0 || alGetError() != AL_NO_ERROR)
    ZurnalasF("Klaida uzkraunant garsa '%s': alBufferData", kelias);

  std::strncpy(vardai[kiekis], vardas, 31);
  vardai[kiekis][31] = 0;
  wav.Atlaisvinti();
  ++kiekis;
}

ALuint KGarsai::Rasti(const char* vardas) const {
  if (vardas)
    for (int i = 0; i < kiekis; ++i)
      if (std::strcmp(vardai[i], vardas) == 0) return buferiai[i];
  ZurnalasF("Garsas %s nerastas", vardas ? vardas : "");
  return 0;
}

void KGarsai::Atlaisvinti() {
  // Also buffers loaded one by one, not only through a folder.
  if (kiekis > 0) alDeleteBuffers(kiekis, buferiai);
  for (int i = 0; i < TALPA; ++i) {
    buferiai[i] = 0;
    vardai[i][0] = 0;
  }
  kiekis = 0;
  if (irenginys) {
    alcMakeContextCurrent(nullptr);
    if (kontekstas) alcDestroyContext(kontekstas);
    if (!alcCloseDevice(irenginys)) Zurnalas("Klaida atlaisvinant garso irengini");
  }
  kontekstas = nullptr;
  irenginys = nullptr;
  atidarytas = false;
  uzkrauta = false;
}
