// The preview of the data file in the format dialog: its first 1000 lines,
// the number of the selected line above them, and the file opened in the
// product's text editor.
#include "dialogs/CDlgFmtPoi.h"

#include "common/config.h"
#include "common/cp1250.h"
#include "common/text_file.h"
#include "dialogs/format_dialog_ids.h"

#include <algorithm>
#include <vector>

namespace {

const size_t kPreviewLines = 1000;
const char kMoreLines[] = "Continue ...";

// The width in pixels of the widest line in the list's font, so that the
// list can scroll across it. A tab counts as eight blanks, at least as wide
// as the list's default tab stops make it.
int WidestLine(HWND list, const std::vector<CString>& lines)
{
    const HDC dc = GetDC(list);
    if (!dc)
        return 0;
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageA(list, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    LONG widest = 0;
    CString shown;
    for (const CString& line : lines) {
        shown = line;
        shown.Replace("\t", "        ");
        SIZE size = {0, 0};
        if (GetTextExtentPoint32A(dc, shown, shown.GetLength(), &size) && size.cx > widest)
            widest = size.cx;
    }
    if (previous)
        SelectObject(dc, previous);
    ReleaseDC(list, dc);
    return static_cast<int>(std::min<LONG>(widest + 8, 0xFFFF));
}

} // namespace

// A file that cannot be opened leaves the preview empty, without a message.
void CDlgFmtPoi::FillFilePreview()
{
    previewLines.clear();
    CMVFile<CFile> file;
    if (!dataFile.IsEmpty() && file.Open(dataFile, kOpenForReading, FALSE)) {
        CString line;
        while (previewLines.size() <= kPreviewLines && file.ReadLine(line))
            previewLines.push_back(line);
        file.Close();
        if (previewLines.size() > kPreviewLines)
            previewLines.back() = kMoreLines;
    }
    if (!Live())
        return;
    previewList.SetRedraw(FALSE);
    previewList.ResetContent();
    for (const CString& line : previewLines)
        previewList.AddString(line);
    ::SendMessageA(previewList.m_hWnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(WidestLine(previewList.m_hWnd,
                                                                                           previewLines)), 0);
    previewList.SetRedraw(TRUE);
    previewList.Invalidate();
}

void CDlgFmtPoi::ShowPreviewLineLabel()
{
    const int selected = previewList.GetCurSel();
    if (selected < 0)
        return;
    lineLabel.Format("%s%d", VELOR_CP1250("Řádek č. "), selected + 1);
    SetDlgItemTextA(m_hWnd, kFmtLineLabel, lineLabel);
}

// The user may change the data file in the editor; the preview then shows
// it as it is now.
void CDlgFmtPoi::EditDataFile()
{
    EditTextFile(dataFile, 1);
    FillFilePreview();
}
