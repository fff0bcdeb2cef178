#pragma once
// OpenAL on Windows, loaded at run time from OpenAL32.dll (the library every OpenAL
// implementation installs), so the game starts and runs silent on a machine without one.
// The audio code calls the usual AL/ALC names; here each is a pointer in one table.
// Until a device is asked for, every pointer holds a stand-in that behaves like OpenAL
// with no device and no current context; the first alcOpenDevice (or a device-level
// query) loads the DLL and binds the table to it. When the DLL or one of its entry
// points is missing, alcOpenDevice returns null and the audio code takes its no-device path.

// The public OpenAL 1.1 declarations, without dllimport: nothing links an import library.
#ifndef AL_LIBTYPE_STATIC
#define AL_LIBTYPE_STATIC
#endif
#include <AL/al.h>
#include <AL/alc.h>

// Every AL 1.1 and ALC 1.1 entry point: pointer type, name.
#define TANKAI_OPENAL_FUNKCIJOS(X) \
  X(LPALCCREATECONTEXT, alcCreateContext) \
  X(LPALCMAKECONTEXTCURRENT, alcMakeContextCurrent) \
  X(LPALCPROCESSCONTEXT, alcProcessContext) \
  X(LPALCSUSPENDCONTEXT, alcSuspendContext) \
  X(LPALCDESTROYCONTEXT, alcDestroyContext) \
  X(LPALCGETCURRENTCONTEXT, alcGetCurrentContext) \
  X(LPALCGETCONTEXTSDEVICE, alcGetContextsDevice) \
  X(LPALCOPENDEVICE, alcOpenDevice) \
  X(LPALCCLOSEDEVICE, alcCloseDevice) \
  X(LPALCGETERROR, alcGetError) \
  X(LPALCISEXTENSIONPRESENT, alcIsExtensionPresent) \
  X(LPALCGETPROCADDRESS, alcGetProcAddress) \
  X(LPALCGETENUMVALUE, alcGetEnumValue) \
  X(LPALCGETSTRING, alcGetString) \
  X(LPALCGETINTEGERV, alcGetIntegerv) \
  X(LPALCCAPTUREOPENDEVICE, alcCaptureOpenDevice) \
  X(LPALCCAPTURECLOSEDEVICE, alcCaptureCloseDevice) \
  X(LPALCCAPTURESTART, alcCaptureStart) \
  X(LPALCCAPTURESTOP, alcCaptureStop) \
  X(LPALCCAPTURESAMPLES, alcCaptureSamples) \
  X(LPALENABLE, alEnable) \
  X(LPALDISABLE, alDisable) \
  X(LPALISENABLED, alIsEnabled) \
  X(LPALGETSTRING, alGetString) \
  X(LPALGETBOOLEANV, alGetBooleanv) \
  X(LPALGETINTEGERV, alGetIntegerv) \
  X(LPALGETFLOATV, alGetFloatv) \
  X(LPALGETDOUBLEV, alGetDoublev) \
  X(LPALGETBOOLEAN, alGetBoolean) \
  X(LPALGETINTEGER, alGetInteger) \
  X(LPALGETFLOAT, alGetFloat) \
  X(LPALGETDOUBLE, alGetDouble) \
  X(LPALGETERROR, alGetError) \
  X(LPALISEXTENSIONPRESENT, alIsExtensionPresent) \
  X(LPALGETPROCADDRESS, alGetProcAddress) \
  X(LPALGETENUMVALUE, alGetEnumValue) \
  X(LPALLISTENERF, alListenerf) \
  X(LPALLISTENER3F, alListener3f) \
  X(LPALLISTENERFV, alListenerfv) \
  X(LPALLISTENERI, alListeneri) \
  X(LPALLISTENER3I, alListener3i) \
  X(LPALLISTENERIV, alListeneriv) \
  X(LPALGETLISTENERF, alGetListenerf) \
  X(LPALGETLISTENER3F, alGetListener3f) \
  X(LPALGETLISTENERFV, alGetListenerfv) \
  X(LPALGETLISTENERI, alGetListeneri) \
  X(LPALGETLISTENER3I, alGetListener3i) \
  X(LPALGETLISTENERIV, alGetListeneriv) \
  X(LPALGENSOURCES, alGenSources) \
  X(LPALDELETESOURCES, alDeleteSources) \
  X(LPALISSOURCE, alIsSource) \
  X(LPALSOURCEF, alSourcef) \
  X(LPALSOURCE3F, alSource3f) \
  X(LPALSOURCEFV, alSourcefv) \
  X(LPALSOURCEI, alSourcei) \
  X(LPALSOURCE3I, alSource3i) \
  X(LPALSOURCEIV, alSourceiv) \
  X(LPALGETSOURCEF, alGetSourcef) \
  X(LPALGETSOURCE3F, alGetSource3f) \
  X(LPALGETSOURCEFV, alGetSourcefv) \
  X(LPALGETSOURCEI, alGetSourcei) \
  X(LPALGETSOURCE3I, alGetSource3i) \
  X(LPALGETSOURCEIV, alGetSourceiv) \
  X(LPALSOURCEPLAYV, alSourcePlayv) \
  X(LPALSOURCESTOPV, alSourceStopv) \
  X(LPALSOURCEREWINDV, alSourceRewindv) \
  X(LPALSOURCEPAUSEV, alSourcePausev) \
  X(LPALSOURCEPLAY, alSourcePlay) \
  X(LPALSOURCESTOP, alSourceStop) \
  X(LPALSOURCEREWIND, alSourceRewind) \
  X(LPALSOURCEPAUSE, alSourcePause) \
  X(LPALSOURCEQUEUEBUFFERS, alSourceQueueBuffers) \
  X(LPALSOURCEUNQUEUEBUFFERS, alSourceUnqueueBuffers) \
  X(LPALGENBUFFERS, alGenBuffers) \
  X(LPALDELETEBUFFERS, alDeleteBuffers) \
  X(LPALISBUFFER, alIsBuffer) \
  X(LPALBUFFERDATA, alBufferData) \
  X(LPALBUFFERF, alBufferf) \
  X(LPALBUFFER3F, alBuffer3f) \
  X(LPALBUFFERFV, alBufferfv) \
  X(LPALBUFFERI, alBufferi) \
  X(LPALBUFFER3I, alBuffer3i) \
  X(LPALBUFFERIV, alBufferiv) \
  X(LPALGETBUFFERF, alGetBufferf) \
  X(LPALGETBUFFER3F, alGetBuffer3f) \
  X(LPALGETBUFFERFV, alGetBufferfv) \
  X(LPALGETBUFFERI, alGetBufferi) \
  X(LPALGETBUFFER3I, alGetBuffer3i) \
  X(LPALGETBUFFERIV, alGetBufferiv) \
  X(LPALDOPPLERFACTOR, alDopplerFactor) \
  X(LPALDOPPLERVELOCITY, alDopplerVelocity) \
  X(LPALSPEEDOFSOUND, alSpeedOfSound) \
  X(LPALDISTANCEMODEL, alDistanceModel)

struct OpenAlDllLentele {
#define TANKAI_OPENAL_LAUKAS(tipas, vardas) tipas p_##vardas;
  TANKAI_OPENAL_FUNKCIJOS(TANKAI_OPENAL_LAUKAS)
#undef TANKAI_OPENAL_LAUKAS
};
extern OpenAlDllLentele openAlDll;

// Loads OpenAL32.dll once and binds the table; true when every entry point was found.
// Later calls return the first answer without trying again.
bool OpenAlDllUzkrauti();
// True while the table is bound to a loaded DLL.
bool OpenAlDllUzkrautas();
// Unbinds the table (back to the no-device stand-ins) and frees the DLL, so that the
// next device request tries to load it again. Every device and context must be closed.
void OpenAlDllAtlaisvinti();

#define alcCreateContext (openAlDll.p_alcCreateContext)
#define alcMakeContextCurrent (openAlDll.p_alcMakeContextCurrent)
#define alcProcessContext (openAlDll.p_alcProcessContext)
#define alcSuspendContext (openAlDll.p_alcSuspendContext)
#define alcDestroyContext (openAlDll.p_alcDestroyContext)
#define alcGetCurrentContext (openAlDll.p_alcGetCurrentContext)
#define alcGetContextsDevice (openAlDll.p_alcGetContextsDevice)
#define alcOpenDevice (openAlDll.p_alcOpenDevice)
#define alcCloseDevice (openAlDll.p_alcCloseDevice)
#define alcGetError (openAlDll.p_alcGetError)
#define alcIsExtensionPresent (openAlDll.p_alcIsExtensionPresent)
#define alcGetProcAddress (openAlDll.p_alcGetProcAddress)
#define alcGetEnumValue (openAlDll.p_alcGetEnumValue)
#define alcGetString (openAlDll.p_alcGetString)
#define alcGetIntegerv (openAlDll.p_alcGetIntegerv)
#define alcCaptureOpenDevice (openAlDll.p_alcCaptureOpenDevice)
#define alcCaptureCloseDevice (openAlDll.p_alcCaptureCloseDevice)
#define alcCaptureStart (openAlDll.p_alcCaptureStart)
#define alcCaptureStop (openAlDll.p_alcCaptureStop)
#define alcCaptureSamples (openAlDll.p_alcCaptureSamples)
#define alEnable (openAlDll.p_alEnable)
#define alDisable (openAlDll.p_alDisable)
#define alIsEnabled (openAlDll.p_alIsEnabled)
#define alGetString (openAlDll.p_alGetString)
#define alGetBooleanv (openAlDll.p_alGetBooleanv)
#define alGetIntegerv (openAlDll.p_alGetIntegerv)
#define alGetFloatv (openAlDll.p_alGetFloatv)
#define alGetDoublev (openAlDll.p_alGetDoublev)
#define alGetBoolean (openAlDll.p_alGetBoolean)
#define alGetInteger (openAlDll.p_alGetInteger)
#define alGetFloat (openAlDll.p_alGetFloat)
#define alGetDouble (openAlDll.p_alGetDouble)
#define alGetError (openAlDll.p_alGetError)
#define alIsExtensionPresent (openAlDll.p_alIsExtensionPresent)
#define alGetProcAddress (openAlDll.p_alGetProcAddress)
#define alGetEnumValue (openAlDll.p_alGetEnumValue)
#define alListenerf (openAlDll.p_alListenerf)
#define alListener3f (openAlDll.p_alListener3f)
#define alListenerfv (openAlDll.p_alListenerfv)
#define alListeneri (openAlDll.p_alListeneri)
#define alListener3i (openAlDll.p_alListener3i)
#define alListeneriv (openAlDll.p_alListeneriv)
#define alGetListenerf (openAlDll.p_alGetListenerf)
#define alGetListener3f (openAlDll.p_alGetListener3f)
#define alGetListenerfv (openAlDll.p_alGetListenerfv)
#define alGetListeneri (openAlDll.p_alGetListeneri)
#define alGetListener3i (openAlDll.p_alGetListener3i)
#define alGetListeneriv (openAlDll.p_alGetListeneriv)
#define alGenSources (openAlDll.p_alGenSources)
#define alDeleteSources (openAlDll.p_alDeleteSources)
#define alIsSource (openAlDll.p_alIsSource)
#define alSourcef (openAlDll.p_alSourcef)
#define alSource3f (openAlDll.p_alSource3f)
#define alSourcefv (openAlDll.p_alSourcefv)
#define alSourcei (openAlDll.p_alSourcei)
#define alSource3i (openAlDll.p_alSource3i)
#define alSourceiv (openAlDll.p_alSourceiv)
#define alGetSourcef (openAlDll.p_alGetSourcef)
#define alGetSource3f (openAlDll.p_alGetSource3f)
#define alGetSourcefv (openAlDll.p_alGetSourcefv)
#define alGetSourcei (openAlDll.p_alGetSourcei)
#define alGetSource3i (openAlDll.p_alGetSource3i)
#define alGetSourceiv (openAlDll.p_alGetSourceiv)
#define alSourcePlayv (openAlDll.p_alSourcePlayv)
#define alSourceStopv (openAlDll.p_alSourceStopv)
#define alSourceRewindv (openAlDll.p_alSourceRewindv)
#define alSourcePausev (openAlDll.p_alSourcePausev)
#define alSourcePlay (openAlDll.p_alSourcePlay)
#define alSourceStop (openAlDll.p_alSourceStop)
#define alSourceRewind (openAlDll.p_alSourceRewind)
#define alSourcePause (openAlDll.p_alSourcePause)
#define alSourceQueueBuffers (openAlDll.p_alSourceQueueBuffers)
#define alSourceUnqueueBuffers (openAlDll.p_alSourceUnqueueBuffers)
#define alGenBuffers (openAlDll.p_alGenBuffers)
#define alDeleteBuffers (openAlDll.p_alDeleteBuffers)
#define alIsBuffer (openAlDll.p_alIsBuffer)
#define alBufferData (openAlDll.p_alBufferData)
#define alBufferf (openAlDll.p_alBufferf)
#define alBuffer3f (openAlDll.p_alBuffer3f)
#define alBufferfv (openAlDll.p_alBufferfv)
#define alBufferi (openAlDll.p_alBufferi)
#define alBuffer3i (openAlDll.p_alBuffer3i)
#define alBufferiv (openAlDll.p_alBufferiv)
#define alGetBufferf (openAlDll.p_alGetBufferf)
#define alGetBuffer3f (openAlDll.p_alGetBuffer3f)
#define alGetBufferfv (openAlDll.p_alGetBufferfv)
#define alGetBufferi (openAlDll.p_alGetBufferi)
#define alGetBuffer3i (openAlDll.p_alGetBuffer3i)
#define alGetBufferiv (openAlDll.p_alGetBufferiv)
#define alDopplerFactor (openAlDll.p_alDopplerFactor)
#define alDopplerVelocity (openAlDll.p_alDopplerVelocity)
#define alSpeedOfSound (openAlDll.p_alSpeedOfSound)
#define alDistanceModel (openAlDll.p_alDistanceModel)
