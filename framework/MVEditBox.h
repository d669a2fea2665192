// The text box: its value is a string; "(?)" in the window is the undefined
// state.
#pragma once

#include "framework/MVCtr2.h"

template <class T>
class CMVEditBoxTpl;

template <>
class CMVEditBoxTpl<CEdit> : public CMVBoxTpl<CEdit> {
public:
    explicit CMVEditBoxTpl(int id, CMVDialog* owner = nullptr) : CMVBoxTpl<CEdit>(id, owner) {}

    bool ValueFromWindow() override;
    void ValueToWindow() override;
    bool PreFilter(MSG* message) override;

    CString value;
};

typedef CMVEditBoxTpl<CEdit> CMVEditBox;
