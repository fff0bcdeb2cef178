#include "input/KVairalazde.h"

#include "core/Zurnalas.h"
#include "input/KXInput.h"

namespace {

// The device behind an id: winmm's, or on Windows an XInput pad's (ids from 16).
MMRESULT Galimybes(int32_t id, JOYCAPSA* g) {
#ifdef _WIN32
  if (id >= KXInput::PIRMAS_ID) return KXInput::Galimybes(id - KXInput::PIRMAS_ID, g);
#endif
  return joyGetDevCapsA(static_cast<uintptr_t>(id), g, sizeof(JOYCAPSA));
}

MMRESULT Padetis(int32_t id, JOYINFOEX* p) {
#ifdef _WIN32
  if (id >= KXInput::PIRMAS_ID) return KXInput::Padetis(id - KXInput::PIRMAS_ID, p);
#endif
  return joyGetPosEx(static_cast<UINT>(id), p);
}

}  // namespace

void KVairalazde::Sukurti(int32_t irenginys) {
  // A record made before holds nothing that needs releasing.
  sukurta = false;
  id = irenginys;
  Galimybes(id, &galimybes);
  padetis.dwSize = sizeof(JOYINFOEX);
  padetis.dwFlags = JOY_RETURNALL;
  sukurta = true;
  prijungta = true;
  Kalibruoti();
}

void KVairalazde::Kalibruoti() {
  Padetis(id, &padetis);
  const UINT ribos[6][2] = {{galimybes.wXmin, galimybes.wXmax}, {galimybes.wYmin, galimybes.wYmax},
                            {galimybes.wZmin, galimybes.wZmax}, {galimybes.wRmin, galimybes.wRmax},
                            {galimybes.wUmin, galimybes.wUmax}, {galimybes.wVmin, galimybes.wVmax}};
  const DWORD padetys[6] = {padetis.dwXpos, padetis.dwYpos, padetis.dwZpos,
                            padetis.dwRpos, padetis.dwUpos, padetis.dwVpos};
  for (int i = 0; i < 6; ++i) {
    kalibracija[i].min = static_cast<int32_t>(ribos[i][0]);
    kalibracija[i].max = static_cast<int32_t>(ribos[i][1]);
    kalibracija[i].centras = static_cast<int32_t>(padetys[i]);
  }
  ZurnalasF("Kalibruojama (%i): %i %i", id, static_cast<int>(padetis.dwXpos), kalibracija[0].centras);
}

void KVairalazde::Mygtukai(DWORD kauke) {
  for (int i = 0; i < 32; ++i) {
    bool nuspaustas = (kauke & (1u << i)) != 0;
    uint8_t& b = mygtukai[i];
    if (nuspaustas)
      b = (b < 2) ? 2 : 3;
    else
      b = (b >= 2) ? 1 : 0;
  }
}

void KVairalazde::Atnaujinti() {
  // Any other failed poll leaves the record as it was: the last positions and buttons
  // stand. A device pulled out lets go of everything, so no tank drives or fires on.
  if (prijungta && Padetis(id, &padetis) == JOYERR_UNPLUGGED) prijungta = false;
  if (!prijungta) {
    Mygtukai(0);
    for (int i = 0; i < 6; ++i) asys[i] = 0.0f;
    return;
  }
  Mygtukai(padetis.dwButtons);
  const DWORD padetys[6] = {padetis.dwXpos, padetis.dwYpos, padetis.dwZpos,
                            padetis.dwRpos, padetis.dwUpos, padetis.dwVpos};
  for (int i = 0; i < 6; ++i) {
    asys[i] = static_cast<float>(padetys[i]);
    const Kalibracija& k = kalibracija[i];
    float v = asys[i];
    float c = static_cast<float>(k.centras);
    if (v >= c) {
      int32_t dalis = k.max - k.centras;
      asys[i] = dalis != 0 ? (v - c) / static_cast<float>(dalis) : 0.0f;
    } else {
      int32_t dalis = k.min - k.centras;
      asys[i] = dalis != 0 ? (c - v) / static_cast<float>(dalis) : 0.0f;
    }
  }
}
