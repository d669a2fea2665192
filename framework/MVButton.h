// Buttons and static texts: their caption is their text member (hasText),
// exchanged with the window. The check box keeps 0, 1 or 2 (undefined) and
// steps through its states on each click; the OK and Cancel buttons take
// their captions from the framework's texts.
#pragma once

#include "framework/MVCtr2.h"

template <class T>
class CMVButtonTpl : public CMVCtr2<T> {
public:
    explicit CMVButtonTpl(int id, CMVDialog* owner = nullptr) : CMVCtr2<T>(id, owner) { this->hasText = true; }
};

typedef CMVButtonTpl<CButton> CMVButton;

template <class V, class B>
class CMVCheckBox;

template <>
class CMVCheckBox<int, CMVButtonTpl<CButton>> : public CMVButtonTpl<CButton> {
public:
    explicit CMVCheckBox(int id, CMVDialog* owner = nullptr) : CMVButtonTpl<CButton>(id, owner) {}

    void Attach() override;
    bool ValueFromWindow() override;
    void ValueToWindow() override;
    bool IsDefined() const override { return value != BST_INDETERMINATE; }
    void SetDefined(bool defined) override;
    bool CommandFilter(UINT id, int code) override;

    // The state after a click from state.
    int NextState(int state) const;

    int value = BST_UNCHECKED;
    bool threeState = false;
    bool reverse = false;
    bool explain = true;
};

typedef CMVCheckBox<int, CMVButtonTpl<CButton>> CMVCheckBoxInt;

class CMVOKButI : public CMVButton {
public:
    explicit CMVOKButI(CMVDialog* owner = nullptr);
};

class CMVCancelButI : public CMVButton {
public:
    explicit CMVCancelButI(CMVDialog* owner = nullptr);
};

class CMVStaticText : public CMVCtr2<CStatic> {
public:
    explicit CMVStaticText(int id, CMVDialog* owner = nullptr) : CMVCtr2<CStatic>(id, owner) { hasText = true; }
};
