// Entry point of VelorTrDcd.dll. Thread attach and detach notifications are
// turned off: the module keeps no per-thread state.
#include "platform/platform.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        ModuleAttach(instance);
        break;
    case DLL_PROCESS_DETACH:
        ModuleDetach();
        break;
    default:
        break;
    }
    return TRUE;
}
