// The framework's control object. Every dialog and control of the framework
// shares the plain structure SDiaCtrBas. A CMVCtr holds what a control
// keeps while its window does not exist (its caption, its layout, whether
// it is enabled and shown) and the virtual slots through which the dialog
// exchanges its value, routes commands to it and filters its messages.
#pragma once

#include "platform/classlib/WindowClasses.h"

#include <cstdint>

struct SDiaCtrBas {
    enum Kind : int32_t { kDialogKind, kControlKind };
    Kind diaCtrKind;
};

// The caption value that means: keep the template's text.
extern const char* const NoTextSentinel;
// What the framework shows for an undefined value.
extern const char* const UndefinedMarker;
// A layout coordinate that is not set.
const float kLayoutUnset = -9999.0f;

// A window's place in its parent's client coordinates (a dialog's: on the
// screen), each value kLayoutUnset until it is known.
struct LayoutRect {
    float x = kLayoutUnset;
    float y = kLayoutUnset;
    float width = kLayoutUnset;
    float height = kLayoutUnset;
};

// The place a window's rectangle gives.
LayoutRect LayoutOf(const RECT& r);

class CMVDialog;

class CMVCtr : public SDiaCtrBas {
public:
    // Registers the control with owner, or when owner is null with the
    // dialog under construction. Id 0 takes the dialog's next dynamic id; a
    // negative id -n is the id n of a dynamic control.
    explicit CMVCtr(int id, CMVDialog* owner = nullptr);
    CMVCtr(const CMVCtr&) = delete;
    CMVCtr& operator=(const CMVCtr&) = delete;

    // The virtual slots, in their order.
    virtual ~CMVCtr();                              // 0
    virtual CWnd* Window();                         // 1 the control's window object
    virtual void Attach();                          // 2 the dialog initialises
    virtual void Reserved3();                       // 3
    virtual bool ValueFromWindow();                 // 4 false: the content is not acceptable
    virtual void ValueToWindow();                   // 5
    virtual bool IsDefined() const;                 // 6
    virtual void SetDefined(bool defined);          // 7
    virtual bool CreateControlWindow();             // 8 dynamic controls
    virtual bool CommandFilter(UINT id, int code);  // 9 false stops the command
    virtual void Enable(bool enable);               // 10
    virtual void Show(bool show);                   // 11
    virtual bool IsEnabled() const;                 // 12
    virtual void Reserved13();                      // 13
    virtual bool IsVisible() const;                 // 14
    virtual void Reserved15();                      // 15
    virtual bool PreFilter(MSG* message);           // 16 true: handled

    CString text;
    LayoutRect layout;        // where the control is
    LayoutRect initialLayout; // where it was first, in the dialog's template
    bool hasText;
    bool dynamic;
    bool enabled;
    bool visible;
    CMVDialog* owner;
    int32_t id;

protected:
    // Whether the control's window is there to act on.
    bool WindowLive() const;
    HWND Handle() const;
    // The window class and style of a dynamic control of this kind.
    virtual const char* DynamicClass() const;
    virtual DWORD DynamicStyle() const;

    friend class CMVDialog;
};

// The dialog that controls constructed now register with.
CMVDialog* DialogUnderConstruction();
void SetDialogUnderConstruction(CMVDialog* dialog);
