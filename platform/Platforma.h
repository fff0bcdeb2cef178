#pragma once
// The one header through which the game reaches the window system, WGL, winmm,
// the performance counter and the cursor, by their Windows names. On Windows these
// come from the system; elsewhere platform/Win32.h declares the subset that
// platform/ implements.
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <mmsystem.h>
#else
#include "platform/Win32.h"
#endif

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glext.h>
