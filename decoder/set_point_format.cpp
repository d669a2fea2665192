// The point line: a command whose parameters are the fields of a point-file
// format, and the format operations of the decoder's interface.
#include "decoder/CDecodeTxLine.h"

#include "formats/format_text.h"

#include <cstring>

namespace {

// How one field kind is decoded: its type, where the value goes, its counter
// and its keyword.
struct FieldParam {
    int32_t type;
    void* target;
    uint32_t* counter;
    const char* keyword;
    uint8_t integerWidth;
};

FieldParam ParamOf(FieldKind kind, CDecodeTxLine& d, PointRecord& rec)
{
    switch (kind) {
    case kFieldX: return {kValueNumber, &rec.x, nullptr, "x=", 4};
    case kFieldY: return {kValueNumber, &rec.y, nullptr, "y=", 4};
    case kFieldZ: return {kValueNumber, &rec.z, nullptr, "z=", 4};
    case kFieldSt: return {kValueNumber, &rec.st, &d.stCount, "st=", 4};
    case kFieldName: return {kValueText, &rec.na, nullptr, "na=", 4};
    case kFieldTCode: return {kValueTextCollect, &rec.tc, nullptr, "tc=", 4};
    case kFieldNCode: return {kValueInteger, &rec.nc, nullptr, "nc=", 2};
    case kFieldPlgP: return {kValueFlag8Alt, &d.ppFlag, &d.ppCount, "pp=", 4};
    case kFieldVDesc: return {kValueFlag8Alt, &d.vdFlag, nullptr, "vd=", 4};
    case kFieldNoLn: return {kValueFlag8Alt, &d.nlFlag, nullptr, "nl=", 4};
    case kFieldTPri: return {kValueInteger, &rec.tp, nullptr, "tp=", 1};
    case kFieldTType: return {kValueText, &d.ttText, &d.ttCount, "tt=", 4};
    case kFieldEType: return {kValueText, &d.etText, &d.etCount, "et=", 4};
    case kFieldNull: return {kValueText, nullptr, nullptr, "", 4};
    case kFieldR: return {kValueYesNoNumber, &rec.r, &d.rCount, "r=", 4};
    case kFieldTCodeEnd: return {kValueRestOfLine, &rec.tc, nullptr, "tce=", 4};
    default: return {kValueYesNoNumber, nullptr, nullptr, "", 4}; // PNr: read over and dropped
    }
}

void AddFieldParam(CDecodeTxLine& d, const FieldParam& f, uint32_t keywordOnly, const char* keyword)
{
    d.AddParam(f.type, keywordOnly, f.target, f.counter, keyword);
    d.commands.back().params.back().integerWidth = f.integerWidth;
}

void CopyOut(const CString& text, char* out)
{
    std::memcpy(out, static_cast<const char*>(text), static_cast<size_t>(text.GetLength()) + 1);
}

} // namespace

uint32_t CDecodeTxLine::SetPointFormat(const char* prefix, uint32_t id, PointRecord* target, const char* format)
{
    PointFormat model;
    if (ParseFormatText(model, format, nullptr) != 0)
        return 1;
    if (AddCommand(prefix, id) != 0)
        return 1;
    PointRecord& rec = target ? *target : record;
    commands.back().isPointLine = true;
    commands.back().pointRecord = &rec;

    for (FieldKind kind : model.fields) {
        const FieldParam f = ParamOf(kind, *this, rec);
        AddFieldParam(*this, f, 0, f.keyword);
    }
    for (FieldKind kind = 0; kind < kFieldKindCount; ++kind) {
        const FieldParam f = ParamOf(kind, *this, rec);
        AddFieldParam(*this, f, 1, f.keyword);
        if (kind == kFieldNCode)
            AddFieldParam(*this, f, 1, "p:");
    }
    keywordThreshold = 65;
    for (const CString& word : model.commentWords)
        AddCommentWord(word);
    textCodeSeparators = model.textCodeSeparators;
    fieldSeparator = model.fieldSeparators;
    decimalComma = model.decimalComma != 0;
    return 0;
}

uint32_t CDecodeTxLine::ParseFormat(PointFormat* model, const char* format, uint32_t* result, uint32_t* stopAt)
{
    if (!model) {
        if (result)
            *result = 1;
        return 1;
    }
    const uint32_t parsed = static_cast<uint32_t>(ParseFormatText(*model, format, stopAt));
    if (result)
        *result = parsed;
    return parsed;
}

uint32_t CDecodeTxLine::FormatToString(PointFormat* model, char* out)
{
    if (!model || !out)
        return 1;
    CopyOut(PrintFormatText(*model), out);
    return 0;
}
