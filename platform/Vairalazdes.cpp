// The multimedia joystick calls on SDL's joystick API: ids are SDL device indices,
// axes X, Y, Z, R, U, V are SDL axes 0 to 5 scaled to 0..65535, buttons the low 32.
#include <SDL2/SDL.h>

#include <cstring>

#include "platform/Platforma.h"
#include "platform/SdlVidus.h"

namespace platforma {

namespace {

// winmm's id range.
const UINT kIdu = 16;
const int kAsiu = 6;
SDL_Joystick* atidarytos[kIdu] = {};

SDL_Joystick* Atidaryti(UINT id) {
  if (id >= kIdu || !UztikrintiVairalazdes()) return nullptr;
  SDL_Joystick*& j = atidarytos[id];
  if (j && SDL_JoystickGetAttached(j)) return j;
  if (j) {
    SDL_JoystickClose(j);
    j = nullptr;
  }
  if (static_cast<int>(id) >= SDL_NumJoysticks()) return nullptr;
  j = SDL_JoystickOpen(static_cast<int>(id));
  return j;
}

DWORD Asis(SDL_Joystick* j, int asis) {
  if (asis >= SDL_JoystickNumAxes(j)) return 0;
  return static_cast<DWORD>(static_cast<int>(SDL_JoystickGetAxis(j, asis)) + 32768);
}

DWORD Mygtukai(SDL_Joystick* j, DWORD* kiek) {
  DWORD kauke = 0;
  DWORD n = 0;
  int visi = SDL_JoystickNumButtons(j);
  for (int i = 0; i < visi && i < 32; ++i)
    if (SDL_JoystickGetButton(j, i)) {
      kauke |= 1u << i;
      ++n;
    }
  if (kiek) *kiek = n;
  return kauke;
}

DWORD Kryptis(SDL_Joystick* j) {
  if (SDL_JoystickNumHats(j) < 1) return JOY_POVCENTERED;
  switch (SDL_JoystickGetHat(j, 0)) {
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

bool UztikrintiVairalazdes() {
  if (SDL_WasInit(SDL_INIT_JOYSTICK)) return true;
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
  // Positions are polled; queued joystick events would only pile up.
  SDL_JoystickEventState(SDL_IGNORE);
  return true;
}

void UzdarytiVairalazdes() {
  for (SDL_Joystick*& j : atidarytos) {
    if (j) SDL_JoystickClose(j);
    j = nullptr;
  }
}

}  // namespace platforma

using namespace platforma;

UINT joyGetNumDevs(void) { return UztikrintiVairalazdes() ? kIdu : 0; }

MMRESULT joyGetPos(UINT id, JOYINFO* info) {
  if (!info || id >= kIdu) return JOYERR_PARMS;
  if (!UztikrintiVairalazdes() || Sugadinta("joyGetPos")) return JOYERR_UNPLUGGED;
  SDL_JoystickUpdate();
  SDL_Joystick* j = Atidaryti(id);
  if (!j) return JOYERR_UNPLUGGED;
  info->wXpos = Asis(j, 0);
  info->wYpos = Asis(j, 1);
  info->wZpos = Asis(j, 2);
  info->wButtons = Mygtukai(j, nullptr) & 0xF;  // JOYINFO has room for four
  return JOYERR_NOERROR;
}

MMRESULT joyGetDevCapsA(uintptr_t id, JOYCAPSA* caps, UINT dydis) {
  if (!caps || dydis != sizeof(JOYCAPSA) || id >= kIdu) return JOYERR_PARMS;
  SDL_Joystick* j = Atidaryti(static_cast<UINT>(id));
  if (!j) return JOYERR_PARMS;
  std::memset(caps, 0, sizeof *caps);
  caps->wMid = SDL_JoystickGetVendor(j);
  caps->wPid = SDL_JoystickGetProduct(j);
  const char* vardas = SDL_JoystickName(j);
  if (vardas) std::strncpy(caps->szPname, vardas, MAXPNAMELEN - 1);
  int asys = SDL_JoystickNumAxes(j);
  UINT* ribos[kAsiu][2] = {{&caps->wXmin, &caps->wXmax}, {&caps->wYmin, &caps->wYmax},
                           {&caps->wZmin, &caps->wZmax}, {&caps->wRmin, &caps->wRmax},
                           {&caps->wUmin, &caps->wUmax}, {&caps->wVmin, &caps->wVmax}};
  // An axis the device lacks keeps a zero range, so it normalises to 0.
  for (int i = 0; i < kAsiu && i < asys; ++i) {
    *ribos[i][0] = 0;
    *ribos[i][1] = 65535;
  }
  int mygtukai = SDL_JoystickNumButtons(j);
  caps->wNumButtons = static_cast<UINT>(mygtukai < 32 ? mygtukai : 32);
  caps->wPeriodMin = 10;
  caps->wPeriodMax = 1000;
  if (asys > 2) caps->wCaps |= JOYCAPS_HASZ;
  if (asys > 3) caps->wCaps |= JOYCAPS_HASR;
  if (asys > 4) caps->wCaps |= JOYCAPS_HASU;
  if (asys > 5) caps->wCaps |= JOYCAPS_HASV;
  if (SDL_JoystickNumHats(j) > 0) caps->wCaps |= JOYCAPS_HASPOV | JOYCAPS_POV4DIR;
  caps->wMaxAxes = kAsiu;
  caps->wNumAxes = static_cast<UINT>(asys < kAsiu ? asys : kAsiu);
  caps->wMaxButtons = 32;
  return JOYERR_NOERROR;
}

MMRESULT joyGetPosEx(UINT id, JOYINFOEX* info) {
  if (!info || info->dwSize != sizeof(JOYINFOEX) || id >= kIdu) return JOYERR_PARMS;
  if (!UztikrintiVairalazdes() || Sugadinta("joyGetPosEx")) return JOYERR_UNPLUGGED;
  SDL_JoystickUpdate();
  SDL_Joystick* j = Atidaryti(id);
  if (!j) return JOYERR_UNPLUGGED;
  DWORD v = info->dwFlags;
  if (v & JOY_RETURNX) info->dwXpos = Asis(j, 0);
  if (v & JOY_RETURNY) info->dwYpos = Asis(j, 1);
  if (v & JOY_RETURNZ) info->dwZpos = Asis(j, 2);
  if (v & JOY_RETURNR) info->dwRpos = Asis(j, 3);
  if (v & JOY_RETURNU) info->dwUpos = Asis(j, 4);
  if (v & JOY_RETURNV) info->dwVpos = Asis(j, 5);
  if (v & JOY_RETURNPOV) info->dwPOV = Kryptis(j);
  if (v & JOY_RETURNBUTTONS) info->dwButtons = Mygtukai(j, &info->dwButtonNumber);
  return JOYERR_NOERROR;
}
