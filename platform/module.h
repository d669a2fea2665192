// The module's own load and unload. The platform calls these from the
// module's entry point (DllMain on Windows, the shared object's constructor
// and destructor natively); the component server defines them.
#pragma once

// Called once when the module is loaded into a process, with the module's
// instance handle.
void ModuleAttach(HINSTANCE instance);

// Called once when the module is unloaded or the process ends.
void ModuleDetach();

// The instance handle that ModuleAttach received; null before it ran (for
// example in a test program that links the system statically).
HINSTANCE ModuleInstance();
