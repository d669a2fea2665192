// The millisecond tick count as the system reads it: through
// PlatformTickCount, whose source a test may replace.
#pragma once

typedef DWORD (*TickCountSource)();

// The source's count; GetTickCount's unless a source is set.
DWORD PlatformTickCount();

// Sets the source; null brings back GetTickCount.
void SetTickCountSource(TickCountSource source);
