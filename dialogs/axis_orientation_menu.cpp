// The axis-order menu of the coordinate-system aid.
#include "dialogs/coord_system_aid.h"

#include "platform/classlib/Menu.h"

const AxisOrientation kAxisOrientations[kAxisOrientationCount] = {
    {"    X   Y", 0}, {"   -X   Y", 2}, {"    X  -Y", 4}, {"   -X  -Y", 6}, // X first
    {"    Y   X", 0}, {"   -Y   X", 4}, {"    Y  -X", 2}, {"   -Y  -X", 6}, // Y first
};

UINT AxisOrientationMenu(CMenu& menu, UINT firstCommand)
{
    const int groupSize = kAxisOrientationCount / 2;
    for (int i = 0; i < kAxisOrientationCount; ++i) {
        if (i == groupSize)
            menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, firstCommand + static_cast<UINT>(i), kAxisOrientations[i].text);
    }
    return firstCommand + static_cast<UINT>(groupSize);
}
