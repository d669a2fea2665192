// The undefined state's helpers shared by the controls: the explanation
// tips (identifier and text) and the click that offers one.
#pragma once

#include "framework/MVCtr.h"

#include "common/text_tables.h"

// The identifiers of the tips, one per kind of control.
extern const char* const kTipNumberBox;
extern const char* const kTipTextBox;
extern const char* const kTipCheckBox;
extern const char* const kTipDropDown;
extern const char* const kTipListBox;

// The framework text of slot, then " " + UndefinedMarker + ending when
// ending is given (" ." or ".").
CString UndefinedExplanation(FrameworkTextId slot, const char* ending);

// A left button going down in an undefined control that does not have the
// focus offers the tip.
void OfferTipOnClick(const CMVCtr& control, HWND window, const MSG* message, const char* tipId,
                     const CString& text);
