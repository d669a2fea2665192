// The tick count read by the system, with the once-per-run warning that the
// count has wrapped around (the platform's 32-bit millisecond count starts
// again at 0 after about 49.7 days of running).
#pragma once

#include "platform/platform.h"

// The platform's tick count, unchanged. The first reading of 0 in the run
// shows the warning unless "NoMsgTimeProblem" under "Software\Velor Terx"
// (HKEY_CURRENT_USER) is set to a value other than 0; a missing value is
// created with 0.
DWORD GetTickCountChecked();

// Whether the check has run in this process (whether or not it warned).
bool UptimeWarningShown();
