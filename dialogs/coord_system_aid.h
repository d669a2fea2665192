// The coordinate-system aid of the format dialog: a pop-up menu of axis
// orientations; the choice selects the coordinate system and, where the
// chosen orientation asks for it, exchanges X and Y in the field list.
#pragma once

#include "platform/platform.h"

#include <vector>

class CMenu;

class CoordAidTarget {            // what the aid changes in the format dialog
public:
    virtual ~CoordAidTarget() = default;
    virtual HWND AidOwner() = 0;                          // the dialog window (menu owner)
    virtual void SetCoordSystemChoice(int listPosition) = 0; // select entry in list 1030 and show it
    virtual std::vector<CString>& FieldsInLine() = 0;     // the display names of list 1023 (inFile)
    virtual void ShowFieldsInLine() = 0;                  // refill list 1023 from FieldsInLine()
};

void CoordSystemAid(CoordAidTarget& target);

// One item of the axis-order menu: what the file's first and second columns
// hold in terms of the internal orientation, and the system the aid sets
// for it. The aid keeps to the systems 0, 2, 4 and 6 and expresses an
// exchange of X and Y by the order of the fields.
struct AxisOrientation {
    const char* text;
    int system;
};

const int kAxisOrientationCount = 8;
// The items in menu order: the four X-first ones, then the four Y-first ones.
extern const AxisOrientation kAxisOrientations[kAxisOrientationCount];

// Appends the items to menu, four, a separator, four, with the command
// numbers firstCommand, firstCommand + 1, ... in the order of
// kAxisOrientations. Returns the command number of the first Y-first item:
// an item is Y-first exactly when its number is not below it.
UINT AxisOrientationMenu(CMenu& menu, UINT firstCommand);
