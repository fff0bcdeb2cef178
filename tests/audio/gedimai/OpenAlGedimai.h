#pragma once
// Switches in front of OpenAL Soft's entry points (OpenAlGedimai.cpp): each makes the
// next call of its entry point fail once, with the library's own error set.
#include "audio/OpenAl.h"

namespace OpenAlGedimai {
void Konteksto();    // alcCreateContext returns no context (device error ALC_INVALID_ENUM)
void Darbinio();     // alcMakeContextCurrent refuses a context (device error ALC_INVALID_ENUM)
void Klausytojo();   // alListenerfv leaves AL_INVALID_ENUM pending
int Irenginiu();     // devices open now
int Kontekstu();     // contexts alive now
}  // namespace OpenAlGedimai
