// The format dialog's controls, its data exchange and its message map.
#include "dialogs/CDlgFmtPoi.h"

#include "common/cp1250.h"
#include "common/help.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/format_dialog_ids.h"

CDlgFmtPoi::CMVStaticText_T_fmt::CMVStaticText_T_fmt() : CMVStaticText(kFmtFormatLabel) {}
CDlgFmtPoi::CMVDropLBox_DL_fmtName::CMVDropLBox_DL_fmtName() : CMVDropLBox(kFmtFormatList) {}
CDlgFmtPoi::CMVButton_B_uloz::CMVButton_B_uloz() : CMVButton(kFmtSave) {}
CDlgFmtPoi::CMVButton_B_smazat::CMVButton_B_smazat() : CMVButton(kFmtDelete) {}
CDlgFmtPoi::CMVStaticText_g_zaklvl::CMVStaticText_g_zaklvl() : CMVStaticText(kFmtBasicGroup) {}
CDlgFmtPoi::CMVStaticText_T_komentar::CMVStaticText_T_komentar() : CMVStaticText(kFmtCommentLabel) {}
CDlgFmtPoi::CMVEditBox_e_koment::CMVEditBox_e_koment() : CMVEditBox(kFmtCommentWords) {}
CDlgFmtPoi::CMVButton_B_KomentInfo::CMVButton_B_KomentInfo() : CMVButton(kFmtCommentInfo) {}
CDlgFmtPoi::CMVStaticText_t_oddel::CMVStaticText_t_oddel() : CMVStaticText(kFmtSeparatorLabel) {}
CDlgFmtPoi::CMVStaticText_T_TCodeSep::CMVStaticText_T_TCodeSep() : CMVStaticText(kFmtCodeSeparatorLabel) {}
CDlgFmtPoi::CMVEditBox_e_TCodeSep::CMVEditBox_e_TCodeSep() : CMVEditBox(kFmtCodeSeparators) {}
CDlgFmtPoi::CMVCheckBox_c_oddeldes::CMVCheckBox_c_oddeldes() : CMVCheckBoxInt(kFmtDecimalComma) {}
CDlgFmtPoi::CMVStaticText_t_pocdes::CMVStaticText_t_pocdes() : CMVStaticText(kFmtDecimalsLabel) {}
CDlgFmtPoi::CMVStaticText_T_sys::CMVStaticText_T_sys() : CMVStaticText(kFmtCoordLabel) {}
CDlgFmtPoi::CMVButton_bSys::CMVButton_bSys() : CMVButton(kFmtCoordAid) {}
CDlgFmtPoi::CMVStaticText_gUdajevr::CMVStaticText_gUdajevr() : CMVStaticText(kFmtFieldsGroup) {}
CDlgFmtPoi::CMVStaticText_T_mozne::CMVStaticText_T_mozne() : CMVStaticText(kFmtOfferLabel) {}
CDlgFmtPoi::CMVStaticText_T_udaje::CMVStaticText_T_udaje() : CMVStaticText(kFmtFieldsLabel) {}
CDlgFmtPoi::CMVStaticText_G_soubor::CMVStaticText_G_soubor() : CMVStaticText(kFmtFileGroup) {}
CDlgFmtPoi::CMVButton_b_edit::CMVButton_b_edit() : CMVButton(kFmtEditFile) {}
CDlgFmtPoi::CMVListBox_L_soubor::CMVListBox_L_soubor() : CMVListBox(kFmtPreview) {}

// The lists whose items the dialog keeps refill themselves when shown.
CDlgFmtPoi::CMVDropLBox_L_oddel::CMVDropLBox_L_oddel() : CMVDropLBox(kFmtSeparatorList)
{
    fillsOwnItems = true;
    value = 0;
}

CDlgFmtPoi::CMVDropLBox_DL_sys::CMVDropLBox_DL_sys() : CMVDropLBox(kFmtCoordList)
{
    fillsOwnItems = true;
    value = 0;
}

CDlgFmtPoi::CMVListBox_L_mozne::CMVListBox_L_mozne() : CMVListBox(kFmtOfferList)
{
    fillsOwnItems = true;
}

CDlgFmtPoi::CMVListBox_L_udaje::CMVListBox_L_udaje() : CMVListBox(kFmtFieldList)
{
    fillsOwnItems = true;
}

// Until the opening narrows it, the box takes any count from 1 upwards.
CDlgFmtPoi::CMVNumBox_pocdes::CMVNumBox_pocdes() : CMVNumBox<int>(kFmtDecimals)
{
    minimum = 1;
    maximum = 1000000000;
    value = 1;
}

bool CDlgFmtPoi::CMVDropLBox_DL_fmtName::ValueFromWindow()
{
    const int position = GetCurSel();
    value = position >= 0 ? static_cast<int>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(position))) : -1;
    return true;
}

void CDlgFmtPoi::CMVDropLBox_DL_fmtName::ValueToWindow()
{
    int position = -1;
    const int count = GetCount();
    for (int i = 0; value >= 0 && i < count && position < 0; ++i)
        if (static_cast<int>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(i))) == value)
            position = i;
    SetCurSel(position);
}

void CDlgFmtPoi::CMVDropLBox_DL_fmtName::Fill(const std::vector<CString>& texts)
{
    SetRedraw(FALSE);
    ResetContent();
    for (size_t i = 0; i < texts.size(); ++i) {
        const int position = AddString(texts[i]);
        if (position >= 0)
            SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(position), static_cast<LPARAM>(i));
    }
    SetRedraw(TRUE);
    Invalidate();
}

CDlgFmtPoi::CDlgFmtPoi() : CMVDialog(kTemplateFormat), lineLabel(VELOR_CP1250("Řádek č.")) {}

bool CDlgFmtPoi::Live() const
{
    return windowExists && m_hWnd && IsWindow(m_hWnd);
}

// Before the framework's exchange the controls get what the dialog keeps;
// after a taking exchange the dialog keeps the selected name. The line
// label above the preview is exchanged with lineLabel.
void CDlgFmtPoi::DoDataExchange(CDataExchange* exchange)
{
    if (!exchange->m_bSaveAndValidate) {
        formatList.value = selectedIndex;
        separatorList.items = separatorNames;
        offerList.items = offered;
        fieldList.items = inFile;
    }
    CMVDialog::DoDataExchange(exchange);
    if (exchange->m_bSaveAndValidate)
        selectedIndex = static_cast<int16_t>(formatList.value);
    if (exchange->Failed())
        return;
    ExchangeItemText(exchange, kFmtLineLabel, lineLabel);
}

void CDlgFmtPoi::TakeValuesQuietly()
{
    decimalsBox.messages = false;
    UpdateData(TRUE);
    decimalsBox.messages = true;
}

void CDlgFmtPoi::ShowAllValues()
{
    if (!Live())
        return;
    const bool wasFilling = filling_;
    filling_ = true;
    UpdateData(FALSE);
    filling_ = wasFilling;
}

void CDlgFmtPoi::ShowFormatSelection()
{
    formatList.value = selectedIndex;
    if (Live())
        formatList.ValueToWindow();
}

bool CDlgFmtPoi::OnCommandMap(UINT id, int code)
{
    const bool edited = !filling_;
    switch (id) {
    case kFmtFormatList:
        if (code == CBN_SELCHANGE && edited)
            LoadSelectedFormat();
        return code == CBN_SELCHANGE;
    case kFmtCommentWords:
        if (code == EN_CHANGE && commentInfoButton.m_hWnd)
            ::InvalidateRect(commentInfoButton.m_hWnd, nullptr, TRUE);
        [[fallthrough]];
    case kFmtCodeSeparators:
    case kFmtDecimals:
        if (code == EN_CHANGE && edited)
            RefreshFormatSelection();
        return code == EN_CHANGE;
    case kFmtCoordList:
        if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && edited)
            RefreshFormatSelection();
        return code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
    case kFmtSeparatorList: // a changed separator makes another format, as any edit does
        if (code == CBN_SELCHANGE && edited)
            RefreshFormatSelection();
        return code == CBN_SELCHANGE;
    case kFmtPreview:
        if (code == LBN_SELCHANGE)
            ShowPreviewLineLabel();
        return code == LBN_SELCHANGE;
    default:
        break;
    }
    if (code == LBN_DBLCLK && (id == kFmtOfferList || id == kFmtFieldList)) {
        OnCommandMap(id == kFmtOfferList ? kFmtAddField : kFmtRemoveField, BN_CLICKED);
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case kFmtDecimalComma:
        if (edited)
            RefreshFormatSelection();
        return true;
    case kFmtAddField:
        offerList.ValueFromWindow();
        fieldList.ValueFromWindow();
        if (offerList.value >= 0 && offerList.value < static_cast<int>(offered.size())) {
            AddField(offerList.value);
            RefreshFormatSelection();
        }
        return true;
    case kFmtRemoveField:
        fieldList.ValueFromWindow();
        if (fieldList.value >= 0 && fieldList.value < static_cast<int>(inFile.size())) {
            RemoveField(fieldList.value);
            ShowFieldLists();
            RefreshFormatSelection();
        }
        return true;
    case kFmtFieldUp: MoveField(-1); return true;
    case kFmtFieldDown: MoveField(1); return true;
    case kFmtSave: Save(); return true;
    case kFmtDelete: Delete(); return true;
    case kFmtEditFile: EditDataFile(); return true;
    case kFmtCoordAid:
        CoordSystemAid(*this);
        RefreshFormatSelection();
        return true;
    case kFmtCommentInfo: ShowCommentWordInformation(); return true;
    default: return false;
    }
}

// F1 (and the caption's help button) ask for the dialog's help page.
bool CDlgFmtPoi::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_HELP) {
        ShowHelp(kFormatDialogHelp);
        *result = TRUE;
        return true;
    }
    return CMVDialog::OnDialogMessage(message, wParam, lParam, result);
}

HWND CDlgFmtPoi::AidOwner()
{
    return m_hWnd;
}

void CDlgFmtPoi::SetCoordSystemChoice(int listPosition)
{
    coordList.value = listPosition;
    if (Live())
        coordList.ValueToWindow();
}

std::vector<CString>& CDlgFmtPoi::FieldsInLine()
{
    return inFile;
}

void CDlgFmtPoi::ShowFieldsInLine()
{
    fieldList.items = inFile;
    if (Live())
        fieldList.ValueToWindow();
}
