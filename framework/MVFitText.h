// Labels whose text in the chosen language is longer than the template's
// label: the control grows to the width its text needs, where its row has
// room.
#pragma once

#include "framework/MVCtr.h"

// Widens the control's window to the width of its text in its own font,
// but not beyond rightEdge (dialog units from the left of the dialog's
// client area) and never narrower than it is. The new width goes into the
// control's layout, so that later data exchanges keep it. Call it once the
// dialog's window and texts are there (after the framework's
// initialisation).
void WidenToText(CMVCtr& control, int rightEdge);
