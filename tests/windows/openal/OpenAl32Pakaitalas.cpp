// Test infrastructure only: a stand-in OpenAL32.dll for running the game's tests and
// its smoke run under Wine, where no OpenAL is installed. It makes no sound. It keeps
// the state OpenAL 1.1 keeps (devices, contexts, buffers, sources, queues, errors) and
// plays by the clock: a source goes AL_PLAYING and turns AL_STOPPED once its buffers'
// duration has passed; queued buffers become processed one by one as they would be
// heard. Every AL 1.1 and ALC 1.1 entry point is exported, as the game's loader needs.
#define AL_API __declspec(dllexport)
#define ALC_API __declspec(dllexport)
#include <AL/al.h>
#include <AL/alc.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstring>
#include <deque>
#include <map>
#include <vector>

namespace {

struct Irenginys {
  ALCenum klaida = ALC_NO_ERROR;
};

struct Kontekstas {
  Irenginys* irenginys = nullptr;
  ALenum klaida = AL_NO_ERROR;
  std::map<ALenum, std::vector<float>> klausytojas;
  ALenum atstumoModelis = AL_INVERSE_DISTANCE_CLAMPED;
  float doplerioDaugiklis = 1, doplerioGreitis = 1, garsoGreitis = 343.3f;
};

struct Buferis {
  ALenum formatas = 0;
  ALsizei dydis = 0, daznis = 0;
  int kanalai = 1, bitai = 16;
  double Trukme() const {
    return daznis > 0 ? double(dydis) / (kanalai * (bitai / 8)) / daznis : 0.0;
  }
};

struct Saltinis {
  ALint busena = AL_INITIAL;
  ALint tipas = AL_UNDETERMINED;
  ALuint statinis = 0;
  std::deque<ALuint> eile;
  bool kartoti = false;
  float aukstis = 1;
  std::map<ALenum, std::vector<float>> kiti;
  // Playback position: seconds heard since the last play, and the time already
  // taken by buffers unqueued since then.
  double pradzia = 0, sustabdytaPo = 0, nuimta = 0;
};

std::vector<Irenginys*> irenginiai;
std::vector<Kontekstas*> kontekstai;
Kontekstas* dabartinis = nullptr;
ALCenum nulioKlaida = ALC_NO_ERROR;
std::map<ALuint, Buferis> buferiai;
std::map<ALuint, Saltinis> saltiniai;
ALuint kitasVardas = 1;

double Dabar() {
  LARGE_INTEGER d, c;
  QueryPerformanceFrequency(&d);
  QueryPerformanceCounter(&c);
  return double(c.QuadPart) / double(d.QuadPart);
}

bool YraIrenginys(ALCdevice* d) {
  for (Irenginys* i : irenginiai)
    if (reinterpret_cast<ALCdevice*>(i) == d) return true;
  return false;
}

Kontekstas* RastiKonteksta(ALCcontext* k) {
  for (Kontekstas* x : kontekstai)
    if (reinterpret_cast<ALCcontext*>(x) == k) return x;
  return nullptr;
}

void AlcKlaida(ALCdevice* d, ALCenum klaida) {
  if (YraIrenginys(d))
    reinterpret_cast<Irenginys*>(d)->klaida = klaida;
  else
    nulioKlaida = klaida;
}

// Reports an AL error on the current context; false when there is no context at all.
bool Klaida(ALenum klaida) {
  if (dabartinis != nullptr && dabartinis->klaida == AL_NO_ERROR) dabartinis->klaida = klaida;
  return false;
}

bool YraKontekstas() { return dabartinis != nullptr; }

Saltinis* RastiSaltini(ALuint s) {
  if (!YraKontekstas()) return nullptr;
  auto it = saltiniai.find(s);
  if (it == saltiniai.end()) {
    Klaida(AL_INVALID_NAME);
    return nullptr;
  }
  return &it->second;
}

Buferis* RastiBuferi(ALuint b) {
  if (!YraKontekstas()) return nullptr;
  auto it = buferiai.find(b);
  if (it == buferiai.end()) {
    Klaida(AL_INVALID_NAME);
    return nullptr;
  }
  return &it->second;
}

double BuferioTrukme(ALuint b) {
  auto it = buferiai.find(b);
  return it == buferiai.end() ? 0.0 : it->second.Trukme();
}

// Seconds of sound the source has played since its last start.
double Pozicija(const Saltinis& s) {
  if (s.busena == AL_PLAYING) return (Dabar() - s.pradzia) * s.aukstis;
  if (s.busena == AL_PAUSED) return s.sustabdytaPo;
  return 0;
}

// Brings the state up to the clock: a source whose buffers have all been heard stops.
void Atnaujinti(Saltinis& s) {
  if (s.busena != AL_PLAYING) return;
  if (s.tipas == AL_STATIC) {
    if (!s.kartoti && Pozicija(s) >= BuferioTrukme(s.statinis)) s.busena = AL_STOPPED;
    return;
  }
  double viso = s.nuimta;
  for (ALuint b : s.eile) viso += BuferioTrukme(b);
  if (Pozicija(s) >= viso) s.busena = AL_STOPPED;
}

ALint Apdoroti(Saltinis& s) {
  Atnaujinti(s);
  if (s.tipas != AL_STREAMING) return 0;
  if (s.busena == AL_STOPPED) return ALint(s.eile.size());
  if (s.busena == AL_INITIAL) return 0;
  double p = Pozicija(s), pabaiga = s.nuimta;
  ALint kiek = 0;
  for (ALuint b : s.eile) {
    pabaiga += BuferioTrukme(b);
    if (pabaiga > p) break;
    ++kiek;
  }
  return kiek;
}

void Paleisti(Saltinis& s) {
  Atnaujinti(s);
  // A paused source resumes; any other starts from the beginning, a playing one too.
  if (s.busena == AL_PAUSED) {
    s.pradzia = Dabar() - s.sustabdytaPo / s.aukstis;
  } else {
    s.pradzia = Dabar();
    s.nuimta = 0;
  }
  s.busena = AL_PLAYING;
  if ((s.tipas == AL_STATIC && s.statinis == 0) || (s.tipas != AL_STATIC && s.eile.empty()))
    s.busena = AL_STOPPED;
}

void NustatytiSaltini(ALuint vardas, ALenum kas, const float* v, int kiek) {
  Saltinis* s = RastiSaltini(vardas);
  if (s == nullptr) return;
  switch (kas) {
    case AL_PITCH:
      if (v[0] <= 0) {
        Klaida(AL_INVALID_VALUE);
        return;
      }
      s->aukstis = v[0];
      return;
    case AL_LOOPING:
      s->kartoti = v[0] != 0;
      return;
    case AL_BUFFER: {
      ALuint b = ALuint(v[0]);
      if (s->busena == AL_PLAYING || s->busena == AL_PAUSED) {
        Klaida(AL_INVALID_OPERATION);
        return;
      }
      if (b != 0 && buferiai.find(b) == buferiai.end()) {
        Klaida(AL_INVALID_VALUE);
        return;
      }
      s->eile.clear();
      s->statinis = b;
      s->tipas = b != 0 ? AL_STATIC : AL_UNDETERMINED;
      return;
    }
    case AL_GAIN:
    case AL_ROLLOFF_FACTOR:
    case AL_REFERENCE_DISTANCE:
    case AL_MAX_DISTANCE:
      if (v[0] < 0) {
        Klaida(AL_INVALID_VALUE);
        return;
      }
      break;
    case AL_SOURCE_STATE:
    case AL_BUFFERS_QUEUED:
    case AL_BUFFERS_PROCESSED:
    case AL_SOURCE_TYPE:
      Klaida(AL_INVALID_OPERATION);
      return;
    case AL_POSITION:
    case AL_VELOCITY:
    case AL_DIRECTION:
      if (kiek != 3) {
        Klaida(AL_INVALID_ENUM);
        return;
      }
      break;
    default:
      break;
  }
  s->kiti[kas].assign(v, v + kiek);
}

void GautiSaltini(ALuint vardas, ALenum kas, float* v, int kiek) {
  Saltinis* s = RastiSaltini(vardas);
  if (s == nullptr || v == nullptr) return;
  switch (kas) {
    case AL_SOURCE_STATE:
      Atnaujinti(*s);
      v[0] = float(s->busena);
      return;
    case AL_BUFFERS_QUEUED:
      v[0] = float(s->tipas == AL_STREAMING ? s->eile.size() : 0);
      return;
    case AL_BUFFERS_PROCESSED:
      v[0] = float(Apdoroti(*s));
      return;
    case AL_SOURCE_TYPE:
      v[0] = float(s->tipas);
      return;
    case AL_BUFFER:
      v[0] = float(s->tipas == AL_STATIC ? s->statinis : 0);
      return;
    case AL_LOOPING:
      v[0] = s->kartoti ? 1.0f : 0.0f;
      return;
    case AL_PITCH:
      v[0] = s->aukstis;
      return;
    case AL_SEC_OFFSET:
      Atnaujinti(*s);
      v[0] = float(Pozicija(*s));
      return;
    default:
      break;
  }
  auto it = s->kiti.find(kas);
  for (int i = 0; i < kiek; ++i) {
    float numatyta = (kas == AL_GAIN || kas == AL_MAX_GAIN || kas == AL_REFERENCE_DISTANCE ||
                      kas == AL_ROLLOFF_FACTOR)
                         ? 1.0f
                         : 0.0f;
    v[i] = it != s->kiti.end() && i < int(it->second.size()) ? it->second[i] : numatyta;
  }
}

void NustatytiKlausytoja(ALenum kas, const float* v, int kiek) {
  if (!YraKontekstas()) return;
  if (kas != AL_GAIN && kas != AL_POSITION && kas != AL_VELOCITY && kas != AL_ORIENTATION) {
    Klaida(AL_INVALID_ENUM);
    return;
  }
  dabartinis->klausytojas[kas].assign(v, v + kiek);
}

void GautiKlausytoja(ALenum kas, float* v, int kiek) {
  if (!YraKontekstas() || v == nullptr) return;
  static const float orientacija[6] = {0, 0, -1, 0, 1, 0};
  auto it = dabartinis->klausytojas.find(kas);
  for (int i = 0; i < kiek; ++i) {
    float numatyta = kas == AL_GAIN ? 1.0f : kas == AL_ORIENTATION ? orientacija[i % 6] : 0.0f;
    v[i] = it != dabartinis->klausytojas.end() && i < int(it->second.size()) ? it->second[i]
                                                                          : numatyta;
  }
}

template <typename T>
void Kopijuoti(const float* is, T* i, int kiek) {
  for (int k = 0; k < kiek; ++k) i[k] = T(is[k]);
}

}  // namespace

// ---- ALC ---------------------------------------------------------------------------

ALCdevice* ALC_APIENTRY alcOpenDevice(const ALCchar*) {
  Irenginys* d = new Irenginys;
  irenginiai.push_back(d);
  return reinterpret_cast<ALCdevice*>(d);
}

ALCboolean ALC_APIENTRY alcCloseDevice(ALCdevice* device) {
  if (!YraIrenginys(device)) {
    AlcKlaida(device, ALC_INVALID_DEVICE);
    return ALC_FALSE;
  }
  for (Kontekstas* k : kontekstai)
    if (reinterpret_cast<ALCdevice*>(k->irenginys) == device) {
      AlcKlaida(device, ALC_INVALID_DEVICE);  // contexts must go first
      return ALC_FALSE;
    }
  Irenginys* d = reinterpret_cast<Irenginys*>(device);
  for (size_t i = 0; i < irenginiai.size(); ++i)
    if (irenginiai[i] == d) irenginiai.erase(irenginiai.begin() + long(i));
  delete d;
  if (irenginiai.empty()) {
    buferiai.clear();
    saltiniai.clear();
  }
  return ALC_TRUE;
}

ALCcontext* ALC_APIENTRY alcCreateContext(ALCdevice* device, const ALCint*) {
  if (!YraIrenginys(device)) {
    AlcKlaida(device, ALC_INVALID_DEVICE);
    return nullptr;
  }
  Kontekstas* k = new Kontekstas;
  k->irenginys = reinterpret_cast<Irenginys*>(device);
  kontekstai.push_back(k);
  return reinterpret_cast<ALCcontext*>(k);
}

ALCboolean ALC_APIENTRY alcMakeContextCurrent(ALCcontext* context) {
  if (context == nullptr) {
    dabartinis = nullptr;
    return ALC_TRUE;
  }
  Kontekstas* k = RastiKonteksta(context);
  if (k == nullptr) {
    nulioKlaida = ALC_INVALID_CONTEXT;
    return ALC_FALSE;
  }
  dabartinis = k;
  return ALC_TRUE;
}

void ALC_APIENTRY alcProcessContext(ALCcontext*) {}
void ALC_APIENTRY alcSuspendContext(ALCcontext*) {}

void ALC_APIENTRY alcDestroyContext(ALCcontext* context) {
  Kontekstas* k = RastiKonteksta(context);
  if (k == nullptr) {
    nulioKlaida = ALC_INVALID_CONTEXT;
    return;
  }
  if (dabartinis == k) dabartinis = nullptr;
  for (size_t i = 0; i < kontekstai.size(); ++i)
    if (kontekstai[i] == k) kontekstai.erase(kontekstai.begin() + long(i));
  delete k;
  // Sources belong to their context; with one context at a time, they all go.
  if (kontekstai.empty()) saltiniai.clear();
}

ALCcontext* ALC_APIENTRY alcGetCurrentContext(void) {
  return reinterpret_cast<ALCcontext*>(dabartinis);
}

ALCdevice* ALC_APIENTRY alcGetContextsDevice(ALCcontext* context) {
  Kontekstas* k = RastiKonteksta(context);
  if (k == nullptr) {
    nulioKlaida = ALC_INVALID_CONTEXT;
    return nullptr;
  }
  return reinterpret_cast<ALCdevice*>(k->irenginys);
}

ALCenum ALC_APIENTRY alcGetError(ALCdevice* device) {
  ALCenum* vieta = YraIrenginys(device) ? &reinterpret_cast<Irenginys*>(device)->klaida : &nulioKlaida;
  if (device != nullptr && !YraIrenginys(device)) return ALC_INVALID_DEVICE;
  ALCenum k = *vieta;
  *vieta = ALC_NO_ERROR;
  return k;
}

ALCboolean ALC_APIENTRY alcIsExtensionPresent(ALCdevice*, const ALCchar* extname) {
  return extname != nullptr && std::strcmp(extname, "ALC_ENUMERATION_EXT") == 0 ? ALC_TRUE
                                                                                : ALC_FALSE;
}

void* ALC_APIENTRY alcGetProcAddress(ALCdevice*, const ALCchar* funcname) {
  HMODULE mes = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&alcGetProcAddress), &mes);
  return funcname ? reinterpret_cast<void*>(GetProcAddress(mes, funcname)) : nullptr;
}

ALCenum ALC_APIENTRY alcGetEnumValue(ALCdevice*, const ALCchar*) { return 0; }

const ALCchar* ALC_APIENTRY alcGetString(ALCdevice* device, ALCenum param) {
  static const char vardas[] = "Bandomasis OpenAL irenginys";
  static const char sarasas[] = "Bandomasis OpenAL irenginys\0";
  switch (param) {
    case ALC_NO_ERROR: return "No Error";
    case ALC_INVALID_DEVICE: return "Invalid Device";
    case ALC_INVALID_CONTEXT: return "Invalid Context";
    case ALC_INVALID_ENUM: return "Invalid Enum";
    case ALC_INVALID_VALUE: return "Invalid Value";
    case ALC_OUT_OF_MEMORY: return "Out of Memory";
    case ALC_DEFAULT_DEVICE_SPECIFIER: return vardas;
    case ALC_DEVICE_SPECIFIER: return device ? vardas : sarasas;
    case ALC_EXTENSIONS: return device ? "" : "ALC_ENUMERATION_EXT";
    case ALC_CAPTURE_DEFAULT_DEVICE_SPECIFIER:
    case ALC_CAPTURE_DEVICE_SPECIFIER: return "";
    default:
      AlcKlaida(device, ALC_INVALID_ENUM);
      return nullptr;
  }
}

void ALC_APIENTRY alcGetIntegerv(ALCdevice* device, ALCenum param, ALCsizei size, ALCint* values) {
  if (values == nullptr || size <= 0) {
    AlcKlaida(device, ALC_INVALID_VALUE);
    return;
  }
  switch (param) {
    case ALC_MAJOR_VERSION: values[0] = 1; return;
    case ALC_MINOR_VERSION: values[0] = 1; return;
    case ALC_FREQUENCY: values[0] = 44100; return;
    case ALC_REFRESH: values[0] = 50; return;
    case ALC_SYNC: values[0] = ALC_FALSE; return;
    case ALC_MONO_SOURCES: values[0] = 255; return;
    case ALC_STEREO_SOURCES: values[0] = 1; return;
    case ALC_ATTRIBUTES_SIZE: values[0] = 1; return;
    case ALC_ALL_ATTRIBUTES: values[0] = 0; return;
    default: AlcKlaida(device, ALC_INVALID_ENUM); return;
  }
}

ALCdevice* ALC_APIENTRY alcCaptureOpenDevice(const ALCchar*, ALCuint, ALCenum, ALCsizei) {
  nulioKlaida = ALC_INVALID_VALUE;  // no capture device here
  return nullptr;
}
ALCboolean ALC_APIENTRY alcCaptureCloseDevice(ALCdevice* device) {
  AlcKlaida(device, ALC_INVALID_DEVICE);
  return ALC_FALSE;
}
void ALC_APIENTRY alcCaptureStart(ALCdevice* device) { AlcKlaida(device, ALC_INVALID_DEVICE); }
void ALC_APIENTRY alcCaptureStop(ALCdevice* device) { AlcKlaida(device, ALC_INVALID_DEVICE); }
void ALC_APIENTRY alcCaptureSamples(ALCdevice* device, ALCvoid*, ALCsizei) {
  AlcKlaida(device, ALC_INVALID_DEVICE);
}

// ---- AL state ------------------------------------------------------------------------

ALenum AL_APIENTRY alGetError(void) {
  if (dabartinis == nullptr) return AL_INVALID_OPERATION;
  ALenum k = dabartinis->klaida;
  dabartinis->klaida = AL_NO_ERROR;
  return k;
}

void AL_APIENTRY alEnable(ALenum) { Klaida(AL_INVALID_ENUM); }
void AL_APIENTRY alDisable(ALenum) { Klaida(AL_INVALID_ENUM); }
ALboolean AL_APIENTRY alIsEnabled(ALenum) {
  Klaida(AL_INVALID_ENUM);
  return AL_FALSE;
}

const ALchar* AL_APIENTRY alGetString(ALenum param) {
  if (!YraKontekstas()) return nullptr;
  switch (param) {
    case AL_VENDOR: return "Tankai";
    case AL_VERSION: return "1.1";
    case AL_RENDERER: return "Bandomasis (tylus)";
    case AL_EXTENSIONS: return "";
    case AL_NO_ERROR: return "No Error";
    case AL_INVALID_NAME: return "Invalid Name";
    case AL_INVALID_ENUM: return "Invalid Enum";
    case AL_INVALID_VALUE: return "Invalid Value";
    case AL_INVALID_OPERATION: return "Invalid Operation";
    case AL_OUT_OF_MEMORY: return "Out of Memory";
    default: Klaida(AL_INVALID_ENUM); return nullptr;
  }
}

static float GlobaliReiksme(ALenum param) {
  if (!YraKontekstas()) return 0;
  switch (param) {
    case AL_DOPPLER_FACTOR: return dabartinis->doplerioDaugiklis;
    case AL_DOPPLER_VELOCITY: return dabartinis->doplerioGreitis;
    case AL_SPEED_OF_SOUND: return dabartinis->garsoGreitis;
    case AL_DISTANCE_MODEL: return float(dabartinis->atstumoModelis);
    default: Klaida(AL_INVALID_ENUM); return 0;
  }
}

void AL_APIENTRY alGetBooleanv(ALenum p, ALboolean* v) { if (v) *v = GlobaliReiksme(p) != 0; }
void AL_APIENTRY alGetIntegerv(ALenum p, ALint* v) { if (v) *v = ALint(GlobaliReiksme(p)); }
void AL_APIENTRY alGetFloatv(ALenum p, ALfloat* v) { if (v) *v = GlobaliReiksme(p); }
void AL_APIENTRY alGetDoublev(ALenum p, ALdouble* v) { if (v) *v = GlobaliReiksme(p); }
ALboolean AL_APIENTRY alGetBoolean(ALenum p) { return GlobaliReiksme(p) != 0; }
ALint AL_APIENTRY alGetInteger(ALenum p) { return ALint(GlobaliReiksme(p)); }
ALfloat AL_APIENTRY alGetFloat(ALenum p) { return GlobaliReiksme(p); }
ALdouble AL_APIENTRY alGetDouble(ALenum p) { return GlobaliReiksme(p); }

ALboolean AL_APIENTRY alIsExtensionPresent(const ALchar*) { return AL_FALSE; }
void* AL_APIENTRY alGetProcAddress(const ALchar* fname) { return alcGetProcAddress(nullptr, fname); }
ALenum AL_APIENTRY alGetEnumValue(const ALchar*) { return 0; }

void AL_APIENTRY alDopplerFactor(ALfloat value) {
  if (!YraKontekstas()) return;
  if (value < 0) { Klaida(AL_INVALID_VALUE); return; }
  dabartinis->doplerioDaugiklis = value;
}
void AL_APIENTRY alDopplerVelocity(ALfloat value) {
  if (!YraKontekstas()) return;
  if (value <= 0) { Klaida(AL_INVALID_VALUE); return; }
  dabartinis->doplerioGreitis = value;
}
void AL_APIENTRY alSpeedOfSound(ALfloat value) {
  if (!YraKontekstas()) return;
  if (value <= 0) { Klaida(AL_INVALID_VALUE); return; }
  dabartinis->garsoGreitis = value;
}
void AL_APIENTRY alDistanceModel(ALenum model) {
  if (!YraKontekstas()) return;
  if (model != AL_NONE && (model < AL_INVERSE_DISTANCE || model > AL_EXPONENT_DISTANCE_CLAMPED)) {
    Klaida(AL_INVALID_VALUE);
    return;
  }
  dabartinis->atstumoModelis = model;
}

// ---- listener ----------------------------------------------------------------------------

void AL_APIENTRY alListenerf(ALenum p, ALfloat v) { NustatytiKlausytoja(p, &v, 1); }
void AL_APIENTRY alListener3f(ALenum p, ALfloat a, ALfloat b, ALfloat c) {
  const float v[3] = {a, b, c};
  NustatytiKlausytoja(p, v, 3);
}
void AL_APIENTRY alListenerfv(ALenum p, const ALfloat* v) {
  if (v) NustatytiKlausytoja(p, v, p == AL_ORIENTATION ? 6 : p == AL_GAIN ? 1 : 3);
}
void AL_APIENTRY alListeneri(ALenum p, ALint v) {
  const float f = float(v);
  NustatytiKlausytoja(p, &f, 1);
}
void AL_APIENTRY alListener3i(ALenum p, ALint a, ALint b, ALint c) {
  const float v[3] = {float(a), float(b), float(c)};
  NustatytiKlausytoja(p, v, 3);
}
void AL_APIENTRY alListeneriv(ALenum p, const ALint* v) {
  if (!v) return;
  int n = p == AL_ORIENTATION ? 6 : 3;
  float f[6];
  for (int i = 0; i < n; ++i) f[i] = float(v[i]);
  NustatytiKlausytoja(p, f, n);
}
void AL_APIENTRY alGetListenerf(ALenum p, ALfloat* v) { GautiKlausytoja(p, v, 1); }
void AL_APIENTRY alGetListener3f(ALenum p, ALfloat* a, ALfloat* b, ALfloat* c) {
  float v[3];
  GautiKlausytoja(p, v, 3);
  if (a && b && c) { *a = v[0]; *b = v[1]; *c = v[2]; }
}
void AL_APIENTRY alGetListenerfv(ALenum p, ALfloat* v) {
  GautiKlausytoja(p, v, p == AL_ORIENTATION ? 6 : p == AL_GAIN ? 1 : 3);
}
void AL_APIENTRY alGetListeneri(ALenum p, ALint* v) {
  float f;
  GautiKlausytoja(p, &f, 1);
  if (v) *v = ALint(f);
}
void AL_APIENTRY alGetListener3i(ALenum p, ALint* a, ALint* b, ALint* c) {
  float v[3];
  GautiKlausytoja(p, v, 3);
  if (a && b && c) { *a = ALint(v[0]); *b = ALint(v[1]); *c = ALint(v[2]); }
}
void AL_APIENTRY alGetListeneriv(ALenum p, ALint* v) {
  float f[6];
  int n = p == AL_ORIENTATION ? 6 : 3;
  GautiKlausytoja(p, f, n);
  if (v) Kopijuoti(f, v, n);
}

// ---- sources -----------------------------------------------------------------------------

void AL_APIENTRY alGenSources(ALsizei n, ALuint* sources) {
  if (!YraKontekstas()) return;
  if (n < 0 || (n > 0 && sources == nullptr)) { Klaida(AL_INVALID_VALUE); return; }
  for (ALsizei i = 0; i < n; ++i) {
    sources[i] = kitasVardas++;
    saltiniai[sources[i]] = Saltinis();
  }
}

void AL_APIENTRY alDeleteSources(ALsizei n, const ALuint* sources) {
  if (!YraKontekstas()) return;
  if (n < 0) { Klaida(AL_INVALID_VALUE); return; }
  for (ALsizei i = 0; i < n; ++i)
    if (saltiniai.find(sources[i]) == saltiniai.end()) { Klaida(AL_INVALID_NAME); return; }
  for (ALsizei i = 0; i < n; ++i) saltiniai.erase(sources[i]);
}

ALboolean AL_APIENTRY alIsSource(ALuint source) {
  return YraKontekstas() && saltiniai.find(source) != saltiniai.end();
}

void AL_APIENTRY alSourcef(ALuint s, ALenum p, ALfloat v) { NustatytiSaltini(s, p, &v, 1); }
void AL_APIENTRY alSource3f(ALuint s, ALenum p, ALfloat a, ALfloat b, ALfloat c) {
  const float v[3] = {a, b, c};
  NustatytiSaltini(s, p, v, 3);
}
void AL_APIENTRY alSourcefv(ALuint s, ALenum p, const ALfloat* v) {
  if (v) NustatytiSaltini(s, p, v, (p == AL_POSITION || p == AL_VELOCITY || p == AL_DIRECTION) ? 3 : 1);
}
void AL_APIENTRY alSourcei(ALuint s, ALenum p, ALint v) {
  const float f = float(v);
  NustatytiSaltini(s, p, &f, 1);
}
void AL_APIENTRY alSource3i(ALuint s, ALenum p, ALint a, ALint b, ALint c) {
  const float v[3] = {float(a), float(b), float(c)};
  NustatytiSaltini(s, p, v, 3);
}
void AL_APIENTRY alSourceiv(ALuint s, ALenum p, const ALint* v) {
  if (!v) return;
  int n = (p == AL_POSITION || p == AL_VELOCITY || p == AL_DIRECTION) ? 3 : 1;
  float f[3];
  for (int i = 0; i < n; ++i) f[i] = float(v[i]);
  NustatytiSaltini(s, p, f, n);
}
void AL_APIENTRY alGetSourcef(ALuint s, ALenum p, ALfloat* v) { GautiSaltini(s, p, v, 1); }
void AL_APIENTRY alGetSource3f(ALuint s, ALenum p, ALfloat* a, ALfloat* b, ALfloat* c) {
  float v[3] = {0, 0, 0};
  GautiSaltini(s, p, v, 3);
  if (a && b && c) { *a = v[0]; *b = v[1]; *c = v[2]; }
}
void AL_APIENTRY alGetSourcefv(ALuint s, ALenum p, ALfloat* v) {
  GautiSaltini(s, p, v, (p == AL_POSITION || p == AL_VELOCITY || p == AL_DIRECTION) ? 3 : 1);
}
void AL_APIENTRY alGetSourcei(ALuint s, ALenum p, ALint* v) {
  float f = 0;
  Saltinis* yra = YraKontekstas() ? RastiSaltini(s) : nullptr;
  if (yra == nullptr || v == nullptr) return;
  GautiSaltini(s, p, &f, 1);
  *v = ALint(f);
}
void AL_APIENTRY alGetSource3i(ALuint s, ALenum p, ALint* a, ALint* b, ALint* c) {
  float v[3] = {0, 0, 0};
  GautiSaltini(s, p, v, 3);
  if (a && b && c) { *a = ALint(v[0]); *b = ALint(v[1]); *c = ALint(v[2]); }
}
void AL_APIENTRY alGetSourceiv(ALuint s, ALenum p, ALint* v) {
  int n = (p == AL_POSITION || p == AL_VELOCITY || p == AL_DIRECTION) ? 3 : 1;
  float f[3] = {0, 0, 0};
  GautiSaltini(s, p, f, n);
  if (v) Kopijuoti(f, v, n);
}

void AL_APIENTRY alSourcePlay(ALuint source) {
  if (Saltinis* s = RastiSaltini(source)) Paleisti(*s);
}
void AL_APIENTRY alSourceStop(ALuint source) {
  if (Saltinis* s = RastiSaltini(source)) {
    if (s->busena != AL_INITIAL) s->busena = AL_STOPPED;
  }
}
void AL_APIENTRY alSourceRewind(ALuint source) {
  if (Saltinis* s = RastiSaltini(source)) {
    s->busena = AL_INITIAL;
    s->nuimta = 0;
  }
}
void AL_APIENTRY alSourcePause(ALuint source) {
  if (Saltinis* s = RastiSaltini(source)) {
    Atnaujinti(*s);
    if (s->busena == AL_PLAYING) {
      s->sustabdytaPo = Pozicija(*s);
      s->busena = AL_PAUSED;
    }
  }
}
void AL_APIENTRY alSourcePlayv(ALsizei n, const ALuint* s) { for (ALsizei i = 0; i < n; ++i) alSourcePlay(s[i]); }
void AL_APIENTRY alSourceStopv(ALsizei n, const ALuint* s) { for (ALsizei i = 0; i < n; ++i) alSourceStop(s[i]); }
void AL_APIENTRY alSourceRewindv(ALsizei n, const ALuint* s) { for (ALsizei i = 0; i < n; ++i) alSourceRewind(s[i]); }
void AL_APIENTRY alSourcePausev(ALsizei n, const ALuint* s) { for (ALsizei i = 0; i < n; ++i) alSourcePause(s[i]); }

void AL_APIENTRY alSourceQueueBuffers(ALuint source, ALsizei nb, const ALuint* buffers) {
  Saltinis* s = RastiSaltini(source);
  if (s == nullptr) return;
  if (nb < 0 || (nb > 0 && buffers == nullptr)) { Klaida(AL_INVALID_VALUE); return; }
  if (s->tipas == AL_STATIC) { Klaida(AL_INVALID_OPERATION); return; }
  for (ALsizei i = 0; i < nb; ++i)
    if (buffers[i] != 0 && buferiai.find(buffers[i]) == buferiai.end()) {
      Klaida(AL_INVALID_NAME);
      return;
    }
  for (ALsizei i = 0; i < nb; ++i) s->eile.push_back(buffers[i]);
  if (nb > 0) s->tipas = AL_STREAMING;
}

void AL_APIENTRY alSourceUnqueueBuffers(ALuint source, ALsizei nb, ALuint* buffers) {
  Saltinis* s = RastiSaltini(source);
  if (s == nullptr) return;
  if (nb < 0 || (nb > 0 && buffers == nullptr)) { Klaida(AL_INVALID_VALUE); return; }
  if (s->tipas != AL_STREAMING && nb > 0) { Klaida(AL_INVALID_VALUE); return; }
  // A stopped source has heard all its buffers; one not yet played, none.
  ALint apdoroti = Apdoroti(*s);
  if (nb > apdoroti) { Klaida(AL_INVALID_VALUE); return; }
  bool skamba = s->busena == AL_PLAYING || s->busena == AL_PAUSED;
  for (ALsizei i = 0; i < nb; ++i) {
    buffers[i] = s->eile.front();
    if (skamba) s->nuimta += BuferioTrukme(buffers[i]);
    s->eile.pop_front();
  }
  if (s->eile.empty()) s->tipas = AL_UNDETERMINED;
}

// ---- buffers -------------------------------------------------------------------------------

void AL_APIENTRY alGenBuffers(ALsizei n, ALuint* buffers) {
  if (!YraKontekstas()) return;
  if (n < 0 || (n > 0 && buffers == nullptr)) { Klaida(AL_INVALID_VALUE); return; }
  for (ALsizei i = 0; i < n; ++i) {
    buffers[i] = kitasVardas++;
    buferiai[buffers[i]] = Buferis();
  }
}

static bool BuferisNaudojamas(ALuint b) {
  for (auto& [vardas, s] : saltiniai) {
    if (s.tipas == AL_STATIC && s.statinis == b) return true;
    for (ALuint q : s.eile)
      if (q == b) return true;
  }
  return false;
}

void AL_APIENTRY alDeleteBuffers(ALsizei n, const ALuint* buffers) {
  if (!YraKontekstas()) return;
  if (n < 0) { Klaida(AL_INVALID_VALUE); return; }
  for (ALsizei i = 0; i < n; ++i) {
    if (buffers[i] == 0) continue;
    if (buferiai.find(buffers[i]) == buferiai.end()) { Klaida(AL_INVALID_NAME); return; }
    if (BuferisNaudojamas(buffers[i])) { Klaida(AL_INVALID_OPERATION); return; }
  }
  for (ALsizei i = 0; i < n; ++i) buferiai.erase(buffers[i]);
}

ALboolean AL_APIENTRY alIsBuffer(ALuint buffer) {
  return YraKontekstas() && (buffer == 0 || buferiai.find(buffer) != buferiai.end());
}

void AL_APIENTRY alBufferData(ALuint buffer, ALenum format, const ALvoid* data, ALsizei size, ALsizei freq) {
  Buferis* b = RastiBuferi(buffer);
  if (b == nullptr) return;
  int kanalai, bitai;
  switch (format) {
    case AL_FORMAT_MONO8: kanalai = 1; bitai = 8; break;
    case AL_FORMAT_MONO16: kanalai = 1; bitai = 16; break;
    case AL_FORMAT_STEREO8: kanalai = 2; bitai = 8; break;
    case AL_FORMAT_STEREO16: kanalai = 2; bitai = 16; break;
    default: Klaida(AL_INVALID_ENUM); return;
  }
  if (size < 0 || freq <= 0 || (size > 0 && data == nullptr) || size % (kanalai * bitai / 8) != 0) {
    Klaida(AL_INVALID_VALUE);
    return;
  }
  if (BuferisNaudojamas(buffer)) { Klaida(AL_INVALID_OPERATION); return; }
  b->formatas = format;
  b->dydis = size;
  b->daznis = freq;
  b->kanalai = kanalai;
  b->bitai = bitai;
}

static void BuferioParametras(ALuint buffer) {
  if (RastiBuferi(buffer)) Klaida(AL_INVALID_ENUM);  // no settable buffer parameters in 1.1
}
void AL_APIENTRY alBufferf(ALuint b, ALenum, ALfloat) { BuferioParametras(b); }
void AL_APIENTRY alBuffer3f(ALuint b, ALenum, ALfloat, ALfloat, ALfloat) { BuferioParametras(b); }
void AL_APIENTRY alBufferfv(ALuint b, ALenum, const ALfloat*) { BuferioParametras(b); }
void AL_APIENTRY alBufferi(ALuint b, ALenum, ALint) { BuferioParametras(b); }
void AL_APIENTRY alBuffer3i(ALuint b, ALenum, ALint, ALint, ALint) { BuferioParametras(b); }
void AL_APIENTRY alBufferiv(ALuint b, ALenum, const ALint*) { BuferioParametras(b); }

void AL_APIENTRY alGetBufferi(ALuint buffer, ALenum param, ALint* value) {
  Buferis* b = RastiBuferi(buffer);
  if (b == nullptr || value == nullptr) return;
  switch (param) {
    case AL_FREQUENCY: *value = b->daznis; return;
    case AL_BITS: *value = b->bitai; return;
    case AL_CHANNELS: *value = b->kanalai; return;
    case AL_SIZE: *value = b->dydis; return;
    default: Klaida(AL_INVALID_ENUM); return;
  }
}
void AL_APIENTRY alGetBufferiv(ALuint b, ALenum p, ALint* v) { alGetBufferi(b, p, v); }
void AL_APIENTRY alGetBuffer3i(ALuint b, ALenum, ALint*, ALint*, ALint*) { BuferioParametras(b); }
void AL_APIENTRY alGetBufferf(ALuint b, ALenum, ALfloat*) { BuferioParametras(b); }
void AL_APIENTRY alGetBuffer3f(ALuint b, ALenum, ALfloat*, ALfloat*, ALfloat*) { BuferioParametras(b); }
void AL_APIENTRY alGetBufferfv(ALuint b, ALenum, ALfloat*) { BuferioParametras(b); }
