#pragma once
// XInput pads on Windows (every Xbox-style pad), read as joysticks of their own in the one
// pad layout (platform/PadoIsdestymas.h), so the right stick turns the turret here as on
// Linux. XInput is loaded at run time, xinput1_4.dll, else xinput9_1_0.dll; with neither
// the pads are read through winmm alone, as before. Such a pad is then not taken a second
// time from winmm. Elsewhere SDL's layer reads pads in the same layout.
#ifdef _WIN32
#include <cstdint>

#include "platform/Platforma.h"

#include <xinput.h>

class KXInput {
 public:
  static constexpr int PULTU = XUSER_MAX_COUNT;  // XInput's four user slots
  static constexpr int32_t PIRMAS_ID = 16;       // joystick ids after winmm's sixteen

  // Loads the DLL once; true when one with XInputGetState was found.
  static bool Uzkrauti();
  static bool Prijungtas(int pultas);
  // As joyGetDevCapsA and joyGetPosEx do for a winmm id; JOYERR_UNPLUGGED when the pad is gone.
  static MMRESULT Galimybes(int pultas, JOYCAPSA* galimybes);
  static MMRESULT Padetis(int pultas, JOYINFOEX* padetis);
  // Whether the winmm joystick is a pad XInput reads (only while XInput is loaded).
  static bool Dubliuoja(UINT winmmId);

  // One pad's state in the joystick's terms: positions 0..65535, down and right growing.
  static void Isversti(const XINPUT_GAMEPAD& pultas, JOYINFOEX* padetis);
  // Whether a raw-input device path is an XInput pad's ("IG_" in it), with its USB ids.
  static bool XInputKelias(const char* kelias, WORD* vid, WORD* pid);
};
#endif
