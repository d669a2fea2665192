// The opening of the format dialog: its texts in the chosen language, the
// separator and coordinate-system choices, the catalogue's names with the
// start name selected, the format in the controls and the data file's
// preview.
#include "dialogs/CDlgFmtPoi.h"

#include "common/cp1250.h"
#include "common/decoder_texts.h"
#include "common/text_tables.h"
#include "framework/MVFitText.h"

namespace {

const int kMaxDecimals = 15;
// The right edges (dialog units) up to which the labels above the two field
// lists may grow: the edges of their lists.
const int kOfferLabelEdge = 128;
const int kFieldsLabelEdge = 269;

} // namespace

BOOL CDlgFmtPoi::OnInitDialog()
{
    filling_ = true;
    separatorNames = {variantMode ? VELOR_CP1250("mezery a tab.") : VELOR_CP1250("mezera"), VELOR_CP1250("tabelátor"),
                      VELOR_CP1250("středník"), VELOR_CP1250("čárka")};
    separatorList.value = 0;
    // The variant mode has no decimal places to set.
    decimalsLabel.Show(!variantMode);
    decimalsBox.Show(!variantMode);
    if (!variantMode) {
        decimalsBox.minimum = 0;
        decimalsBox.maximum = kMaxDecimals;
    }
    caption = DecoderText(kTextFormatCaption);
    okButton.text = CommonText(kCommonOk);
    cancelButton.text = CommonText(kCommonCancel);
    formatLabel.text = DecoderText(kTextFormatLabel);
    saveButton.text = DecoderText(kTextSaveButton);
    deleteButton.text = DecoderText(kTextDeleteButton);
    editButton.text = DecoderText(kTextEditButton);
    basicGroup.text = DecoderText(kTextBasicGroup);
    commentLabel.text = DecoderText(kTextCommentWordsLabel);
    codeSeparatorLabel.text = DecoderText(kTextCodeSeparatorLabel);
    coordLabel.text = DecoderText(kTextCoordSystemLabel);
    fieldsGroup.text = DecoderText(kTextFieldsGroup);
    offerLabel.text = DecoderText(kTextOfferLabel);
    fieldsLabel.text = DecoderText(kTextFieldsLabel);
    fileGroup.text = DecoderText(kTextFileGroup);
    decimalsLabel.text = variantMode ? DecoderText(kTextFromLineLabel) : VELOR_CP1250("Počet des. míst");

    const BOOL focusDefault = CMVDialog::OnInitDialog();
    WidenToText(offerLabel, kOfferLabelEdge);
    WidenToText(fieldsLabel, kFieldsLabelEdge);

    coordList.items.assign(1, DecoderText(kTextNoTransformation));
    for (int system = 0; system < kCoordSystemCount; ++system)
        coordList.items.push_back(g_coordSystemNames[system]);
    SelectFormatByName(startName);
    // A format read from the data file, or the host's own one without a
    // name, is no catalogue entry.
    if (fileNamesFormat || (givenFormatMode && startName.IsEmpty()))
        selectedIndex = -1;
    FormatToDialog(format);
    FillFilePreview();
    ShowAllValues();
    filling_ = false;
    return focusDefault;
}
