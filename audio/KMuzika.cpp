#include "audio/KMuzika.h"

#include "battle/KVektorius.h"
#include "core/Zurnalas.h"

void KMuzika::Atidaryti(const char* kelias, const KVektorius& poz, bool kartoti) {
  if (atidaryta) Uzdaryti();
  try {
    skaitytuvas.Atidaryti(kelias);
  } catch (const char* pranesimas) {
    ZurnalasF("Klaida uzkraunant garsa '%s': %s", kelias ? kelias : "", pranesimas);
    return;
  }
  skaitytuvas.kartoti = kartoti;
  pozicija = &poz;
  pabaiga = false;
  grojama = false;

  alGetError();  // only this call's error counts below
  alGenSources(1, &saltinis);
  if (alGetError() != AL_NO_ERROR) {
    ZurnalasF("Klaida uzkraunant faila '%s': alGenSources", kelias);
    // Without a source the decoded track is useless; a later open starts afresh.
    skaitytuvas.Atlaisvinti();
    saltinis = 0;
    return;
  }
  alSourcef(saltinis, AL_PITCH, 1.0f);
  alSourcef(saltinis, AL_GAIN, 1.0f);
  alSource3f(saltinis, AL_VELOCITY, 0.0f, 0.0f, 0.0f);
  alSourcei(saltinis, AL_LOOPING, AL_FALSE);  // the decoder loops, never the source
  alSourcef(saltinis, AL_ROLLOFF_FACTOR, 0.07f);
  for (ALuint& b : buferiai) {
    alGenBuffers(1, &b);
    Pildyti(b);
  }
  atidaryta = true;
}

void KMuzika::Pildyti(ALuint buferis) {
  if (pabaiga || !skaitytuvas.Skaityti()) {
    pabaiga = true;  // the buffer stays out of the queue
    return;
  }
  alBufferData(buferis, ALenum(skaitytuvas.alFormatas), skaitytuvas.pcm, KOgg::BUFERIO_DYDIS,
               ALsizei(skaitytuvas.daznis));
  alSourceQueueBuffers(saltinis, 1, &buferis);
}

void KMuzika::Groti() {
  if (!atidaryta) return;
  alSourcePlay(saltinis);
  grojama = true;
}

void KMuzika::Atnaujinti() {
  if (!atidaryta) return;
  ALint apdoroti = 0;
  alGetSourcei(saltinis, AL_BUFFERS_PROCESSED, &apdoroti);
  ALint busena = AL_INITIAL;
  alGetSourcei(saltinis, AL_SOURCE_STATE, &busena);

  if (grojama && !pabaiga && busena == AL_STOPPED && apdoroti > 0) {
    // The queue ran dry during a long stall. Every buffer of a stopped source has
    // been heard; replaying them would repeat old music, so all are refilled with
    // what comes next before the source starts again.
    for (ALint i = 0; i < apdoroti && i < 4; ++i) {
      ALuint b = 0;
      alSourceUnqueueBuffers(saltinis, 1, &b);
      Pildyti(b);
    }
    ALint eileje = 0;
    alGetSourcei(saltinis, AL_BUFFERS_QUEUED, &eileje);
    if (eileje > 0) alSourcePlay(saltinis);
  } else if (apdoroti > 0) {
    ALuint b = 0;
    alSourceUnqueueBuffers(saltinis, 1, &b);  // one per frame, however many were played
    Pildyti(b);
  }
  alSource3f(saltinis, AL_POSITION, pozicija->x, pozicija->y, pozicija->z);
}

void KMuzika::Uzdaryti() {
  if (!atidaryta) return;
  alSourceStop(saltinis);
  alDeleteSources(1, &saltinis);
  alDeleteBuffers(4, buferiai);
  for (ALuint& b : buferiai) b = 0;
  saltinis = 0;
  skaitytuvas.Atlaisvinti();
  atidaryta = false;
  grojama = false;
  pabaiga = false;
}
