// Native build: stand-ins for the parts of the Windows API the system uses.
#pragma once

#include "platform/posix/types.h"
#include "platform/posix/com.h"
#include "platform/posix/thread.h"
#include "platform/posix/registry.h"
#include "platform/posix/files.h"
#include "platform/posix/messagebox.h"
#include "platform/posix/ticks.h"
#include "platform/posix/chars.h"
#include "platform/posix/handles.h"
#include "platform/posix/mapping.h"
#include "platform/posix/profile.h"
#include "platform/posix/window.h"
