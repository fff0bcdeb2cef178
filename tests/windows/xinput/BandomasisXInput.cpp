// Test infrastructure only: an xinput1_4.dll that reports one scripted pad, for the runs
// of the packaged game under Wine (tests/windows/pad.sh). At every call it reads the pad
// of user 0 from "xinput-pultas.txt" beside itself, one line:
//   <plugged in: 0 or 1> <wButtons, hex> <left x> <left y> <right x> <right y>
// No file, a line it cannot read, or 0: no pad. Users 1 to 3 never have one.
#include <windows.h>
#include <xinput.h>

#include <cstdio>
#include <cstring>

namespace {
char failas[MAX_PATH];
DWORD paketas = 0;
}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI XInputGetState(DWORD vartotojas, XINPUT_STATE* bukle) {
  if (!bukle) return ERROR_BAD_ARGUMENTS;
  if (vartotojas != 0) return ERROR_DEVICE_NOT_CONNECTED;
  std::FILE* f = std::fopen(failas, "r");
  if (!f) return ERROR_DEVICE_NOT_CONNECTED;
  int prijungtas = 0, lx = 0, ly = 0, rx = 0, ry = 0;
  unsigned mygtukai = 0;
  const int n = std::fscanf(f, "%d %x %d %d %d %d", &prijungtas, &mygtukai, &lx, &ly, &rx, &ry);
  std::fclose(f);
  if (n != 6 || prijungtas != 1) return ERROR_DEVICE_NOT_CONNECTED;
  std::memset(bukle, 0, sizeof *bukle);
  bukle->dwPacketNumber = ++paketas;
  bukle->Gamepad.wButtons = static_cast<WORD>(mygtukai);
  bukle->Gamepad.sThumbLX = static_cast<SHORT>(lx);
  bukle->Gamepad.sThumbLY = static_cast<SHORT>(ly);
  bukle->Gamepad.sThumbRX = static_cast<SHORT>(rx);
  bukle->Gamepad.sThumbRY = static_cast<SHORT>(ry);
  return ERROR_SUCCESS;
}

BOOL WINAPI DllMain(HINSTANCE dll, DWORD kodel, LPVOID) {
  if (kodel == DLL_PROCESS_ATTACH) {
    const DWORD n = GetModuleFileNameA(dll, failas, MAX_PATH);
    char* skyriklis = n ? std::strrchr(failas, '\\') : nullptr;
    if (skyriklis && skyriklis + sizeof "xinput-pultas.txt" < failas + MAX_PATH)
      std::strcpy(skyriklis + 1, "xinput-pultas.txt");
    else
      failas[0] = '\0';
  }
  return TRUE;
}
