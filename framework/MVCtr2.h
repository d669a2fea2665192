// A platform control joined with its control object: CMVCtr2<T> is the
// window object T (CEdit, CListBox, CComboBox, CButton, CStatic) and the
// CMVCtr at once; its window's keyboard and mouse messages reach the
// object's pre-filter. CMVBoxTpl<T> adds the undefined state of the box
// controls.
#pragma once

#include "framework/MVCtr.h"

template <class T>
struct DynamicControlClass;
template <>
struct DynamicControlClass<CEdit> {
    static const char* Name() { return "Edit"; }
    static DWORD Style() { return WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL; }
};
template <>
struct DynamicControlClass<CListBox> {
    static const char* Name() { return "ListBox"; }
    static DWORD Style() { return WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY; }
};
template <>
struct DynamicControlClass<CComboBox> {
    static const char* Name() { return "ComboBox"; }
    static DWORD Style() { return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; }
};
template <>
struct DynamicControlClass<CButton> {
    static const char* Name() { return "Button"; }
    static DWORD Style() { return WS_TABSTOP | BS_PUSHBUTTON; }
};
template <>
struct DynamicControlClass<CStatic> {
    static const char* Name() { return "Static"; }
    static DWORD Style() { return SS_LEFT; }
};

template <class T>
class CMVCtr2 : public T, public CMVCtr {
public:
    explicit CMVCtr2(int id, CMVDialog* owner = nullptr) : CMVCtr(id, owner) {}

    CWnd* Window() override { return static_cast<T*>(this); }
    BOOL PreTranslateMessage(MSG* message) override { return PreFilter(message) ? TRUE : FALSE; }

protected:
    const char* DynamicClass() const override { return DynamicControlClass<T>::Name(); }
    DWORD DynamicStyle() const override { return DynamicControlClass<T>::Style(); }
};

template <class T>
class CMVBoxTpl : public CMVCtr2<T> {
public:
    explicit CMVBoxTpl(int id, CMVDialog* owner = nullptr) : CMVCtr2<T>(id, owner) {}

    bool IsDefined() const override { return defined; }
    void SetDefined(bool value) override { defined = value; }

    bool defined = true;
    bool allowsUndefined = false;
};
