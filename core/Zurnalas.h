#pragma once
// Diagnostic log. The game keeps no log: both entry points discard what they are
// given unless a hook is installed. Only tests install one, to assert on the texts.

#if defined(__GNUC__)
#define TANKAI_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define TANKAI_PRINTF(f, a)
#endif

// Plain entry point: one text.
void Zurnalas(const char* tekstas);
// Formatted entry point: a printf-style format and its arguments.
void ZurnalasF(const char* formatas, ...) TANKAI_PRINTF(1, 2);

// Receives every message, already formatted. Null (the default) discards.
using ZurnaloKablys = void (*)(const char* tekstas);
void NustatytiZurnaloKabli(ZurnaloKablys kablys);
