// The platform's handle, message and constant names that the class library and
// its users share (HWND, UINT, WM_PAINT, SM_CXICON, ...).
//
// On Windows these are the system's own. A build for another system provides
// definitions of the same names with the same values from its backend, so code
// written against this layer compiles unchanged there.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#else
#include "afx/portable_platform.h"
#endif
