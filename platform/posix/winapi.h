// Native build: stand-ins for the parts of the Windows API the system uses.
#pragma once

#include "platform/posix/types.h"
#include "platform/posix/com.h"
