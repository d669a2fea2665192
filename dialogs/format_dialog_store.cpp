// The format dialog's catalogue buttons (save, delete), its checks at OK and
// the information about comment words.
#include "dialogs/CDlgFmtPoi.h"

#include "common/cp1250.h"
#include "dialogs/save_format_dialog.h"
#include "formats/format_text.h"
#include "platform/classlib/MessageBox.h"

namespace {

const char* const kSeparatorIsComment =
    VELOR_CP1250("Oddělovač údajů nesmí být mezi znaky znamenajícími komentář !");
const char* const kDecimalPointIsComment =
    VELOR_CP1250("Oddělovač desetinné části čísel nesmí být mezi znaky znamenajícími komentář !");
const char* const kCommentWordInformation = VELOR_CP1250(
    "\r\nKaždé komentářové slovo může mít více znaků, ale bez mezer \r\nči tabelátorů, protože těmi se v "
    "zadávacím poli slova oddělují. \r\n\r\nPOKUD NENÍ ZADÁNO ŽÁDNÉ KOMENTÁŘOVÉ KOMENTÁŘOVÉ SLOVO, \r\nZA "
    "KOMENTÁŘOVÁ SLOVA SE BUDOU POVAŽOVAT STANDARDNÍ \r\nKOMENTÁŘOVÁ SLOVA: ; $ ! *  \r\n\r\nKomentářové slovo lze "
    "zadat dostatečně dlouhé \r\na nesmyslné, např. *@#$% , aby při importu nehrozilo, \r\nže tak bude začínat "
    "např. jméno některého z bodů v souboru.");

const uint16_t kNoIndex = 0xFFFF;

} // namespace

// The edited format is stored under the name the user gives; that name is
// then selected.
void CDlgFmtPoi::Save()
{
    formatList.ValueFromWindow();
    selectedIndex = static_cast<int16_t>(formatList.value);
    PointFormat f;
    DialogToFormat(f);
    const int32_t saved = RunSaveFormat(catalogue, static_cast<uint16_t>(selectedIndex), PrintFormatText(f));
    if (saved < 0 || static_cast<uint16_t>(saved) == kNoIndex || saved >= catalogue.Count())
        return;
    SelectFormatByName(catalogue.NameAt(static_cast<CatalogueIndex>(saved)));
}

// The selected entry leaves the catalogue at once, without a question;
// "Standard" is never deleted. The values the user has edited stay shown.
void CDlgFmtPoi::Delete()
{
    TakeValuesQuietly();
    if (selectedIndex < 0 || selectedIndex >= catalogue.Count())
        return;
    const CString name = catalogue.NameAt(selectedIndex);
    if (lstrcmpiA(name, kStandardFormatName) == 0)
        return;
    catalogue.RemoveEntry(name);
    catalogue.SaveCatalogue();
    SelectFormatByName("");
    selectedIndex = -1;
    ShowAllValues();
}

bool CDlgFmtPoi::CommentWordsAllowed(const PointFormat& f)
{
    for (const CString& word : f.commentWords) {
        if (word == f.fieldSeparators) {
            VelorMessageBox(m_hWnd, kSeparatorIsComment, nullptr, MB_OK);
            return false;
        }
    }
    const char* decimalPoint = f.decimalComma ? "," : ".";
    for (const CString& word : f.commentWords) {
        if (word == decimalPoint) {
            VelorMessageBox(m_hWnd, kDecimalPointIsComment, nullptr, MB_OK);
            return false;
        }
    }
    return true;
}

// A value separator or the decimal point among the comment words would cut
// every line at it: OK refuses them and the dialog stays open.
void CDlgFmtPoi::OnOK()
{
    if (!TakeValues())
        return;
    PointFormat f;
    DialogToFormat(f);
    if (!CommentWordsAllowed(f))
        return;
    CMVDialog::OnOK();
}

void CDlgFmtPoi::ShowCommentWordInformation()
{
    VelorMessageBox(m_hWnd, kCommentWordInformation, nullptr, MB_OK | MB_ICONINFORMATION);
}
