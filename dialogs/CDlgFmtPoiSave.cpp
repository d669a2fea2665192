// The save-format dialog.
#include "dialogs/CDlgFmtPoiSave.h"

#include "common/decoder_texts.h"
#include "common/text_tables.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/suffix_words.h"
#include "framework/MVFitText.h"
#include "platform/classlib/MessageBox.h"

namespace {

// The right edge (dialog units) of the description and suffix boxes.
const int kLabelEdge = 214;

} // namespace

CDlgFmtPoiSave::CMVStaticText_T_jmeno::CMVStaticText_T_jmeno() : CMVStaticText(kSaveFormatNameLabel) {}

CDlgFmtPoiSave::CMVStaticText_T_popis::CMVStaticText_T_popis() : CMVStaticText(kSaveFormatDescriptionLabel) {}

CDlgFmtPoiSave::CMVStaticText_T_pripony::CMVStaticText_T_pripony() : CMVStaticText(kSaveFormatSuffixLabel) {}

CDlgFmtPoiSave::CMVComboBox_CL_jmeno::CMVComboBox_CL_jmeno() : CMVComboBox(kSaveFormatName) {}

CDlgFmtPoiSave::CMVEditBox_e_popis::CMVEditBox_e_popis() : CMVEditBox(kSaveFormatDescription) {}

CDlgFmtPoiSave::CMVEditBox_e_pripony::CMVEditBox_e_pripony() : CMVEditBox(kSaveFormatSuffixes) {}

CDlgFmtPoiSave::CDlgFmtPoiSave(FormatCatalogue& catalogue, const CString& formatText)
    : CMVDialog(kTemplateSaveFormat), catalogue(&catalogue), formatText(formatText)
{
}

BOOL CDlgFmtPoiSave::OnInitDialog()
{
    okButton.text = CommonText(kCommonOk);
    cancelButton.text = CommonText(kCommonCancel);
    caption = DecoderText(kTextSaveCaption);
    nameLabel.text = DecoderText(kTextNameLabel);
    descriptionLabel.text = DecoderText(kTextDescriptionLabel);
    suffixLabel.text = DecoderText(kTextSuffixLabel);
    const BOOL focusDefault = CMVDialog::OnInitDialog();
    // The labels stand alone in their rows: they may grow up to the right
    // edge of the boxes below them.
    for (CMVCtr* label : {static_cast<CMVCtr*>(&nameLabel), static_cast<CMVCtr*>(&descriptionLabel),
                          static_cast<CMVCtr*>(&suffixLabel)})
        WidenToText(*label, kLabelEdge);
    FillNameList();
    return focusDefault;
}

// The names in catalogue order. Emptying a combo box empties its edit field
// too, so the name is shown again afterwards.
void CDlgFmtPoiSave::FillNameList()
{
    nameBox.SetRedraw(FALSE);
    nameBox.ResetContent();
    for (const CString& name : names)
        nameBox.AddString(name);
    nameBox.SetRedraw(TRUE);
    nameBox.ValueToWindow();
    nameBox.Invalidate();
}

bool CDlgFmtPoiSave::OnCommandMap(UINT id, int code)
{
    // Only typing looks the name up; a choice from the drop-down list does not.
    if (static_cast<int>(id) != kSaveFormatName || code != CBN_EDITCHANGE)
        return false;
    ShowStoredEntryOfTypedName();
    return true;
}

void CDlgFmtPoiSave::ShowStoredEntryOfTypedName()
{
    nameBox.ValueFromWindow();
    CString format, description, suffixes;
    if (!catalogue->LookupEntry(nameBox.value, format, description, suffixes))
        return;
    descriptionBox.value = description;
    suffixBox.value = suffixes;
    descriptionBox.ValueToWindow();
    suffixBox.ValueToWindow();
}

void CDlgFmtPoiSave::OnOK()
{
    if (!TakeValues())
        return;
    resultIndex = -1;
    if (!NameAccepted() || !ReplacingAgreed() || !SuffixMovesAgreed() || !Stored())
        return;
    resultIndex = catalogue->FindEntry(nameBox.value);
    CMVDialog::OnOK();
}

bool CDlgFmtPoiSave::NameAccepted()
{
    if (SuffixWords(nameBox.value).empty()) {
        Tell(DecoderText(kTextNameEmpty));
        return false;
    }
    if (!IsStorableFormatName(nameBox.value)) {
        Tell(DecoderText(kTextNameRefused));
        return false;
    }
    return true;
}

bool CDlgFmtPoiSave::ReplacingAgreed()
{
    if (catalogue->FindEntry(nameBox.value) == kNoCatalogueEntry)
        return true;
    return Ask(DecoderText(kTextNameExists)) == IDYES;
}

// Each suffix that another format claims moves here only when the user
// agrees; the moves stay in memory until the save. A No re-reads the
// catalogue, which drops the moves agreed before it.
bool CDlgFmtPoiSave::SuffixMovesAgreed()
{
    for (const CString& suffix : SuffixWords(suffixBox.value)) {
        const CString other = catalogue->FindFormatForSuffix(suffix);
        if (other.IsEmpty() || other.CompareNoCase(nameBox.value) == 0)
            continue;
        const CString question = CString(DecoderText(kTextSuffixLinked)) + "\r\r(" + suffix + " -> " + other + ")";
        if (Ask(question) != IDYES) {
            catalogue->LoadCatalogue(catalogue->Section());
            return false;
        }
        CString format, description, suffixes;
        catalogue->LookupEntry(other, format, description, suffixes);
        catalogue->PutEntry(other, format, description, SuffixListWithout(suffixes, suffix));
    }
    return true;
}

// Puts the entry and writes the catalogue; when either fails, the catalogue
// is read back as its file holds it and the user is told.
bool CDlgFmtPoiSave::Stored()
{
    if (catalogue->PutEntry(nameBox.value, formatText, descriptionBox.value, suffixBox.value) &&
        catalogue->SaveCatalogue())
        return true;
    catalogue->LoadCatalogue(catalogue->Section());
    Tell(CString(DecoderText(kTextFormatNotSaved)) + "\r\n\r\n" + catalogue->IniPath());
    return false;
}

int CDlgFmtPoiSave::Ask(const CString& text)
{
    return VelorMessageBox(m_hWnd, text, DecoderText(kTextSaveCaption), MB_YESNO | MB_ICONQUESTION);
}

void CDlgFmtPoiSave::Tell(const CString& text)
{
    VelorMessageBox(m_hWnd, text, DecoderText(kTextSaveCaption), MB_OK | MB_ICONEXCLAMATION);
}
