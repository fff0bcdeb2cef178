// Test infrastructure only: an OpenAL32.dll with only a few of the entry points, as a
// broken or foreign DLL of that name would be. The game's loader must refuse it.
#define ALC_API __declspec(dllexport)
#include <AL/alc.h>

ALCdevice* ALC_APIENTRY alcOpenDevice(const ALCchar*) {
  static int irenginys;
  return reinterpret_cast<ALCdevice*>(&irenginys);
}

ALCboolean ALC_APIENTRY alcCloseDevice(ALCdevice*) { return ALC_TRUE; }
