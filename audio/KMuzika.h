#pragma once
#include "audio/KOgg.h"
#include "audio/OpenAl.h"

class KVektorius;

// Streams the music through one source and a queue of four buffers, refilled one
// per frame.
class KMuzika {
 public:
  KOgg skaitytuvas;
  ALuint saltinis = 0;
  ALuint buferiai[4] = {};
  const KVektorius* pozicija = nullptr;
  bool atidaryta = false;
  bool grojama = false;  // Groti was called: a source that ran dry is restarted
  bool pabaiga = false;  // a track that does not loop has no more chunks

  void Atidaryti(const char* kelias, const KVektorius& poz, bool kartoti);
  void Groti();
  void Atnaujinti();
  void Uzdaryti();

 private:
  void Pildyti(ALuint buferis);
};
