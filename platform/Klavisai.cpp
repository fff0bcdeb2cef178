// SDL keys to Windows virtual-key codes. Letters and digits follow the keyboard layout
// (as Windows' codes do) when the layout gives a Latin letter or digit there; everything
// else goes by the key's position.
#include <SDL2/SDL.h>

#include "platform/Platforma.h"
#include "platform/SdlVidus.h"

namespace platforma {

namespace {

struct Pora {
  SDL_Scancode kodas;
  int vk;
  bool isplestinis;
};

// Keys whose code does not depend on the layout.
const Pora kPadetys[] = {
    {SDL_SCANCODE_RETURN, VK_RETURN, false},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE, false},
    {SDL_SCANCODE_BACKSPACE, VK_BACK, false},
    {SDL_SCANCODE_TAB, VK_TAB, false},
    {SDL_SCANCODE_SPACE, VK_SPACE, false},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS, false},
    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS, false},
    {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4, false},
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6, false},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5, false},
    {SDL_SCANCODE_NONUSHASH, VK_OEM_5, false},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1, false},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7, false},
    {SDL_SCANCODE_GRAVE, VK_OEM_3, false},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA, false},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD, false},
    {SDL_SCANCODE_SLASH, VK_OEM_2, false},
    {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102, false},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL, false},
    {SDL_SCANCODE_F1, VK_F1, false},
    {SDL_SCANCODE_F2, VK_F2, false},
    {SDL_SCANCODE_F3, VK_F3, false},
    {SDL_SCANCODE_F4, VK_F4, false},
    {SDL_SCANCODE_F5, VK_F5, false},
    {SDL_SCANCODE_F6, VK_F6, false},
    {SDL_SCANCODE_F7, VK_F7, false},
    {SDL_SCANCODE_F8, VK_F8, false},
    {SDL_SCANCODE_F9, VK_F9, false},
    {SDL_SCANCODE_F10, VK_F10, false},
    {SDL_SCANCODE_F11, VK_F11, false},
    {SDL_SCANCODE_F12, VK_F12, false},
    {SDL_SCANCODE_F13, VK_F13, false},
    {SDL_SCANCODE_F14, VK_F14, false},
    {SDL_SCANCODE_F15, VK_F15, false},
    {SDL_SCANCODE_F16, VK_F16, false},
    {SDL_SCANCODE_F17, VK_F17, false},
    {SDL_SCANCODE_F18, VK_F18, false},
    {SDL_SCANCODE_F19, VK_F19, false},
    {SDL_SCANCODE_F20, VK_F20, false},
    {SDL_SCANCODE_F21, VK_F21, false},
    {SDL_SCANCODE_F22, VK_F22, false},
    {SDL_SCANCODE_F23, VK_F23, false},
    {SDL_SCANCODE_F24, VK_F24, false},
    {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT, true},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL, false},
    {SDL_SCANCODE_PAUSE, VK_PAUSE, false},
    {SDL_SCANCODE_INSERT, VK_INSERT, true},
    {SDL_SCANCODE_HOME, VK_HOME, true},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR, true},
    {SDL_SCANCODE_DELETE, VK_DELETE, true},
    {SDL_SCANCODE_END, VK_END, true},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT, true},
    {SDL_SCANCODE_RIGHT, VK_RIGHT, true},
    {SDL_SCANCODE_LEFT, VK_LEFT, true},
    {SDL_SCANCODE_DOWN, VK_DOWN, true},
    {SDL_SCANCODE_UP, VK_UP, true},
    {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK, true},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE, true},
    {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY, false},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT, false},
    {SDL_SCANCODE_KP_PLUS, VK_ADD, false},
    {SDL_SCANCODE_KP_ENTER, VK_RETURN, true},
    {SDL_SCANCODE_KP_COMMA, VK_SEPARATOR, false},
    {SDL_SCANCODE_KP_EQUALS, VK_OEM_PLUS, false},
    {SDL_SCANCODE_APPLICATION, VK_APPS, true},
    {SDL_SCANCODE_MENU, VK_APPS, true},
    {SDL_SCANCODE_HELP, VK_HELP, false},
    {SDL_SCANCODE_SELECT, VK_SELECT, false},
    {SDL_SCANCODE_EXECUTE, VK_EXECUTE, false},
    {SDL_SCANCODE_CLEAR, VK_CLEAR, false},
    {SDL_SCANCODE_SLEEP, VK_SLEEP, false},
    {SDL_SCANCODE_MUTE, VK_VOLUME_MUTE, true},
    {SDL_SCANCODE_VOLUMEUP, VK_VOLUME_UP, true},
    {SDL_SCANCODE_VOLUMEDOWN, VK_VOLUME_DOWN, true},
    {SDL_SCANCODE_AUDIONEXT, VK_MEDIA_NEXT_TRACK, true},
    {SDL_SCANCODE_AUDIOPREV, VK_MEDIA_PREV_TRACK, true},
    {SDL_SCANCODE_AUDIOSTOP, VK_MEDIA_STOP, true},
    {SDL_SCANCODE_AUDIOPLAY, VK_MEDIA_PLAY_PAUSE, true},
    {SDL_SCANCODE_MAIL, VK_LAUNCH_MAIL, true},
    {SDL_SCANCODE_MEDIASELECT, VK_LAUNCH_MEDIA_SELECT, true},
    {SDL_SCANCODE_CALCULATOR, VK_LAUNCH_APP2, true},
    {SDL_SCANCODE_COMPUTER, VK_LAUNCH_APP1, true},
    {SDL_SCANCODE_AC_SEARCH, VK_BROWSER_SEARCH, true},
    {SDL_SCANCODE_AC_HOME, VK_BROWSER_HOME, true},
    {SDL_SCANCODE_AC_BACK, VK_BROWSER_BACK, true},
    {SDL_SCANCODE_AC_FORWARD, VK_BROWSER_FORWARD, true},
    {SDL_SCANCODE_AC_STOP, VK_BROWSER_STOP, true},
    {SDL_SCANCODE_AC_REFRESH, VK_BROWSER_REFRESH, true},
    {SDL_SCANCODE_AC_BOOKMARKS, VK_BROWSER_FAVORITES, true},
    // Key messages carry the generic modifier codes; left and right differ only in
    // the extended bit.
    {SDL_SCANCODE_LCTRL, VK_CONTROL, false},
    {SDL_SCANCODE_RCTRL, VK_CONTROL, true},
    {SDL_SCANCODE_LSHIFT, VK_SHIFT, false},
    {SDL_SCANCODE_RSHIFT, VK_SHIFT, false},
    {SDL_SCANCODE_LALT, VK_MENU, false},
    {SDL_SCANCODE_RALT, VK_MENU, true},
    {SDL_SCANCODE_LGUI, VK_LWIN, true},
    {SDL_SCANCODE_RGUI, VK_RWIN, true},
};

// The keypad digits and point: numbers with Num Lock on, cursor keys without it.
struct Skaitmuo {
  SDL_Scancode kodas;
  int suNumLock;
  int beNumLock;
};
const Skaitmuo kKlaviaturele[] = {
    {SDL_SCANCODE_KP_0, VK_NUMPAD0 + 0, VK_INSERT}, {SDL_SCANCODE_KP_1, VK_NUMPAD0 + 1, VK_END},
    {SDL_SCANCODE_KP_2, VK_NUMPAD0 + 2, VK_DOWN},   {SDL_SCANCODE_KP_3, VK_NUMPAD0 + 3, VK_NEXT},
    {SDL_SCANCODE_KP_4, VK_NUMPAD0 + 4, VK_LEFT},   {SDL_SCANCODE_KP_5, VK_NUMPAD0 + 5, VK_CLEAR},
    {SDL_SCANCODE_KP_6, VK_NUMPAD0 + 6, VK_RIGHT},  {SDL_SCANCODE_KP_7, VK_NUMPAD0 + 7, VK_HOME},
    {SDL_SCANCODE_KP_8, VK_NUMPAD0 + 8, VK_UP},     {SDL_SCANCODE_KP_9, VK_NUMPAD0 + 9, VK_PRIOR},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE},
};

}  // namespace

int VirtualusKlavisas(const SDL_Keysym& k, bool* isplestinis) {
  bool isp = false;
  int vk = 0;
  SDL_Keycode sym = k.sym;
  SDL_Scancode sc = k.scancode;
  if (sym >= SDLK_a && sym <= SDLK_z) {
    vk = 'A' + static_cast<int>(sym - SDLK_a);
  } else if (sym >= SDLK_0 && sym <= SDLK_9 && !(sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_0)) {
    vk = '0' + static_cast<int>(sym - SDLK_0);
  } else if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) {
    // A layout without a Latin letter here (Cyrillic, say): Windows still gives the letter.
    vk = 'A' + static_cast<int>(sc - SDL_SCANCODE_A);
  } else if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) {
    // The Lithuanian layout puts letters on the number row; its codes stay digits.
    vk = '1' + static_cast<int>(sc - SDL_SCANCODE_1);
  } else if (sc == SDL_SCANCODE_0) {
    vk = '0';
  } else {
    for (const Skaitmuo& s : kKlaviaturele)
      if (s.kodas == sc) vk = (k.mod & KMOD_NUM) ? s.suNumLock : s.beNumLock;
    if (vk == 0)
      for (const Pora& p : kPadetys)
        if (p.kodas == sc) {
          vk = p.vk;
          isp = p.isplestinis;
          break;
        }
  }
  if (isplestinis) *isplestinis = isp;
  return vk;
}

}  // namespace platforma
