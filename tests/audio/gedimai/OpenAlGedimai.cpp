// OpenAL Soft with a switch in front of a few of its entry points: this test program
// defines them itself, passes every call on to the library, and on request makes the
// next one fail the way the library fails, with its error set in the library's own
// state. A working library never refuses these calls, so the sound device's failure
// branches are reached only this way. Live devices and contexts are counted, so a test
// can tell what a failure left open.
#include "tests/audio/gedimai/OpenAlGedimai.h"

#include <dlfcn.h>

namespace {

template <class F>
F Tikra(F& f, const char* vardas) {
  if (!f) f = reinterpret_cast<F>(dlsym(RTLD_NEXT, vardas));
  return f;
}

using OpenDevice = ALCdevice* (*)(const ALCchar*);
using CloseDevice = ALCboolean (*)(ALCdevice*);
using CreateContext = ALCcontext* (*)(ALCdevice*, const ALCint*);
using DestroyContext = void (*)(ALCcontext*);
using MakeContextCurrent = ALCboolean (*)(ALCcontext*);
using GetContextsDevice = ALCdevice* (*)(ALCcontext*);
using GetIntegerv = void (*)(ALCdevice*, ALCenum, ALCsizei, ALCint*);
using Listenerfv = void (*)(ALenum, const ALfloat*);

OpenDevice openDevice = nullptr;
CloseDevice closeDevice = nullptr;
CreateContext createContext = nullptr;
DestroyContext destroyContext = nullptr;
MakeContextCurrent makeContextCurrent = nullptr;
GetContextsDevice getContextsDevice = nullptr;
GetIntegerv getIntegerv = nullptr;
Listenerfv listenerfv = nullptr;

bool kontekstas = false, darbinis = false, klausytojas = false;
int irenginiu = 0, kontekstu = 0;

// The device's own error, set by the library: a query it does not know.
void IrenginioKlaida(ALCdevice* d) {
  ALCint niekas = 0;
  Tikra(getIntegerv, "alcGetIntegerv")(d, 0, 1, &niekas);
}

}  // namespace

void OpenAlGedimai::Konteksto() { kontekstas = true; }
void OpenAlGedimai::Darbinio() { darbinis = true; }
void OpenAlGedimai::Klausytojo() { klausytojas = true; }
int OpenAlGedimai::Irenginiu() { return irenginiu; }
int OpenAlGedimai::Kontekstu() { return kontekstu; }

extern "C" {

ALC_API ALCdevice* ALC_APIENTRY alcOpenDevice(const ALCchar* vardas) {
  ALCdevice* d = Tikra(openDevice, "alcOpenDevice")(vardas);
  if (d) ++irenginiu;
  return d;
}

ALC_API ALCboolean ALC_APIENTRY alcCloseDevice(ALCdevice* d) {
  const ALCboolean r = Tikra(closeDevice, "alcCloseDevice")(d);
  if (r) --irenginiu;
  return r;
}

ALC_API ALCcontext* ALC_APIENTRY alcCreateContext(ALCdevice* d, const ALCint* savybes) {
  if (kontekstas) {
    kontekstas = false;
    IrenginioKlaida(d);
    return nullptr;
  }
  ALCcontext* k = Tikra(createContext, "alcCreateContext")(d, savybes);
  if (k) ++kontekstu;
  return k;
}

ALC_API void ALC_APIENTRY alcDestroyContext(ALCcontext* k) {
  Tikra(destroyContext, "alcDestroyContext")(k);
  if (k) --kontekstu;
}

ALC_API ALCboolean ALC_APIENTRY alcMakeContextCurrent(ALCcontext* k) {
  if (darbinis && k) {
    darbinis = false;
    IrenginioKlaida(Tikra(getContextsDevice, "alcGetContextsDevice")(k));
    return ALC_FALSE;
  }
  return Tikra(makeContextCurrent, "alcMakeContextCurrent")(k);
}

AL_API void AL_APIENTRY alListenerfv(ALenum kas, const ALfloat* reiksmes) {
  // A parameter the listener does not have: the library sets AL_INVALID_ENUM.
  if (klausytojas) {
    klausytojas = false;
    kas = 0;
  }
  Tikra(listenerfv, "alListenerfv")(kas, reiksmes);
}

}  // extern "C"
