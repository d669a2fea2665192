// The two field lists of the format dialog: the offer (list 1033) and the
// fields of a data line in their order (list 1023), by the fields' display
// names in the chosen language.
#include "dialogs/CDlgFmtPoi.h"

#include "common/text_tables.h"

#include <algorithm>
#include <utility>

namespace {

// These kinds may stand in a line any number of times: they stay offered.
bool StaysOffered(int kind)
{
    return kind == kFieldTCode || kind == kFieldNull;
}

} // namespace

// The entry's text up to its first ':' or '=' (blanks before it left out)
// names the field.
int CDlgFmtPoi::KindOfEntry(const CString& entry)
{
    int end = entry.GetLength();
    const int colon = entry.Find(':'), equals = entry.Find('=');
    if (colon >= 0)
        end = colon;
    if (equals >= 0 && equals < end)
        end = equals;
    while (end > 0 && entry[end - 1] == ' ')
        --end;
    const CString name = entry.Left(end);
    for (int kind = 0; kind < kFieldKindCount; ++kind)
        if (name == g_fieldDisplayNames[kind])
            return kind;
    return -1;
}

// The limiting format narrows the offer to its own kinds; a line ending in
// a text code to its end is offered only in the variant mode, and the point
// number only outside it.
bool CDlgFmtPoi::IsOfferedKind(int kind) const
{
    if (kind < 0 || kind >= kFieldKindCount)
        return false;
    if (hasLimit && std::find(limitFormat.fields.begin(), limitFormat.fields.end(), kind) == limitFormat.fields.end())
        return false;
    if (!variantMode && kind == kFieldTCodeEnd)
        return false;
    return !(variantMode && kind == kFieldPNr);
}

void CDlgFmtPoi::ShowFieldLists()
{
    offerList.items = offered;
    fieldList.items = inFile;
    if (!Live())
        return;
    offerList.ValueToWindow();
    fieldList.ValueToWindow();
}

// The offered field goes just after the selected field of the line (to the
// top when none is selected) and becomes the selection.
void CDlgFmtPoi::AddField(int offeredIndex)
{
    if (offeredIndex < 0 || offeredIndex >= static_cast<int>(offered.size()))
        return;
    const int count = static_cast<int>(inFile.size());
    const int place = std::min(std::max(fieldList.value + 1, 0), count);
    const CString name = offered[static_cast<size_t>(offeredIndex)];
    inFile.insert(inFile.begin() + place, name);
    fieldList.value = place;
    if (!StaysOffered(KindOfEntry(name)))
        offered.erase(offered.begin() + offeredIndex);
    ShowFieldLists();
}

// The field leaves the line; unless it stays offered anyway, it goes back
// into the offer at the place that keeps the offer in the order of kinds.
void CDlgFmtPoi::RemoveField(int fieldIndex)
{
    if (fieldIndex < 0 || fieldIndex >= static_cast<int>(inFile.size()))
        return;
    const CString name = inFile[static_cast<size_t>(fieldIndex)];
    inFile.erase(inFile.begin() + fieldIndex);
    const int kind = KindOfEntry(name);
    if (StaysOffered(kind)) {
        const auto kept = std::find(offered.begin(), offered.end(), name);
        if (kept != offered.end())
            offerList.value = static_cast<int>(kept - offered.begin());
        return;
    }
    if (!IsOfferedKind(kind))
        return;
    auto place = std::find_if(offered.begin(), offered.end(),
                              [kind](const CString& entry) { return KindOfEntry(entry) > kind; });
    offerList.value = static_cast<int>(place - offered.begin());
    offered.insert(place, name);
}

// "^" and "v": the selected field changes places with its neighbour and
// stays selected.
void CDlgFmtPoi::MoveField(int step)
{
    fieldList.ValueFromWindow();
    const int from = fieldList.value, to = from + step;
    const int count = static_cast<int>(inFile.size());
    if (from < 0 || from >= count || to < 0 || to >= count)
        return;
    std::swap(inFile[static_cast<size_t>(from)], inFile[static_cast<size_t>(to)]);
    fieldList.value = to;
    ShowFieldLists();
    RefreshFormatSelection();
}
