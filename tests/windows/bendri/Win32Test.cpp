// The test controls of platform/PlatformosTestai.h that the program-level tests use,
// on the real Windows API: key and close events are posted to the window's queue, so the
// game's own pump and window procedure take them as they take a player's; message boxes
// are read and closed by a hook instead of waiting for a click.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Platforma.h"
#include "platform/PlatformosTestai.h"

namespace {

bool irasyti = false;
HHOOK kabliukas = nullptr;
std::vector<TestuPranesimas> pranesimai;

// A message box is a dialog whose text stands in its static control 0xFFFF.
LRESULT CALLBACK Kabliukas(int kodas, WPARAM wParam, LPARAM lParam) {
  if (kodas == HCBT_ACTIVATE && irasyti) {
    HWND langas = reinterpret_cast<HWND>(wParam);
    char klase[16] = {};
    GetClassNameA(langas, klase, sizeof klase);
    if (std::strcmp(klase, "#32770") == 0) {
      char tekstas[512] = {}, antraste[128] = {};
      GetDlgItemTextA(langas, 0xFFFF, tekstas, sizeof tekstas);
      GetWindowTextA(langas, antraste, sizeof antraste);
      pranesimai.push_back({tekstas, antraste, 0, 0, 0, 0, false});
      PostMessageA(langas, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(kabliukas, kodas, wParam, lParam);
}

// The few key names the tests use, as SDL names them.
int VirtualusKodas(const char* vardas) {
  struct Pora {
    const char* vardas;
    int kodas;
  };
  static const Pora poros[] = {{"Space", VK_SPACE}, {"Return", VK_RETURN}, {"Escape", VK_ESCAPE},
                               {"Up", VK_UP},       {"Down", VK_DOWN},     {"Left", VK_LEFT},
                               {"Right", VK_RIGHT}};
  for (const Pora& p : poros)
    if (std::strcmp(p.vardas, vardas) == 0) return p.kodas;
  if (vardas[0] == 'F' && vardas[1] >= '1' && vardas[1] <= '9') {
    const int n = std::atoi(vardas + 1);
    if (n >= 1 && n <= 12) return VK_F1 + n - 1;
  }
  if (vardas[0] >= 'A' && vardas[0] <= 'Z' && vardas[1] == '\0') return vardas[0];
  return 0;
}

}  // namespace

void TestaiBeEkrano() {}  // under Wine the window is a real one on the X server

void TestaiIrasytiPranesimus(bool taip) {
  irasyti = taip;
  if (taip && !kabliukas) kabliukas = SetWindowsHookExA(WH_CBT, Kabliukas, nullptr, GetCurrentThreadId());
}

const std::vector<TestuPranesimas>& TestaiPranesimai() { return pranesimai; }
void TestaiIsvalytiPranesimus() { pranesimai.clear(); }

bool TestaiKlavisas(HWND hwnd, const char* klavisas, bool nuspaustas, bool kartojimas, unsigned) {
  const int kodas = VirtualusKodas(klavisas);
  if (!hwnd || !kodas) return false;
  // Repeat count 1, the scan code, the previous state (bit 30) and the transition (bit 31).
  LPARAM l = 1 | (static_cast<LPARAM>(MapVirtualKeyA(kodas, MAPVK_VK_TO_VSC)) << 16);
  if (!nuspaustas || kartojimas) l |= LPARAM(1) << 30;
  if (!nuspaustas) l |= LPARAM(1) << 31;
  return PostMessageA(hwnd, nuspaustas ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(kodas), l) != 0;
}

// The close box: the system command the frame sends, which the default procedure turns
// into WM_CLOSE.
bool TestaiUzdaryti(HWND hwnd) { return hwnd && PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0) != 0; }

bool TestaiIseiti() {
  PostQuitMessage(0);
  return true;
}
