// Native build: the millisecond tick count.
#pragma once

#include "platform/posix/types.h"

// Milliseconds since the system started (time asleep included), in 32 bits:
// it starts again at 0 after about 49.7 days, as on Windows.
DWORD GetTickCount();
