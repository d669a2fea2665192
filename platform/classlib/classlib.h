// The class-library subset the system uses, the same in both builds: the
// narrow string, the evaluator's wide text buffer, the binary file, message
// boxes and the tick count.
#pragma once

#include "platform/classlib/CString.h"
#include "platform/classlib/MVBstrBuf.h"
#include "platform/classlib/CFile.h"
#include "platform/classlib/MessageBox.h"
#include "platform/classlib/TickCount.h"
