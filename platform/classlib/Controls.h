// The class library's standard controls: thin objects over the control
// messages of their windows (EM_, LB_, CB_, BM_). A control object is bound
// to its window by id (SubclassDlgItem) or attached to a window it creates.
#pragma once

#include "platform/classlib/Wnd.h"

class CEdit : public CWnd {
public:
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    // The selection: start in the low word, end in the high word.
    DWORD GetSel() const;
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const char* text, BOOL canUndo = FALSE);
    void LimitText(int maximum = 0);
    void SetReadOnly(BOOL readOnly = TRUE);
};

class CListBox : public CWnd {
public:
    int AddString(const char* text);
    int InsertString(int index, const char* text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetText(int index, CString& text) const;
    int GetTextLen(int index) const;
    int FindStringExact(int start, const char* text) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
};

class CComboBox : public CWnd {
public:
    int AddString(const char* text);
    int InsertString(int index, const char* text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    int FindStringExact(int start, const char* text) const;
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    BOOL SetEditSel(int start, int end);
    BOOL LimitText(int maximum);
};

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int state);
    UINT GetState() const;
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    // Owner-drawn buttons draw themselves here (WM_DRAWITEM of the parent).
    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CStatic : public CWnd {};
