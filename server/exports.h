// The functions the module exports. Hosts reach the components through the
// COM entry points, the process-wide decoder through GetVelorTrDcdStat, and
// the axis conversion through FromDtmEx.
#pragma once

#include "VelorTrDcd.h"
#include "formats/coord_transform.h"

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv);
STDAPI DllCanUnloadNow(void);
STDAPI DllRegisterServer(void);
STDAPI DllUnregisterServer(void);

// The one decoder of the process, made on the first call; the caller does
// not release it.
extern "C" IVelorTrDcd* GetVelorTrDcdStat();


// Destroys the process-wide decoder if it was made (at module unload).
void ReleaseStaticDecoder();
