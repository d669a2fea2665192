// Windows build: the real Windows API.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

// A wide text literal of the platform's WCHAR type.
#define VELOR_W(s) L##s
