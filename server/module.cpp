// The module's process-wide identity: the instance handle under which it
// was loaded (registration writes the module's file name from it).
#include "platform/platform.h"

namespace {
HINSTANCE moduleInstance = nullptr;
}

void ModuleAttach(HINSTANCE instance)
{
    moduleInstance = instance;
}

void ModuleDetach()
{
    moduleInstance = nullptr;
}

HINSTANCE ModuleInstance()
{
    return moduleInstance;
}
