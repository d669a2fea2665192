// The number box: an edit field whose value is an int shown as value x
// scale with the given decimals, checked against a range when it is taken
// from the window. A range (minimum below maximum) is hard (the number is
// refused with a message) or soft (the user may keep it). Numbers are read
// with '.' or ',' as the decimal character, whatever the process's locale.
#pragma once

#include "framework/MVCtr2.h"

template <class V>
class CMVNumBox;

template <>
class CMVNumBox<int> : public CMVCtr2<CEdit> {
public:
    explicit CMVNumBox(int id, CMVDialog* owner = nullptr) : CMVCtr2<CEdit>(id, owner) {}

    bool ValueFromWindow() override;
    void ValueToWindow() override;
    bool IsDefined() const override { return defined; }
    void SetDefined(bool value) override { defined = value; }
    bool PreFilter(MSG* message) override;

    int value = 0;
    int minimum = 0;
    int maximum = 0;
    double scale = 1.0;
    int width = 0;
    int decimals = 0;
    CString formatFlags;
    bool softRange = false;
    bool allowsUndefined = false;
    bool defined = true;
    // Whether refusals are told to the user (and the range is checked).
    bool messages = true;
    // The spin button beside the box, when the dialog binds one.
    CWnd spin;

private:
    bool RangeAccepts();
    CString Shown(double number) const;
};

// The length of the longest beginning of text that reads as one number,
// with '.' or ',' as the decimal character, and that number in *number (0
// when no beginning reads). Exposed for the tests of the number box.
int ReadNumberPrefix(const char* text, double* number);
