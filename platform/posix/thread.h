// Native build: waiting and atomic exchange on shared 32-bit values.
#pragma once

#include "platform/posix/types.h"

void Sleep(DWORD milliseconds);

DWORD GetCurrentProcessId();

LONG InterlockedExchange(LONG volatile* target, LONG value);
LONG InterlockedCompareExchange(LONG volatile* target, LONG exchange, LONG comparand);
