// Keys as the window system names them, turned into Windows virtual-key messages.
#include <gtest/gtest.h>

#include "gfx/KLangas.h"
#include "platform/Platforma.h"
#include "platform/PlatformosTestai.h"
#include "tests/platform/PlatformosAplinka.h"

namespace {

struct Klavisas {
  const char* vardas;  // SDL's scancode name
  unsigned mod;
  int vk;
  bool isplestinis;
  bool sisteminis;
};

const Klavisas kZaidimo[] = {
    // Every key the game reads.
    {"Return", 0, 13, false, false},  {"Escape", 0, 27, false, false}, {"Space", 0, 32, false, false},
    {"Left", 0, 37, true, false},     {"Up", 0, 38, true, false},      {"Right", 0, 39, true, false},
    {"Down", 0, 40, true, false},     {"A", 0, 65, false, false},      {"D", 0, 68, false, false},
    {"S", 0, 83, false, false},       {"F1", 0, 112, false, false},    {"F2", 0, 113, false, false},
    {"F3", 0, 114, false, false},
};

const Klavisas kKiti[] = {
    {"Z", 0, 'Z', false, false},
    {"0", 0, '0', false, false},
    {"5", 0, '5', false, false},
    {"9", 0, '9', false, false},
    {"A", TESTAI_SHIFT, 'A', false, false},  // letters have one code, shifted or not
    {"F4", 0, VK_F4, false, false},
    {"F11", 0, VK_F11, false, false},
    {"F12", 0, VK_F12, false, false},
    {"Tab", 0, VK_TAB, false, false},
    {"Backspace", 0, VK_BACK, false, false},
    {"Left Shift", 0, VK_SHIFT, false, false},
    {"Right Shift", 0, VK_SHIFT, false, false},
    {"Left Ctrl", 0, VK_CONTROL, false, false},
    {"Right Ctrl", 0, VK_CONTROL, true, false},
    {"CapsLock", 0, VK_CAPITAL, false, false},
    {"Insert", 0, VK_INSERT, true, false},
    {"Delete", 0, VK_DELETE, true, false},
    {"Home", 0, VK_HOME, true, false},
    {"End", 0, VK_END, true, false},
    {"PageUp", 0, VK_PRIOR, true, false},
    {"PageDown", 0, VK_NEXT, true, false},
    {"Pause", 0, VK_PAUSE, false, false},
    {"ScrollLock", 0, VK_SCROLL, false, false},
    {"PrintScreen", 0, VK_SNAPSHOT, true, false},
    {"Numlock", 0, VK_NUMLOCK, true, false},
    {"Left GUI", 0, VK_LWIN, true, false},
    {"Application", 0, VK_APPS, true, false},
    {";", 0, VK_OEM_1, false, false},
    {"=", 0, VK_OEM_PLUS, false, false},
    {",", 0, VK_OEM_COMMA, false, false},
    {"-", 0, VK_OEM_MINUS, false, false},
    {".", 0, VK_OEM_PERIOD, false, false},
    {"/", 0, VK_OEM_2, false, false},
    {"`", 0, VK_OEM_3, false, false},
    {"[", 0, VK_OEM_4, false, false},
    {"\\", 0, VK_OEM_5, false, false},
    {"]", 0, VK_OEM_6, false, false},
    {"'", 0, VK_OEM_7, false, false},
    // The keypad: digits with Num Lock, cursor keys without.
    {"Keypad 8", TESTAI_NUMLOCK, VK_NUMPAD0 + 8, false, false},
    {"Keypad 0", TESTAI_NUMLOCK, VK_NUMPAD0, false, false},
    {"Keypad 8", 0, VK_UP, false, false},
    {"Keypad 4", 0, VK_LEFT, false, false},
    {"Keypad .", TESTAI_NUMLOCK, VK_DECIMAL, false, false},
    {"Keypad .", 0, VK_DELETE, false, false},
    {"Keypad Enter", 0, VK_RETURN, true, false},
    {"Keypad /", 0, VK_DIVIDE, true, false},
    {"Keypad *", 0, VK_MULTIPLY, false, false},
    {"Keypad -", 0, VK_SUBTRACT, false, false},
    {"Keypad +", 0, VK_ADD, false, false},
    // Alt combinations and F10 are system keys.
    {"F10", 0, VK_F10, false, true},
    {"Left Alt", TESTAI_ALT, VK_MENU, false, true},
    {"Right Alt", TESTAI_ALT, VK_MENU, true, true},
    {"Return", TESTAI_ALT, VK_RETURN, false, true},
    {"F4", TESTAI_ALT, VK_F4, false, true},
    {"Space", TESTAI_ALT | TESTAI_CTRL, VK_SPACE, false, false},
};

class KeyCodes : public LangoTestas {
 protected:
  void SetUp() override {
    LangoTestas::SetUp();
    ASSERT_TRUE(l.Sukurti(n, true));
    MSG m;
    while (PeekMessageA(&m, l.langas, 0, 0, PM_REMOVE)) {
    }
  }
  void TearDown() override {
    l.Naikinti();
    LangoTestas::TearDown();
  }
  void Tikrinti(const Klavisas& k) {
    SCOPED_TRACE(std::string(k.vardas) + (k.mod ? " with modifiers" : ""));
    MSG m;
    ASSERT_TRUE(TestaiKlavisas(l.langas, k.vardas, true, false, k.mod));
    ASSERT_TRUE(PeekMessageA(&m, l.langas, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.hwnd, l.langas);
    EXPECT_EQ(m.message, static_cast<UINT>(k.sisteminis ? WM_SYSKEYDOWN : WM_KEYDOWN));
    EXPECT_EQ(static_cast<int>(m.wParam), k.vk);
    EXPECT_EQ((m.lParam >> 24) & 1, k.isplestinis ? 1 : 0);
    EXPECT_EQ((m.lParam >> 31) & 1, 0);
    ASSERT_TRUE(TestaiKlavisas(l.langas, k.vardas, false, false, k.mod));
    ASSERT_TRUE(PeekMessageA(&m, l.langas, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(k.sisteminis ? WM_SYSKEYUP : WM_KEYUP));
    EXPECT_EQ(static_cast<int>(m.wParam), k.vk);
    EXPECT_EQ((static_cast<uint32_t>(m.lParam) >> 31) & 1u, 1u);
  }
  KLangas l;
};

}  // namespace

TEST_F(KeyCodes, GameKeys) {
  for (const Klavisas& k : kZaidimo) Tikrinti(k);
}

TEST_F(KeyCodes, StandardKeyboard) {
  for (const Klavisas& k : kKiti) Tikrinti(k);
}

TEST_F(KeyCodes, EveryLetterAndDigit) {
  for (char c = 'A'; c <= 'Z'; ++c) {
    const char vardas[2] = {c, 0};
    Tikrinti({vardas, 0, c, false, false});
  }
  for (char c = '0'; c <= '9'; ++c) {
    const char vardas[2] = {c, 0};
    Tikrinti({vardas, 0, c, false, false});
  }
  for (int f = 1; f <= 12; ++f) {
    if (f == 10) continue;  // a system key, above
    std::string vardas = "F" + std::to_string(f);
    Tikrinti({vardas.c_str(), 0, VK_F1 + f - 1, false, false});
  }
}

TEST_F(KeyCodes, KeysWithoutACodePostNothing) {
  // A key with no virtual-key code posts nothing.
  ASSERT_TRUE(TestaiKlavisas(l.langas, "AC Bookmarks", true));
  ASSERT_TRUE(TestaiKlavisas(l.langas, "Keypad XOR", true));
  MSG m;
  int kiek = 0;
  while (PeekMessageA(&m, l.langas, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) {
    EXPECT_NE(m.wParam, 0u);
    ++kiek;
  }
  EXPECT_EQ(kiek, 1);  // the bookmarks key has one; keypad XOR none
}
