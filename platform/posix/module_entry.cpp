// Load and unload of libVelorTrDcd.so. The instance handle stands for the
// shared object itself: the address of a symbol inside it, which the native
// GetModuleFileNameA resolves to the object's path.
#include "platform/platform.h"

namespace {

__attribute__((constructor)) void OnLoad()
{
    ModuleAttach(reinterpret_cast<HINSTANCE>(reinterpret_cast<void*>(&OnLoad)));
}

__attribute__((destructor)) void OnUnload()
{
    ModuleDetach();
}

} // namespace
