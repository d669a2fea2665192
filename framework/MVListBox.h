// The list controls: a list box and a drop-down list keep the selected
// position as their value; an editable combo box keeps its text. A list
// that fills its own items (items, fillsOwnItems) refills its window before
// it shows its value. An undefined list box has no selection; an undefined
// drop-down list shows an extra first item "(?)" (when it fills its own
// items, else no selection).
#pragma once

#include "framework/MVCtr2.h"

#include <vector>

template <class T>
class CMVListBoxTpl : public CMVBoxTpl<T> {
public:
    explicit CMVListBoxTpl(int id, CMVDialog* owner = nullptr) : CMVBoxTpl<T>(id, owner) {}

    int value = -1;
    std::vector<CString> items;
    bool fillsOwnItems = false;
};

class CMVListBox : public CMVListBoxTpl<CListBox> {
public:
    explicit CMVListBox(int id, CMVDialog* owner = nullptr) : CMVListBoxTpl<CListBox>(id, owner) {}

    bool ValueFromWindow() override;
    void ValueToWindow() override;
    bool PreFilter(MSG* message) override;
};

class CMVDropLBox : public CMVListBoxTpl<CComboBox> {
public:
    explicit CMVDropLBox(int id, CMVDialog* owner = nullptr) : CMVListBoxTpl<CComboBox>(id, owner) {}

    bool ValueFromWindow() override;
    void ValueToWindow() override;
    bool CommandFilter(UINT id, int code) override;
    bool PreFilter(MSG* message) override;

    // Whether the window now holds the extra "(?)" item.
    bool undefinedItemShown = false;
};

class CMVComboBox : public CMVBoxTpl<CComboBox> {
public:
    explicit CMVComboBox(int id, CMVDialog* owner = nullptr) : CMVBoxTpl<CComboBox>(id, owner) {}

    bool ValueFromWindow() override;
    void ValueToWindow() override;

    CString value;
};
