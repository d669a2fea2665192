// The format dialog's controls and the format they define: a format shown
// in the controls, the format the controls define, and the name of the
// catalogue entry that holds that same format.
#include "dialogs/CDlgFmtPoi.h"

#include "common/chars.h"
#include "common/text_compare.h"
#include "common/text_tables.h"
#include "formats/format_text.h"

#include <algorithm>

namespace {

const char kSeparatorCharacters[] = "\t;,";
const char kFormatWithoutEntry[] = "Y X";

// The choice of the separator list that stands for a format's separators;
// any other separator text is shown (and later saved) as blanks.
int SeparatorChoice(const CString& separators)
{
    if (separators == "\t")
        return 1;
    if (separators == ";")
        return 2;
    if (separators == ",")
        return 3;
    return 0;
}

CString SeparatorsOfChoice(int choice)
{
    if (choice == 0)
        return CString();
    const int position = std::min(std::max(choice - 1, 0), 2);
    return CString(kSeparatorCharacters[position]);
}

CString JoinWords(const std::vector<CString>& words)
{
    CString text;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += words[i];
    }
    return text;
}

std::vector<CString> SplitWords(const CString& text)
{
    std::vector<CString> words;
    CString word;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (!IsBlankOrNul(text[i])) {
            word += text[i];
        } else if (!word.IsEmpty()) {
            words.push_back(word);
            word.Empty();
        }
    }
    if (!word.IsEmpty())
        words.push_back(word);
    return words;
}

CString WithoutBlanks(const CString& text)
{
    CString kept;
    for (int i = 0; i < text.GetLength(); ++i)
        if (!IsBlankOrNul(text[i]))
            kept += text[i];
    return kept;
}

} // namespace

void CDlgFmtPoi::SelectFormatByName(const char* name)
{
    const char* wanted = name && *name ? name : kStandardFormatName;
    catalogue.ListNames(names);
    selectedIndex = -1;
    std::vector<CString> texts;
    for (size_t i = 0; i < names.size(); ++i) {
        if (selectedIndex < 0 && CompareCollateNoCase(names[i], wanted) == 0)
            selectedIndex = static_cast<int16_t>(i);
        texts.push_back(CatalogueListText(catalogue.Entry(static_cast<CatalogueIndex>(i))));
    }
    if (Live())
        formatList.Fill(texts);
    ShowFormatSelection();
}

void CDlgFmtPoi::FormatToDialog(const PointFormat& f)
{
    offered.clear();
    for (int kind = 0; kind < kFieldKindCount; ++kind)
        if (IsOfferedKind(kind))
            offered.push_back(g_fieldDisplayNames[kind]);
    inFile.clear();
    fieldList.value = -1;
    for (FieldKind field : f.fields) {
        const int kind = variantMode && field == kFieldPNr ? static_cast<int>(kFieldNull) : field;
        if (kind < 0 || kind >= kFieldKindCount)
            continue;
        const auto found = std::find(offered.begin(), offered.end(), CString(g_fieldDisplayNames[kind]));
        if (found != offered.end())
            AddField(static_cast<int>(found - offered.begin()));
    }
    coordList.value = f.coordSystem >= -1 && f.coordSystem <= 7 ? f.coordSystem + 1 : 0;
    commentBox.value = JoinWords(f.commentWords);
    codeSeparatorBox.value = f.textCodeSeparators;
    if (!variantMode)
        decimalsBox.value = std::min<int>(f.decimals[0], 15);
    separatorList.value = SeparatorChoice(f.fieldSeparators);
    decimalCommaBox.value = f.decimalComma ? BST_CHECKED : BST_UNCHECKED;
    ShowAllValues();
}

void CDlgFmtPoi::DialogToFormat(PointFormat& f)
{
    if (Live())
        TakeValuesQuietly();
    f = format;
    f.fields.clear();
    for (const CString& entry : inFile) {
        const int kind = KindOfEntry(entry);
        if (kind >= 0)
            f.fields.push_back(static_cast<FieldKind>(kind));
    }
    if (!variantMode) {
        const int decimals = std::min(std::max(decimalsBox.value, 0), 15);
        std::fill(f.decimals, f.decimals + 4, static_cast<uint8_t>(decimals));
    }
    f.coordSystem = static_cast<int8_t>(std::min(std::max(coordList.value - 1, -1), 7));
    f.textCodeSeparators = WithoutBlanks(codeSeparatorBox.value);
    f.fieldSeparators = SeparatorsOfChoice(separatorList.value);
    f.decimalComma = decimalCommaBox.value == BST_CHECKED ? 1 : 0;
    // An empty comment box means the standard words (the "!" button's text
    // says so), as a format string without "cmt(" does.
    f.commentWords = SplitWords(commentBox.value);
    if (f.commentWords.empty())
        SetStandardCommentWords(f);
}

void CDlgFmtPoi::RefreshFormatSelection()
{
    if (Live())
        formatList.ValueFromWindow();
    selectedIndex = static_cast<int16_t>(formatList.value);
    PointFormat f;
    DialogToFormat(f);
    const CString printed = PrintFormatText(f);
    if (selectedIndex >= 0 && selectedIndex < catalogue.Count())
        lastName = catalogue.NameAt(selectedIndex);
    CString stored, description, suffixes;
    if (catalogue.LookupEntry(lastName, stored, description, suffixes) && lstrcmpiA(stored, printed) == 0)
        selectedIndex = catalogue.FindEntry(lastName);
    else
        selectedIndex = -1;
    ShowFormatSelection();
}

// A name chosen in the format list: its stored format (or "Y X" when it has
// none that reads) is shown; whether the file begins with a model name is
// the file's matter and stays.
void CDlgFmtPoi::LoadSelectedFormat()
{
    formatList.ValueFromWindow();
    selectedIndex = static_cast<int16_t>(formatList.value);
    const uint8_t modelName = format.modelNameInHeader;
    CString text, description, suffixes;
    PointFormat chosen;
    if (!catalogue.GetEntry(selectedIndex, text, description, suffixes) || text.IsEmpty() ||
        ParseFormatText(chosen, text, nullptr) != 0) {
        chosen = PointFormat();
        ParseFormatText(chosen, kFormatWithoutEntry, nullptr);
    }
    format = chosen;
    FormatToDialog(format);
    format.modelNameInHeader = modelName;
}
