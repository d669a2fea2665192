// The after-work of a point line: what the raw field values of the line
// mean for the point record.
#include "decoder/CDecodeTxLine.h"

#include <cstring>

namespace {

// Splits the text codes at every character of separators, drops the empty
// pieces and joins the rest with 0x01.
void SplitTextCodes(CString& tc, const CString& separators)
{
    const int length = tc.GetLength();
    char* text = tc.GetBuffer(length);
    int w = 0;
    bool pieceOpen = false;
    for (int r = 0; r < length; ++r) {
        const char c = text[r];
        if (c && std::strchr(separators, c)) {
            pieceOpen = false;
            continue;
        }
        if (!pieceOpen && w > 0)
            text[w++] = '\x01';
        pieceOpen = true;
        text[w++] = c;
    }
    tc.ReleaseBuffer(w);
}

// Compares a type code without regard to case, as the platform does.
bool CodeIs(const CString& text, const char* code)
{
    return lstrcmpiA(text, code) == 0;
}

} // namespace

uint32_t CDecodeTxLine::FinishPointLine(PointRecord& rec)
{
    if (stCount)
        rec.recordFlags |= kRecordStationing;
    if (ppCount)
        rec.noBreak = ppFlag ? 0 : 1;
    if (!rec.tc.IsEmpty() && !textCodeSeparators.IsEmpty())
        SplitTextCodes(rec.tc, textCodeSeparators);
    const unsigned pointBits = (vdFlag ? kLineVerticalDescription : 0u) | (nlFlag ? kLineNotDrawn : 0u);
    rec.lineFlags = static_cast<uint16_t>((rec.lineFlags & ~unsigned{kLinePointBits}) | pointBits);
    if (ttCount) {
        ttText.Trim();
        if (CodeIs(ttText, "O"))
            rec.triangleType |= kTriangleTypeO;
        else if (CodeIs(ttText, "E"))
            rec.triangleType |= kTriangleTypeE;
        else if (!CodeIs(ttText, "N"))
            return kErrorYesNo;
    }
    if (etCount) {
        static const struct {
            const char* code;
            uint8_t bits;
        } edges[] = {{"P", kEdgeTypeP}, {"L", kEdgeTypeL}, {"R", kEdgeTypeR},
                   {"O", kEdgeTypeO}, {"U", kEdgeTypeU}, {"N", 0}};
        bool known = false;
        for (const auto& edge : edges) {
            if (CodeIs(etText, edge.code)) {
                rec.edgeType |= edge.bits;
                known = true;
                break;
            }
        }
        if (!known)
            return kErrorEdgeType;
    }
    if (rCount) {
        if (rec.r == YES_VALUE)
            rec.r = 999999.0;
        else if (rec.r == NO_VALUE)
            rec.r = 0.0;
    }
    return kErrorNone;
}
