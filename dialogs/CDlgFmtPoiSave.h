// The save-format dialog: the name, the short description and the file
// suffixes under which the edited format goes into the catalogue. Typing the
// name of a stored format shows that format's description and suffixes. OK
// asks before it replaces a stored format of the same name and before it
// takes a suffix away from another format; any No keeps the dialog open and
// the catalogue as its file holds it. An empty name, or one the ini file
// cannot hold, is refused with a message that says why.
#pragma once

#include "formats/catalogue.h"
#include "framework/MVButton.h"
#include "framework/MVDialog.h"
#include "framework/MVEditBox.h"
#include "framework/MVListBox.h"

#include <cstdint>
#include <vector>

enum SaveFormatControlId : int {
    kSaveFormatNameLabel = 1044,
    kSaveFormatName = 1045,
    kSaveFormatDescription = 1046,
    kSaveFormatSuffixLabel = 1047,
    kSaveFormatSuffixes = 1048,
    kSaveFormatDescriptionLabel = 1052,
};

class CDlgFmtPoiSave : public CMVDialog {
public:
    class CMVStaticText_T_jmeno : public CMVStaticText {
    public:
        CMVStaticText_T_jmeno();
    };
    class CMVStaticText_T_popis : public CMVStaticText {
    public:
        CMVStaticText_T_popis();
    };
    class CMVStaticText_T_pripony : public CMVStaticText {
    public:
        CMVStaticText_T_pripony();
    };
    class CMVComboBox_CL_jmeno : public CMVComboBox {
    public:
        CMVComboBox_CL_jmeno();
    };
    class CMVEditBox_e_popis : public CMVEditBox {
    public:
        CMVEditBox_e_popis();
    };
    class CMVEditBox_e_pripony : public CMVEditBox {
    public:
        CMVEditBox_e_pripony();
    };

    CDlgFmtPoiSave(FormatCatalogue& catalogue, const CString& formatText);

    BOOL OnInitDialog() override;
    bool OnCommandMap(UINT id, int code) override;
    void OnOK() override;

    FormatCatalogue* catalogue; // not owned
    // The catalogue index of the saved entry; -1 while nothing is saved.
    int16_t resultIndex = -1;
    CString formatText;
    // The catalogue's names, in catalogue order, for the name list.
    std::vector<CString> names;

    CMVOKButI okButton;
    CMVCancelButI cancelButton;
    CMVStaticText_T_jmeno nameLabel;
    CMVStaticText_T_popis descriptionLabel;
    CMVStaticText_T_pripony suffixLabel;
    CMVComboBox_CL_jmeno nameBox;
    CMVEditBox_e_popis descriptionBox;
    CMVEditBox_e_pripony suffixBox;

private:
    void FillNameList();
    void ShowStoredEntryOfTypedName();
    // The steps of OK; each false keeps the dialog open.
    bool NameAccepted();
    bool ReplacingAgreed();
    bool SuffixMovesAgreed();
    bool Stored();
    int Ask(const CString& text);
    void Tell(const CString& text);
};
