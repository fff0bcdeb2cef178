#pragma once
// OpenAL for the audio code. Elsewhere the system library is linked; on Windows the
// build may load OpenAL32.dll at run time behind the same names.
#if defined(_WIN32) && defined(TANKAI_OPENAL_DINAMINIS)
#include "audio/OpenAlDll.h"
#else
#include <AL/al.h>
#include <AL/alc.h>
#endif
