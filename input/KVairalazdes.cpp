#include "input/KVairalazdes.h"

#include "input/KXInput.h"

int32_t KVairalazdes::kiekis = 0;
bool KVairalazdes::sukurta = false;
KVairalazde* KVairalazdes::vairalazdes = nullptr;

namespace {

KVairalazde irasai[KVairalazdes::TALPA];
// The counter's reading at the last look for new joysticks, and its ticks a second.
LONGLONG paskutinePaieska = 0, daznis = 1;
// A joystick came or went since Atnaujinti last answered.
bool pasikeite = false;

void Apklausti(KVairalazde& v) {
  const bool buvo = v.prijungta;
  v.Atnaujinti();
  if (v.prijungta != buvo) pasikeite = true;
}

KVairalazde* Rasti(int32_t id) {
  for (int32_t i = 0; i < KVairalazdes::kiekis; ++i)
    if (irasai[i].id == id) return &irasai[i];
  return nullptr;
}

// Makes the joystick at the id, in its old record or a new one; false when full.
bool Prijungti(int32_t id) {
  KVairalazde* v = Rasti(id);
  if (!v) {
    if (KVairalazdes::kiekis == KVairalazdes::TALPA) return false;
    v = &irasai[KVairalazdes::kiekis++];
    *v = KVairalazde{};
  }
  v->Sukurti(id);
  KVairalazdes::vairalazdes = irasai;
  pasikeite = true;
  return true;
}

}  // namespace

void KVairalazdes::Ieskoti() {
#ifdef _WIN32
  for (int p = 0; p < KXInput::PULTU; ++p) {
    const KVairalazde* v = Rasti(KXInput::PIRMAS_ID + p);
    if ((!v || !v->prijungta) && KXInput::Prijungtas(p) && !Prijungti(KXInput::PIRMAS_ID + p)) return;
  }
#endif
  // Only an unbroken run of ids from 0 counts; an id known already keeps the run going
  // while its device is away.
  const UINT n = joyGetNumDevs();
  JOYINFO info;
  for (UINT id = 0; id < n; ++id) {
    const KVairalazde* v = Rasti(static_cast<int32_t>(id));
    if (v && v->prijungta) continue;
    if (joyGetPos(id, &info) != JOYERR_NOERROR) {
      if (v) continue;
      break;
    }
#ifdef _WIN32
    if (KXInput::Dubliuoja(id)) continue;  // read through XInput already
#endif
    if (!Prijungti(static_cast<int32_t>(id))) return;
  }
}

void KVairalazdes::Sukurti() {
  if (sukurta) Naikinti();
  LARGE_INTEGER t;
  if (QueryPerformanceFrequency(&t) && t.QuadPart > 0) daznis = t.QuadPart;
  QueryPerformanceCounter(&t);
  paskutinePaieska = t.QuadPart;
  Ieskoti();
  pasikeite = false;  // the caller takes the first joystick now
  sukurta = true;
}

bool KVairalazdes::Atnaujinti() {
  for (int32_t i = 0; i < kiekis; ++i) Apklausti(irasai[i]);
  // Looking costs a call that fails for every id with nothing there: twice a second.
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  if (sukurta && t.QuadPart - paskutinePaieska >= daznis / 2) {
    paskutinePaieska = t.QuadPart;
    Ieskoti();
  }
  const bool buvo = pasikeite;
  pasikeite = false;
  return buvo;
}

void KVairalazdes::Kalibruoti() {
  for (int32_t i = 0; i < kiekis; ++i) {
    Apklausti(irasai[i]);
    if (irasai[i].prijungta) irasai[i].Kalibruoti();
  }
}

void KVairalazdes::Naikinti() {
  if (!sukurta) return;
  vairalazdes = nullptr;
  kiekis = 0;
  sukurta = false;
}

KVairalazde* KVairalazdes::Pirmoji() {
  for (int32_t i = 0; i < kiekis; ++i)
    if (irasai[i].prijungta) return &irasai[i];
  return nullptr;
}
