// The format dialog: the user defines how the lines of a point file are read
// (the fields of a data line and their order, comment words, the value
// separator, the text-code separators, the decimal comma, the decimal places
// and the coordinate system) beside a preview of the data file, chooses a
// stored format of the catalogue, stores the edited one under a name or
// deletes a stored one. The runner (format_dialog.h) prepares its inputs and
// takes its results.
//
// The members are defined in CDlgFmtPoi.cpp (controls, data exchange, message
// map) and in format_dialog_button.cpp (the "!" button), _convert.cpp (format
// and controls), _fields.cpp (the two field lists), _open.cpp (opening),
// _preview.cpp (the data file's preview) and _store.cpp (save, delete, OK).
#pragma once

#include "dialogs/coord_system_aid.h"
#include "formats/catalogue.h"
#include "framework/MVButton.h"
#include "framework/MVDialog.h"
#include "framework/MVEditBox.h"
#include "framework/MVListBox.h"
#include "framework/MVNumBox.h"

#include <cstdint>
#include <vector>

class CDlgFmtPoi : public CMVDialog, public CoordAidTarget {
public:
    class CMVStaticText_T_fmt : public CMVStaticText {
    public:
        CMVStaticText_T_fmt();
    };
    // The catalogue names. Each item keeps the catalogue index of its name,
    // so that the value is that index whatever order the list sorts in.
    class CMVDropLBox_DL_fmtName : public CMVDropLBox {
    public:
        CMVDropLBox_DL_fmtName();
        bool ValueFromWindow() override;
        void ValueToWindow() override;
        // Empties the window and fills it with texts[i] for index i.
        void Fill(const std::vector<CString>& texts);
    };
    class CMVButton_B_uloz : public CMVButton {
    public:
        CMVButton_B_uloz();
    };
    class CMVButton_B_smazat : public CMVButton {
    public:
        CMVButton_B_smazat();
    };
    class CMVStaticText_g_zaklvl : public CMVStaticText {
    public:
        CMVStaticText_g_zaklvl();
    };
    class CMVStaticText_T_komentar : public CMVStaticText {
    public:
        CMVStaticText_T_komentar();
    };
    class CMVEditBox_e_koment : public CMVEditBox {
    public:
        CMVEditBox_e_koment();
    };
    // The "!" button: light grey while comment words are given, light red
    // while the box is empty.
    class CMVButton_B_KomentInfo : public CMVButton {
    public:
        CMVButton_B_KomentInfo();
        void DrawItem(LPDRAWITEMSTRUCT item) override;
    };
    class CMVStaticText_t_oddel : public CMVStaticText {
    public:
        CMVStaticText_t_oddel();
    };
    class CMVDropLBox_L_oddel : public CMVDropLBox {
    public:
        CMVDropLBox_L_oddel();
    };
    class CMVStaticText_T_TCodeSep : public CMVStaticText {
    public:
        CMVStaticText_T_TCodeSep();
    };
    class CMVEditBox_e_TCodeSep : public CMVEditBox {
    public:
        CMVEditBox_e_TCodeSep();
    };
    class CMVCheckBox_c_oddeldes : public CMVCheckBoxInt {
    public:
        CMVCheckBox_c_oddeldes();
    };
    class CMVStaticText_t_pocdes : public CMVStaticText {
    public:
        CMVStaticText_t_pocdes();
    };
    class CMVNumBox_pocdes : public CMVNumBox<int> {
    public:
        CMVNumBox_pocdes();
    };
    class CMVStaticText_T_sys : public CMVStaticText {
    public:
        CMVStaticText_T_sys();
    };
    class CMVDropLBox_DL_sys : public CMVDropLBox {
    public:
        CMVDropLBox_DL_sys();
    };
    class CMVButton_bSys : public CMVButton {
    public:
        CMVButton_bSys();
    };
    class CMVStaticText_gUdajevr : public CMVStaticText {
    public:
        CMVStaticText_gUdajevr();
    };
    class CMVStaticText_T_mozne : public CMVStaticText {
    public:
        CMVStaticText_T_mozne();
    };
    class CMVStaticText_T_udaje : public CMVStaticText {
    public:
        CMVStaticText_T_udaje();
    };
    class CMVListBox_L_mozne : public CMVListBox {
    public:
        CMVListBox_L_mozne();
    };
    class CMVListBox_L_udaje : public CMVListBox {
    public:
        CMVListBox_L_udaje();
    };
    class CMVStaticText_G_soubor : public CMVStaticText {
    public:
        CMVStaticText_G_soubor();
    };
    class CMVButton_b_edit : public CMVButton {
    public:
        CMVButton_b_edit();
    };
    class CMVListBox_L_soubor : public CMVListBox {
    public:
        CMVListBox_L_soubor();
    };

    CDlgFmtPoi();

    // The platform dialog's and the framework's hooks.
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* exchange) override;
    bool OnCommandMap(UINT id, int code) override;
    bool OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // What the coordinate-system aid changes.
    HWND AidOwner() override;
    void SetCoordSystemChoice(int listPosition) override;
    std::vector<CString>& FieldsInLine() override;
    void ShowFieldsInLine() override;

    // Selects the catalogue name (empty: "Standard") and refills the format
    // list with the catalogue's names.
    void SelectFormatByName(const char* name);
    // Shows f in the controls.
    void FormatToDialog(const PointFormat& f);
    // The format the controls define, built on the member format (so that
    // what the controls do not show is kept).
    void DialogToFormat(PointFormat& f);
    // After an edit: the name stays selected only while the definition
    // equals its stored format, and is selected again when it does.
    void RefreshFormatSelection();
    // Reads the first 1000 lines of the data file into the preview.
    void FillFilePreview();
    void AddField(int offeredIndex);
    void RemoveField(int fieldIndex);

    FormatCatalogue catalogue;
    PointFormat format;
    PointFormat limitFormat;
    bool hasLimit = false;
    CString startName;
    CString lastName;
    CString dataFile;
    bool fileNamesFormat = false;
    bool givenFormatMode = false;
    bool variantMode = false;
    std::vector<CString> names;
    std::vector<CString> offered;
    std::vector<CString> inFile;
    std::vector<CString> separatorNames;
    CString lineLabel;
    int16_t selectedIndex = -1;
    // The lines of the preview, the "Continue ..." entry included.
    std::vector<CString> previewLines;

    CMVOKButI okButton;
    CMVCancelButI cancelButton;
    CMVStaticText_T_fmt formatLabel;
    CMVDropLBox_DL_fmtName formatList;
    CMVButton_B_uloz saveButton;
    CMVButton_B_smazat deleteButton;
    CMVStaticText_g_zaklvl basicGroup;
    CMVStaticText_T_komentar commentLabel;
    CMVEditBox_e_koment commentBox;
    CMVButton_B_KomentInfo commentInfoButton;
    CMVStaticText_t_oddel separatorLabel;
    CMVDropLBox_L_oddel separatorList;
    CMVStaticText_T_TCodeSep codeSeparatorLabel;
    CMVEditBox_e_TCodeSep codeSeparatorBox;
    CMVCheckBox_c_oddeldes decimalCommaBox;
    CMVStaticText_T_sys coordLabel;
    CMVDropLBox_DL_sys coordList;
    CMVButton_bSys coordAidButton;
    CMVStaticText_gUdajevr fieldsGroup;
    CMVStaticText_T_mozne offerLabel;
    CMVStaticText_T_udaje fieldsLabel;
    CMVListBox_L_mozne offerList;
    CMVListBox_L_udaje fieldList;
    CMVStaticText_G_soubor fileGroup;
    CMVButton_b_edit editButton;
    CMVListBox_L_soubor previewList;
    CMVStaticText_t_pocdes decimalsLabel;
    // Last of the value controls: a refused number stops the exchange after
    // every other value was taken.
    CMVNumBox_pocdes decimalsBox;

private:
    // Whether the window is there to show values in.
    bool Live() const;
    // The controls' values from their windows without any message: a value
    // the user is still typing is taken as far as it reads.
    void TakeValuesQuietly();
    // Shows every value; the controls' change notifications of this filling
    // are no edits of the user.
    void ShowAllValues();
    void ShowFieldLists();
    void ShowFormatSelection();
    void LoadSelectedFormat();
    void MoveField(int step);
    void Save();
    void Delete();
    // The two refusals of OK; true when the format may be taken.
    bool CommentWordsAllowed(const PointFormat& f);
    void ShowPreviewLineLabel();
    void ShowCommentWordInformation();
    void EditDataFile();
    // The field kind a list entry stands for; -1 when none.
    static int KindOfEntry(const CString& entry);
    bool IsOfferedKind(int kind) const;

    bool filling_ = false;
};
