// Writing a PointFormat in its normal text form.
#include "formats/format_text.h"

CString PrintFormatText(const PointFormat& model, bool emptyComments)
{
    CString text;
    for (size_t i = 0; i < model.fields.size(); ++i) {
        const FieldKind kind = model.fields[i];
        if (i > 0)
            text += ' ';
        if (kind >= 0 && kind < kFieldKindCount)
            text += FieldKeywordTable[kind];
        if (kind == kFieldTCode && !model.textCodeSeparators.IsEmpty()) {
            text += '(';
            text += model.textCodeSeparators;
            text += ')';
        }
    }
    if (!model.fieldSeparators.IsEmpty()) {
        CString separators = model.fieldSeparators;
        separators.Replace('\t', 'T');
        text += " sep(";
        text += separators;
        text += ')';
    }
    if (model.decimalComma)
        text += " decc";
    if (model.decimals[0] != 3)
        text.AppendFormat(" dec=%d", model.decimals[0] > 15 ? 15 : model.decimals[0]);
    if (model.coordSystem >= 0 && model.coordSystem <= 7)
        text.AppendFormat(" sys=%d", model.coordSystem);
    if (!model.commentWords.empty() || emptyComments) {
        text += " cmt(";
        for (size_t i = 0; i < model.commentWords.size(); ++i) {
            if (i > 0)
                text += ' ';
            text += model.commentWords[i];
        }
        text += ')';
    }
    return text;
}
