// The replaceable tip routine.
#include "framework/ShowTip.h"

namespace {

void ShowNothing(const char*, const char*) {}

ShowTipRoutine g_showTip = &ShowNothing;

} // namespace

void SetShowTip(ShowTipRoutine routine)
{
    g_showTip = routine ? routine : &ShowNothing;
}

void ShowTip(const char* id, const char* text)
{
    g_showTip(id, text);
}
