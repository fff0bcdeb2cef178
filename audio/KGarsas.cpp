#include "audio/KGarsas.h"

#include "battle/KVektorius.h"
#include "core/Zurnalas.h"

void KGarsas::Sukurti(ALuint pavyzdys, const KVektorius& poz, bool kartoti) {
  if (sukurtas) {
    Zurnalas("Klaida: garsas kuriamas antra karta");
    return;
  }
  alGetError();  // only this call's error counts below
  alGenSources(1, &saltinis);
  if (alGetError() != AL_NO_ERROR) Zurnalas("Klaida: alGenSources");
  pozicija = &poz;
  alSourcei(saltinis, AL_BUFFER, ALint(pavyzdys));
  alSourcef(saltinis, AL_PITCH, 1.0f);
  alSourcef(saltinis, AL_GAIN, 1.0f);
  alSource3f(saltinis, AL_VELOCITY, 0.0f, 0.0f, 0.0f);
  alSourcei(saltinis, AL_LOOPING, kartoti ? AL_TRUE : AL_FALSE);
  alSourcef(saltinis, AL_ROLLOFF_FACTOR, 0.07f);
  sukurtas = true;
}

void KGarsas::Groti() {
  // Ignored while still sounding: alSourcePlay would restart it from the start.
  if (!sukurtas || groja) return;
  alSourcePlay(saltinis);
  groja = true;
}

void KGarsas::Atnaujinti() {
  if (!sukurtas || !groja) return;
  alSource3f(saltinis, AL_POSITION, pozicija->x, pozicija->y, pozicija->z);
  alGetSourcei(saltinis, AL_SOURCE_STATE, &busena);
  if (busena == AL_STOPPED) groja = false;
}
