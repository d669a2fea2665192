// The module's process-wide identity and its unload: the instance handle
// under which it was loaded (registration writes the module's file name from
// it), and the process-wide objects it destroys when it goes.
#include "platform/platform.h"

#include "decoder/item_list.h"
#include "server/exports.h"

namespace {
HINSTANCE moduleInstance = nullptr;
}

void ModuleAttach(HINSTANCE instance)
{
    moduleInstance = instance;
}

void ModuleDetach()
{
    ReleaseStaticDecoder();
    ReleaseEmptyItemList();
    moduleInstance = nullptr;
}

HINSTANCE ModuleInstance()
{
    return moduleInstance;
}
