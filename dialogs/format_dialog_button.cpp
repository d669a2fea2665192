// The "!" button beside the comment words: it draws itself light grey while
// comment words are given and light red while the box is empty (the
// standard comment words then apply), so that the user sees which.
#include "dialogs/CDlgFmtPoi.h"

#include "dialogs/format_dialog_ids.h"

namespace {

const COLORREF kWordsGiven = RGB(220, 220, 220);
const COLORREF kNoWords = RGB(255, 150, 150);

bool HasCommentWords(HWND dialog)
{
    char text[1024] = "";
    GetDlgItemTextA(dialog, kFmtCommentWords, text, sizeof text);
    for (const char* p = text; *p; ++p)
        if (static_cast<unsigned char>(*p) > 32)
            return true;
    return false;
}

} // namespace

void CDlgFmtPoi::CMVButton_B_KomentInfo::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item || !item->hDC)
        return;
    RECT face = item->rcItem;
    const HBRUSH brush = CreateSolidBrush(HasCommentWords(GetParent()) ? kWordsGiven : kNoWords);
    FillRect(item->hDC, &face, brush);
    DeleteObject(brush);
    const bool pushed = (item->itemState & ODS_SELECTED) != 0;
    DrawEdge(item->hDC, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int oldMode = SetBkMode(item->hDC, TRANSPARENT);
    const COLORREF oldColor =
        SetTextColor(item->hDC, (item->itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    const HGDIOBJ oldFont = font ? SelectObject(item->hDC, font) : nullptr;
    DrawTextA(item->hDC, "!", 1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (oldFont)
        SelectObject(item->hDC, oldFont);
    SetTextColor(item->hDC, oldColor);
    SetBkMode(item->hDC, oldMode);
}
