// The class-library subset the system uses, the same in both builds: the
// narrow string, the evaluator's wide text buffer, the binary file, message
// boxes, the tick count and the services of the product around the system.
#pragma once

#include "platform/classlib/CString.h"
#include "platform/classlib/MVBstrBuf.h"
#include "platform/classlib/CFile.h"
#include "platform/classlib/MessageBox.h"
#include "platform/classlib/TickCount.h"
#include "platform/classlib/ProductServices.h"
