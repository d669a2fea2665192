// The functions the module exports. Hosts reach the components through the
// COM entry points, the process-wide decoder through GetVelorTrDcdStat, and
// the axis conversion through FromDtmEx.
#pragma once

#include "VelorTrDcd.h"

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv);
STDAPI DllCanUnloadNow(void);
STDAPI DllRegisterServer(void);
STDAPI DllUnregisterServer(void);

// The one decoder of the process, made on the first call; the caller does
// not release it.
extern "C" IVelorTrDcd* GetVelorTrDcdStat();

// (x, y) in the internal orientation turned into the given file system.
extern "C" void FromDtmEx(double* outX, double* outY, double x, double y, short system);

// Destroys the process-wide decoder if it was made (at module unload).
void ReleaseStaticDecoder();
