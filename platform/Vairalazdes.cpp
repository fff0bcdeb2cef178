// The multimedia joystick calls on SDL. Each device SDL finds takes the lowest free id
// (0 to 15) and keeps it while it stays attached, as winmm's ids do: a device plugged in
// later takes a free id, one pulled out leaves its id answering "unplugged" until another
// takes it. A pad SDL's game-controller database knows is read through the game-controller
// API in the one pad layout (platform/PadoIsdestymas.h); any other device is read raw: axes
// X, Y, Z, R, U, V are SDL axes 0 to 5 scaled to 0..65535, buttons the low 32, the first
// hat the point of view.
#include <SDL2/SDL.h>

#include <cstring>
#include <string>

#include "platform/PadoIsdestymas.h"
#include "platform/Platforma.h"
#include "platform/SdlVidus.h"

namespace platforma {

namespace {

// winmm's id range.
const UINT kIdu = 16;
const int kAsiu = 6;

struct Irenginys {
  SDL_Joystick* j = nullptr;             // null: the id is free
  SDL_GameController* pultas = nullptr;  // set when the device is read in the pad layout
};
Irenginys irenginiai[kIdu];

SDL_GameControllerButton SdlMygtukas(PadoMygtukas m) {
  switch (m) {
    case PadoMygtukas::A: return SDL_CONTROLLER_BUTTON_A;
    case PadoMygtukas::Y: return SDL_CONTROLLER_BUTTON_Y;
    case PadoMygtukas::KairysPetys: return SDL_CONTROLLER_BUTTON_LEFTSHOULDER;
    case PadoMygtukas::DesinysPetys: return SDL_CONTROLLER_BUTTON_RIGHTSHOULDER;
  }
  return SDL_CONTROLLER_BUTTON_INVALID;
}

SDL_GameControllerAxis SdlAsis(PadoAsis a) {
  switch (a) {
    case PadoAsis::KairysX: return SDL_CONTROLLER_AXIS_LEFTX;
    case PadoAsis::KairysY: return SDL_CONTROLLER_AXIS_LEFTY;
    case PadoAsis::DesinysX: return SDL_CONTROLLER_AXIS_RIGHTX;
    case PadoAsis::DesinysY: return SDL_CONTROLLER_AXIS_RIGHTY;
  }
  return SDL_CONTROLLER_AXIS_INVALID;
}

void Uzdaryti(Irenginys& i) {
  if (i.pultas)
    SDL_GameControllerClose(i.pultas);
  else if (i.j)
    SDL_JoystickClose(i.j);
  i = Irenginys{};
}

bool Turimas(SDL_JoystickID egzempliorius) {
  for (const Irenginys& i : irenginiai)
    if (i.j && SDL_JoystickInstanceID(i.j) == egzempliorius) return true;
  return false;
}

// Brings the ids up to date with the devices attached now: frees those gone, gives new
// ones the lowest free ids. Nothing is allocated unless a device came.
void Sinchronizuoti() {
  SDL_JoystickUpdate();
  for (Irenginys& i : irenginiai)
    if (i.j && !SDL_JoystickGetAttached(i.j)) Uzdaryti(i);
  const int n = SDL_NumJoysticks();
  for (int d = 0; d < n; ++d) {
    if (Turimas(SDL_JoystickGetDeviceInstanceID(d))) continue;
    Irenginys* laisvas = nullptr;
    for (Irenginys& i : irenginiai)
      if (!i.j) {
        laisvas = &i;
        break;
      }
    if (!laisvas) return;
    if (SDL_IsGameController(d)) {
      laisvas->pultas = SDL_GameControllerOpen(d);
      if (laisvas->pultas) laisvas->j = SDL_GameControllerGetJoystick(laisvas->pultas);
    }
    if (!laisvas->j) {
      laisvas->pultas = nullptr;
      laisvas->j = SDL_JoystickOpen(d);
    }
  }
}

const Irenginys* Atidaryti(UINT id) {
  if (id >= kIdu || !UztikrintiVairalazdes()) return nullptr;
  Sinchronizuoti();
  return irenginiai[id].j ? &irenginiai[id] : nullptr;
}

bool TuriAsi(const Irenginys& i, int vieta) {
  if (!i.pultas) return vieta < SDL_JoystickNumAxes(i.j);
  for (const PadoAsiesVieta& a : PADO_ASYS)
    if (a.vieta == vieta) return SDL_GameControllerHasAxis(i.pultas, SdlAsis(a.asis)) == SDL_TRUE;
  return false;
}

DWORD Asis(const Irenginys& i, int vieta) {
  if (!TuriAsi(i, vieta)) return 0;
  Sint16 v = 0;
  if (!i.pultas) {
    v = SDL_JoystickGetAxis(i.j, vieta);
  } else {
    for (const PadoAsiesVieta& a : PADO_ASYS)
      if (a.vieta == vieta) v = SDL_GameControllerGetAxis(i.pultas, SdlAsis(a.asis));
  }
  return static_cast<DWORD>(static_cast<int>(v) + 32768);
}

DWORD Mygtukai(const Irenginys& i) {
  DWORD kauke = 0;
  if (i.pultas) {
    for (const PadoMygtukoVieta& m : PADO_MYGTUKAI)
      if (SDL_GameControllerGetButton(i.pultas, SdlMygtukas(m.mygtukas))) kauke |= 1u << m.indeksas;
    return kauke;
  }
  const int visi = SDL_JoystickNumButtons(i.j);
  for (int b = 0; b < visi && b < 32; ++b)
    if (SDL_JoystickGetButton(i.j, b)) kauke |= 1u << b;
  return kauke;
}

int MygtukuKiekis(const Irenginys& i) {
  if (!i.pultas) {
    const int n = SDL_JoystickNumButtons(i.j);
    return n < 32 ? n : 32;
  }
  int n = 0;
  for (const PadoMygtukoVieta& m : PADO_MYGTUKAI)
    if (SDL_GameControllerHasButton(i.pultas, SdlMygtukas(m.mygtukas)) && m.indeksas + 1 > n) n = m.indeksas + 1;
  return n;
}

bool TuriKrypti(const Irenginys& i) {
  if (!i.pultas) return SDL_JoystickNumHats(i.j) > 0;
  return SDL_GameControllerHasButton(i.pultas, SDL_CONTROLLER_BUTTON_DPAD_UP) == SDL_TRUE;
}

DWORD Kryptis(const Irenginys& i) {
  if (!TuriKrypti(i)) return JOY_POVCENTERED;
  Uint8 kepure = 0;
  if (!i.pultas) {
    kepure = SDL_JoystickGetHat(i.j, 0);
  } else {
    const struct { SDL_GameControllerButton mygtukas; Uint8 kryptis; } kryzmas[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_HAT_UP}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_HAT_RIGHT},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_HAT_DOWN}, {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_HAT_LEFT}};
    for (const auto& k : kryzmas)
      if (SDL_GameControllerGetButton(i.pultas, k.mygtukas)) kepure |= k.kryptis;
  }
  switch (kepure) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return JOY_POVCENTERED;
  }
}

}  // namespace

int UzkrautiPaduAprasus(const char* failas) {
  SDL_RWops* f = SDL_RWFromFile(failas, "rb");
  // SDL checks every line and skips those it cannot read or that are for another system.
  return f ? SDL_GameControllerAddMappingsFromRW(f, 1) : -1;
}

bool UztikrintiVairalazdes() {
  if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) return true;
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
  // Positions are polled; queued joystick events would only pile up.
  SDL_JoystickEventState(SDL_IGNORE);
  SDL_GameControllerEventState(SDL_IGNORE);
  // The community's mappings beside the game, when it has them. They add to SDL's own;
  // mappings given in SDL_GAMECONTROLLERCONFIG rank above both.
  if (char* aplankas = SDL_GetBasePath()) {
    UzkrautiPaduAprasus((std::string(aplankas) + "gamecontrollerdb.txt").c_str());
    SDL_free(aplankas);
  }
  return true;
}

void UzdarytiVairalazdes() {
  for (Irenginys& i : irenginiai) Uzdaryti(i);
}

}  // namespace platforma

using namespace platforma;

UINT joyGetNumDevs(void) { return UztikrintiVairalazdes() ? kIdu : 0; }

MMRESULT joyGetPos(UINT id, JOYINFO* info) {
  if (!info || id >= kIdu) return JOYERR_PARMS;
  if (!UztikrintiVairalazdes() || Sugadinta("joyGetPos")) return JOYERR_UNPLUGGED;
  const Irenginys* i = Atidaryti(id);
  if (!i) return JOYERR_UNPLUGGED;
  info->wXpos = Asis(*i, 0);
  info->wYpos = Asis(*i, 1);
  info->wZpos = Asis(*i, 2);
  info->wButtons = Mygtukai(*i) & 0xF;  // JOYINFO has room for four
  return JOYERR_NOERROR;
}

MMRESULT joyGetDevCapsA(uintptr_t id, JOYCAPSA* caps, UINT dydis) {
  if (!caps || dydis != sizeof(JOYCAPSA) || id >= kIdu) return JOYERR_PARMS;
  const Irenginys* i = Atidaryti(static_cast<UINT>(id));
  if (!i) return JOYERR_PARMS;
  std::memset(caps, 0, sizeof *caps);
  caps->wMid = SDL_JoystickGetVendor(i->j);
  caps->wPid = SDL_JoystickGetProduct(i->j);
  const char* vardas = SDL_JoystickName(i->j);
  if (vardas) std::strncpy(caps->szPname, vardas, MAXPNAMELEN - 1);
  UINT* ribos[kAsiu][2] = {{&caps->wXmin, &caps->wXmax}, {&caps->wYmin, &caps->wYmax},
                           {&caps->wZmin, &caps->wZmax}, {&caps->wRmin, &caps->wRmax},
                           {&caps->wUmin, &caps->wUmax}, {&caps->wVmin, &caps->wVmax}};
  const DWORD turi[kAsiu] = {0, 0, JOYCAPS_HASZ, JOYCAPS_HASR, JOYCAPS_HASU, JOYCAPS_HASV};
  // An axis the device lacks keeps a zero range, so it normalises to 0.
  for (int a = 0; a < kAsiu; ++a) {
    if (!TuriAsi(*i, a)) continue;
    *ribos[a][0] = 0;
    *ribos[a][1] = 65535;
    caps->wCaps |= turi[a];
    caps->wNumAxes = static_cast<UINT>(a + 1);
  }
  caps->wNumButtons = static_cast<UINT>(MygtukuKiekis(*i));
  caps->wPeriodMin = 10;
  caps->wPeriodMax = 1000;
  if (TuriKrypti(*i)) caps->wCaps |= JOYCAPS_HASPOV | JOYCAPS_POV4DIR;
  caps->wMaxAxes = kAsiu;
  caps->wMaxButtons = 32;
  return JOYERR_NOERROR;
}

MMRESULT joyGetPosEx(UINT id, JOYINFOEX* info) {
  if (!info || info->dwSize != sizeof(JOYINFOEX) || id >= kIdu) return JOYERR_PARMS;
  if (!UztikrintiVairalazdes()) return JOYERR_UNPLUGGED;
  // A failure that is not the device going away: the caller keeps what it had.
  if (Sugadinta("joyGetPosEx")) return MMSYSERR_NODRIVER;
  const Irenginys* i = Atidaryti(id);
  if (!i) return JOYERR_UNPLUGGED;
  DWORD v = info->dwFlags;
  if (v & JOY_RETURNX) info->dwXpos = Asis(*i, 0);
  if (v & JOY_RETURNY) info->dwYpos = Asis(*i, 1);
  if (v & JOY_RETURNZ) info->dwZpos = Asis(*i, 2);
  if (v & JOY_RETURNR) info->dwRpos = Asis(*i, 3);
  if (v & JOY_RETURNU) info->dwUpos = Asis(*i, 4);
  if (v & JOY_RETURNV) info->dwVpos = Asis(*i, 5);
  if (v & JOY_RETURNPOV) info->dwPOV = Kryptis(*i);
  if (v & JOY_RETURNBUTTONS) {
    info->dwButtons = Mygtukai(*i);
    info->dwButtonNumber = static_cast<DWORD>(__builtin_popcount(info->dwButtons));
  }
  return JOYERR_NOERROR;
}
