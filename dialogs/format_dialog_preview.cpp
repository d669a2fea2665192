// The preview of the data file in the format dialog: its first 1000 lines,
// the number of the selected line above them, and the file opened in the
// product's text editor.
#include "dialogs/CDlgFmtPoi.h"

#include "common/config.h"
#include "common/cp1250.h"
#include "common/text_file.h"
#include "dialogs/format_dialog_ids.h"

namespace {

const size_t kPreviewLines = 1000;
const char kMoreLines[] = "Continue ...";
const UINT kOpenForReading = CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary;

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
