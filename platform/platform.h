// The one header through which the system reaches its platform: the Windows
// API by its own names and signatures, and the class-library subset
// (CString, CFile, message boxes) that a host program would otherwise give.
//
// The Windows build takes the real API from the mingw-w64 headers; the native
// build takes stand-ins with the same names, signatures and documented
// behaviour from platform/posix/. Nothing outside platform/ tests which one
// it got.
#pragma once

#if defined(_WIN32)
#include "platform/win32/winapi.h"
#else
#include "platform/posix/winapi.h"
#endif

#include "platform/module.h"
#include "platform/services.h"
#include "platform/classlib/classlib.h"
