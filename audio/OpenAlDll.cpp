#if defined(_WIN32) && defined(TANKAI_OPENAL_DINAMINIS)
#include "audio/OpenAlDll.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/Zurnalas.h"

namespace {

// Stand-ins: what OpenAL answers with no device open and no context current. Calls
// on objects do nothing and write nothing; queries of values give 0 or null.
template <typename F>
struct BeIrenginio;
template <typename R, typename... A>
struct BeIrenginio<R(AL_APIENTRY*)(A...)> {
  static R AL_APIENTRY Kviesti(A...) { return R(); }
};

// The error of the last failed device request, kept for alcGetError(null) as OpenAL does.
ALCenum paskutineKlaida = ALC_NO_ERROR;
HMODULE dll = nullptr;
bool bandyta = false;

ALenum AL_APIENTRY BeKontekstoGetError() {
  // Without a current context OpenAL reports every query as an invalid operation.
  return AL_INVALID_OPERATION;
}

ALCenum ALC_APIENTRY BeIrenginioGetError(ALCdevice* irenginys) {
  if (irenginys != nullptr) return ALC_INVALID_DEVICE;
  ALCenum klaida = paskutineKlaida;
  paskutineKlaida = ALC_NO_ERROR;
  return klaida;
}

ALCdevice* ALC_APIENTRY PirmasOpenDevice(const ALCchar* vardas) {
  if (OpenAlDllUzkrauti()) return openAlDll.p_alcOpenDevice(vardas);
  paskutineKlaida = ALC_INVALID_VALUE;
  return nullptr;
}

ALCdevice* ALC_APIENTRY PirmasCaptureOpenDevice(const ALCchar* vardas, ALCuint daznis,
                                                ALCenum formatas, ALCsizei dydis) {
  if (OpenAlDllUzkrauti()) return openAlDll.p_alcCaptureOpenDevice(vardas, daznis, formatas, dydis);
  paskutineKlaida = ALC_INVALID_VALUE;
  return nullptr;
}

ALCcontext* ALC_APIENTRY BeIrenginioCreateContext(ALCdevice*, const ALCint*) {
  paskutineKlaida = ALC_INVALID_DEVICE;
  return nullptr;
}

// Device-level queries with no device may come before any device is opened (the list of
// devices, the default device's name): they load the DLL too.
const ALCchar* ALC_APIENTRY PirmasGetString(ALCdevice* irenginys, ALCenum kas) {
  if (irenginys == nullptr && OpenAlDllUzkrauti()) return openAlDll.p_alcGetString(irenginys, kas);
  return "";
}

ALCboolean ALC_APIENTRY PirmasIsExtensionPresent(ALCdevice* irenginys, const ALCchar* vardas) {
  if (irenginys == nullptr && OpenAlDllUzkrauti())
    return openAlDll.p_alcIsExtensionPresent(irenginys, vardas);
  return ALC_FALSE;
}

void* ALC_APIENTRY PirmasGetProcAddress(ALCdevice* irenginys, const ALCchar* vardas) {
  if (irenginys == nullptr && OpenAlDllUzkrauti())
    return openAlDll.p_alcGetProcAddress(irenginys, vardas);
  return nullptr;
}

ALCenum ALC_APIENTRY PirmasGetEnumValue(ALCdevice* irenginys, const ALCchar* vardas) {
  if (irenginys == nullptr && OpenAlDllUzkrauti())
    return openAlDll.p_alcGetEnumValue(irenginys, vardas);
  return 0;
}

void ALC_APIENTRY PirmasGetIntegerv(ALCdevice* irenginys, ALCenum kas, ALCsizei kiek,
                                    ALCint* reiksmes) {
  if (irenginys == nullptr && OpenAlDllUzkrauti()) {
    openAlDll.p_alcGetIntegerv(irenginys, kas, kiek, reiksmes);
    return;
  }
  for (ALCsizei i = 0; reiksmes != nullptr && i < kiek; ++i) reiksmes[i] = 0;
  paskutineKlaida = irenginys == nullptr ? ALC_INVALID_VALUE : ALC_INVALID_DEVICE;
}

constexpr OpenAlDllLentele PradineLentele() {
  OpenAlDllLentele l{};
#define TANKAI_OPENAL_PRADZIA(tipas, vardas) l.p_##vardas = &BeIrenginio<tipas>::Kviesti;
  TANKAI_OPENAL_FUNKCIJOS(TANKAI_OPENAL_PRADZIA)
#undef TANKAI_OPENAL_PRADZIA
  l.p_alGetError = &BeKontekstoGetError;
  l.p_alcGetError = &BeIrenginioGetError;
  l.p_alcOpenDevice = &PirmasOpenDevice;
  l.p_alcCaptureOpenDevice = &PirmasCaptureOpenDevice;
  l.p_alcCreateContext = &BeIrenginioCreateContext;
  l.p_alcGetString = &PirmasGetString;
  l.p_alcIsExtensionPresent = &PirmasIsExtensionPresent;
  l.p_alcGetProcAddress = &PirmasGetProcAddress;
  l.p_alcGetEnumValue = &PirmasGetEnumValue;
  l.p_alcGetIntegerv = &PirmasGetIntegerv;
  return l;
}

constexpr OpenAlDllLentele pradine = PradineLentele();

}  // namespace

OpenAlDllLentele openAlDll = PradineLentele();

bool OpenAlDllUzkrauti() {
  if (bandyta) return dll != nullptr;
  bandyta = true;
  HMODULE biblioteka = LoadLibraryA("OpenAL32.dll");
  // No DLL is no device: the audio code reports that itself, as on a machine without sound.
  if (biblioteka == nullptr) return false;
  OpenAlDllLentele nauja;
  bool visos = true;
  // The void(void) step keeps GCC from warning about the cast between function types.
#define TANKAI_OPENAL_GAUTI(tipas, vardas)                                              \
  {                                                                                     \
    FARPROC f = GetProcAddress(biblioteka, #vardas);                                    \
    if (f == nullptr) {                                                                 \
      ZurnalasF("OpenAL32.dll neturi funkcijos %s", #vardas);                           \
      visos = false;                                                                    \
    }                                                                                   \
    nauja.p_##vardas = reinterpret_cast<tipas>(reinterpret_cast<void (*)(void)>(f));  \
  }
  TANKAI_OPENAL_FUNKCIJOS(TANKAI_OPENAL_GAUTI)
#undef TANKAI_OPENAL_GAUTI
  if (!visos) {
    FreeLibrary(biblioteka);
    return false;
  }
  dll = biblioteka;
  openAlDll = nauja;
  return true;
}

bool OpenAlDllUzkrautas() { return dll != nullptr; }

void OpenAlDllAtlaisvinti() {
  openAlDll = pradine;
  if (dll != nullptr) FreeLibrary(dll);
  dll = nullptr;
  bandyta = false;
  paskutineKlaida = ALC_NO_ERROR;
}
#endif
