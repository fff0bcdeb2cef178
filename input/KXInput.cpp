#ifdef _WIN32
#include "input/KXInput.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/PadoIsdestymas.h"

namespace {

typedef DWORD(WINAPI* XInputGetStateF)(DWORD, XINPUT_STATE*);
XInputGetStateF gautiBukle = nullptr;
bool bandyta = false;

WORD Mygtukas(PadoMygtukas m) {
  switch (m) {
    case PadoMygtukas::A: return XINPUT_GAMEPAD_A;
    case PadoMygtukas::Y: return XINPUT_GAMEPAD_Y;
    case PadoMygtukas::KairysPetys: return XINPUT_GAMEPAD_LEFT_SHOULDER;
    case PadoMygtukas::DesinysPetys: return XINPUT_GAMEPAD_RIGHT_SHOULDER;
  }
  return 0;
}

// XInput's sticks grow up and right; the joystick's axes down and right.
DWORD Asis(const XINPUT_GAMEPAD& p, PadoAsis a) {
  switch (a) {
    case PadoAsis::KairysX: return static_cast<DWORD>(p.sThumbLX + 32768);
    case PadoAsis::KairysY: return static_cast<DWORD>(32767 - p.sThumbLY);
    case PadoAsis::DesinysX: return static_cast<DWORD>(p.sThumbRX + 32768);
    case PadoAsis::DesinysY: return static_cast<DWORD>(32767 - p.sThumbRY);
  }
  return 0;
}

}  // namespace

bool KXInput::Uzkrauti() {
  if (bandyta) return gautiBukle != nullptr;
  bandyta = true;
  const char* const vardai[] = {"xinput1_4.dll", "xinput9_1_0.dll"};
  for (const char* vardas : vardai) {
    HMODULE dll = LoadLibraryA(vardas);
    if (!dll) continue;
    gautiBukle = reinterpret_cast<XInputGetStateF>(reinterpret_cast<void (*)()>(GetProcAddress(dll, "XInputGetState")));
    if (gautiBukle) return true;
    FreeLibrary(dll);
  }
  return false;
}

bool KXInput::Prijungtas(int pultas) {
  XINPUT_STATE b;
  return Uzkrauti() && gautiBukle(static_cast<DWORD>(pultas), &b) == ERROR_SUCCESS;
}

MMRESULT KXInput::Galimybes(int pultas, JOYCAPSA* g) {
  if (!Prijungtas(pultas)) return JOYERR_UNPLUGGED;
  std::memset(g, 0, sizeof *g);
  std::snprintf(g->szPname, sizeof g->szPname, "XInput %d", pultas + 1);
  UINT* ribos[6][2] = {{&g->wXmin, &g->wXmax}, {&g->wYmin, &g->wYmax}, {&g->wZmin, &g->wZmax},
                       {&g->wRmin, &g->wRmax}, {&g->wUmin, &g->wUmax}, {&g->wVmin, &g->wVmax}};
  const UINT turi[6] = {0, 0, JOYCAPS_HASZ, JOYCAPS_HASR, JOYCAPS_HASU, JOYCAPS_HASV};
  for (const PadoAsiesVieta& a : PADO_ASYS) {
    *ribos[a.vieta][1] = 65535;
    g->wCaps |= turi[a.vieta];
    if (a.vieta + 1u > g->wNumAxes) g->wNumAxes = a.vieta + 1u;
  }
  for (const PadoMygtukoVieta& m : PADO_MYGTUKAI)
    if (m.indeksas + 1u > g->wNumButtons) g->wNumButtons = m.indeksas + 1u;
  g->wCaps |= JOYCAPS_HASPOV | JOYCAPS_POV4DIR;
  g->wMaxAxes = 6;
  g->wMaxButtons = 32;
  return JOYERR_NOERROR;
}

MMRESULT KXInput::Padetis(int pultas, JOYINFOEX* p) {
  XINPUT_STATE b;
  if (!Uzkrauti() || gautiBukle(static_cast<DWORD>(pultas), &b) != ERROR_SUCCESS) return JOYERR_UNPLUGGED;
  Isversti(b.Gamepad, p);
  return JOYERR_NOERROR;
}

void KXInput::Isversti(const XINPUT_GAMEPAD& pultas, JOYINFOEX* p) {
  DWORD* vietos[6] = {&p->dwXpos, &p->dwYpos, &p->dwZpos, &p->dwRpos, &p->dwUpos, &p->dwVpos};
  for (DWORD* v : vietos) *v = 0;  // axes the layout leaves out have no range
  for (const PadoAsiesVieta& a : PADO_ASYS) *vietos[a.vieta] = Asis(pultas, a.asis);
  p->dwButtons = 0;
  for (const PadoMygtukoVieta& m : PADO_MYGTUKAI)
    if (pultas.wButtons & Mygtukas(m.mygtukas)) p->dwButtons |= 1u << m.indeksas;
  p->dwButtonNumber = static_cast<DWORD>(__builtin_popcount(p->dwButtons));
  // The d-pad as the point-of-view hat; opposite directions held together cancel.
  const WORD b = pultas.wButtons;
  const int x = !!(b & XINPUT_GAMEPAD_DPAD_RIGHT) - !!(b & XINPUT_GAMEPAD_DPAD_LEFT);
  const int y = !!(b & XINPUT_GAMEPAD_DPAD_UP) - !!(b & XINPUT_GAMEPAD_DPAD_DOWN);
  static const DWORD kampai[3][3] = {{22500, 27000, 31500}, {18000, JOY_POVCENTERED, 0}, {13500, 9000, 4500}};
  p->dwPOV = kampai[x + 1][y + 1];
}

bool KXInput::XInputKelias(const char* kelias, WORD* vid, WORD* pid) {
  char didziosios[256];
  size_t n = 0;
  for (; kelias[n] && n + 1 < sizeof didziosios; ++n)
    didziosios[n] = static_cast<char>(std::toupper(static_cast<unsigned char>(kelias[n])));
  didziosios[n] = '\0';
  const char* v = std::strstr(didziosios, "VID_");
  const char* p = std::strstr(didziosios, "PID_");
  unsigned a = 0, b = 0;
  if (!std::strstr(didziosios, "IG_") || !v || !p || std::sscanf(v + 4, "%4x", &a) != 1 ||
      std::sscanf(p + 4, "%4x", &b) != 1)
    return false;
  *vid = static_cast<WORD>(a);
  *pid = static_cast<WORD>(b);
  return true;
}

bool KXInput::Dubliuoja(UINT winmmId) {
  if (!Uzkrauti()) return false;
  JOYCAPSA g;
  if (joyGetDevCapsA(winmmId, &g, sizeof g) != JOYERR_NOERROR) return false;
  // Windows marks the raw-input path of every XInput pad with "IG_"; winmm gives the
  // USB vendor and product ids to match it by. A machine with more devices than this
  // list holds is looked at in part.
  RAWINPUTDEVICELIST irenginiai[64];
  UINT kiek = 64;
  const UINT rasta = GetRawInputDeviceList(irenginiai, &kiek, sizeof(RAWINPUTDEVICELIST));
  if (rasta == static_cast<UINT>(-1)) return false;
  for (UINT i = 0; i < rasta; ++i) {
    if (irenginiai[i].dwType != RIM_TYPEHID) continue;
    char kelias[256];
    UINT ilgis = sizeof kelias;
    if (GetRawInputDeviceInfoA(irenginiai[i].hDevice, RIDI_DEVICENAME, kelias, &ilgis) == static_cast<UINT>(-1))
      continue;
    kelias[sizeof kelias - 1] = '\0';
    WORD vid, pid;
    if (XInputKelias(kelias, &vid, &pid) && vid == g.wMid && pid == g.wPid) return true;
  }
  return false;
}
#endif
