// Decoding the sample with the proposal.
#include "decoder/guess_check.h"

#include "VelorTrDcdPoint.h"
#include "decoder/CDecodeTxLine.h"
#include "formats/format_text.h"

#include <new>

namespace {

bool InRange(uint32_t number, const PointFormatGuess& g)
{
    return (g.firstLine <= 0 || number >= static_cast<uint32_t>(g.firstLine)) &&
           (g.lastLine == 0 || number <= g.lastLine);
}

bool RunsToLineEnd(const std::string& format)
{
    PointFormat model;
    ParseFormatText(model, format.c_str(), nullptr);
    for (FieldKind f : model.fields) {
        if (f == kFieldTCodeEnd)
            return true;
    }
    return false;
}

} // namespace

void CheckProposal(const FileSample& sample, const SampleLayout& layout, PointFormatGuess& g)
{
    CDecodeTxLine* d = new (std::nothrow) CDecodeTxLine(nullptr);
    if (!d)
        return;
    PointRecord record;
    if (d->SetPointFormat(nullptr, 1, &record, g.format.c_str()) == 0) {
        const bool rest = RunsToLineEnd(g.format);
        const size_t fields = g.columns.size();
        std::string line;
        bool firstRead = true;
        for (const SampleLine& s : sample.lines) {
            const LineRole role = RoleOfLine(s.text, firstRead);
            firstRead = firstRead && role == LineRole::kComment;
            if (role == LineRole::kCommand || role == LineRole::kTitle || !InRange(s.number, g))
                continue;
            line = s.text;
            record.Clear();
            uint32_t id = 0, positional = 0, error = 0;
            char* stop = nullptr;
            d->DecodeLine(&line[0], &id, &positional, &stop, &error);
            if (id == 0 && error == 0)
                continue; // a comment line
            ++g.checkedLines;
            if (error != 0) {
                g.firstUndecoded = g.undecodedLines++ == 0 ? s.number : g.firstUndecoded;
                continue;
            }
            size_t expected = CountPositionalCells(s.text, layout.separator);
            expected = rest && expected > fields ? fields : expected;
            if (expected > positional) {
                g.firstUnused = g.unusedValues == 0 ? s.number : g.firstUnused;
                g.unusedValues += static_cast<uint32_t>(expected - positional);
            }
        }
    }
    d->NondelegatingRelease();
}
