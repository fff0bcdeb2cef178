// XInput pads in the one pad layout: an Xbox-style pad's state as the joystick the game
// reads (each control in turn, the rest at rest), and which raw-input device paths mark
// an XInput pad, so that winmm's view of it is left out.
#include <gtest/gtest.h>

#include <cstring>

#include "app/Valdymas.h"
#include "input/KXInput.h"

namespace v = valdymas;

TEST(XInputPad, Layout) {
  const struct {
    const char* kas;
    WORD mygtukai;
    SHORT lx, ly, rx, ry;
    int mygtukas;                // the joystick button index pressed, or -1
    int vieta;                   // the axis slot moved off its middle, or -1
    DWORD padetis;               // its raw position
    DWORD kryptis;               // the hat
  } atvejai[] = {
      {"A fires", XINPUT_GAMEPAD_A, 0, 0, 0, 0, v::MYGTUKAS_SAUTI, -1, 0, JOY_POVCENTERED},
      {"RB fires", XINPUT_GAMEPAD_RIGHT_SHOULDER, 0, 0, 0, 0, v::MYGTUKAS_SAUTI_ANTRAS, -1, 0, JOY_POVCENTERED},
      {"Y: next tank", XINPUT_GAMEPAD_Y, 0, 0, 0, 0, v::MYGTUKAS_KITAS_TANKAS, -1, 0, JOY_POVCENTERED},
      {"LB: next tank", XINPUT_GAMEPAD_LEFT_SHOULDER, 0, 0, 0, 0, v::MYGTUKAS_KITAS_TANKAS, -1, 0, JOY_POVCENTERED},
      {"B is no button of the game", XINPUT_GAMEPAD_B, 0, 0, 0, 0, -1, -1, 0, JOY_POVCENTERED},
      {"left stick right", 0, 32767, 0, 0, 0, -1, v::ASIS_X, 65535, JOY_POVCENTERED},
      {"left stick left", 0, -32768, 0, 0, 0, -1, v::ASIS_X, 0, JOY_POVCENTERED},
      {"left stick up is up", 0, 0, 32767, 0, 0, -1, v::ASIS_Y, 0, JOY_POVCENTERED},
      {"left stick down", 0, 0, -32768, 0, 0, -1, v::ASIS_Y, 65535, JOY_POVCENTERED},
      {"right stick across turns the turret", 0, 0, 0, 32767, 0, -1, v::ASIS_BOKSTELIS, 65535, JOY_POVCENTERED},
      {"right stick up: the fifth axis", 0, 0, 0, 0, 32767, -1, 4, 0, JOY_POVCENTERED},
      {"d-pad up", XINPUT_GAMEPAD_DPAD_UP, 0, 0, 0, 0, -1, -1, 0, 0},
      {"d-pad down and left", XINPUT_GAMEPAD_DPAD_DOWN | XINPUT_GAMEPAD_DPAD_LEFT, 0, 0, 0, 0, -1, -1, 0, 22500},
      {"d-pad up and right", XINPUT_GAMEPAD_DPAD_UP | XINPUT_GAMEPAD_DPAD_RIGHT, 0, 0, 0, 0, -1, -1, 0, 4500},
      {"d-pad left and right cancel", XINPUT_GAMEPAD_DPAD_LEFT | XINPUT_GAMEPAD_DPAD_RIGHT, 0, 0, 0, 0, -1, -1, 0,
       JOY_POVCENTERED},
  };
  for (const auto& a : atvejai) {
    XINPUT_GAMEPAD p = {};
    p.wButtons = a.mygtukai;
    p.sThumbLX = a.lx;
    p.sThumbLY = a.ly;
    p.sThumbRX = a.rx;
    p.sThumbRY = a.ry;
    JOYINFOEX j;
    std::memset(&j, 0xAB, sizeof j);
    KXInput::Isversti(p, &j);
    EXPECT_EQ(j.dwButtons, a.mygtukas < 0 ? 0u : 1u << a.mygtukas) << a.kas;
    EXPECT_EQ(j.dwButtonNumber, a.mygtukas < 0 ? 0u : 1u) << a.kas;
    const DWORD padetys[6] = {j.dwXpos, j.dwYpos, j.dwZpos, j.dwRpos, j.dwUpos, j.dwVpos};
    // The layout's axes rest in the middle; Z and V, which it leaves out, at 0.
    for (int s = 0; s < 6; ++s) {
      const DWORD ramybe = (s == 2 || s == 5) ? 0 : (s == 1 || s == 4) ? 32767 : 32768;
      EXPECT_EQ(padetys[s], s == a.vieta ? a.padetis : ramybe) << a.kas << ", slot " << s;
    }
    EXPECT_EQ(j.dwPOV, a.kryptis) << a.kas;
  }
}

TEST(XInputPad, RawInputPathsOfXInputPads) {
  const struct {
    const char* kelias;
    bool xinput;
    WORD vid, pid;
  } atvejai[] = {
      {"\\\\?\\HID#VID_045E&PID_028E&IG_00#7&1b6a5e3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", true, 0x045E,
       0x028E},
      {"\\\\?\\hid#vid_046d&pid_c21d&ig_00#8&2c5e2f1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", true, 0x046D,
       0xC21D},
      {"\\\\?\\HID#VID_054C&PID_09CC&MI_03#7&3a3c5d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", false, 0, 0},
      {"\\\\?\\HID#IG_00", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const auto& a : atvejai) {
    WORD vid = 0, pid = 0;
    EXPECT_EQ(KXInput::XInputKelias(a.kelias, &vid, &pid), a.xinput) << a.kelias;
    EXPECT_EQ(vid, a.vid) << a.kelias;
    EXPECT_EQ(pid, a.pid) << a.kelias;
  }
}
