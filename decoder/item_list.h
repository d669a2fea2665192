// The lists of polygons that ReadPointFile hands to hosts, and the one empty
// list of the process.
#pragma once

#include "VelorTrDcd.h"

// The process-wide empty list, made on first use.
PolygonItemList* EmptyItemList();

// Destroys the process-wide empty list; the module calls it at unload. A
// later EmptyItemList makes a new one.
void ReleaseEmptyItemList();
