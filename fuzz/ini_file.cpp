// The native build's ini files: the input read as an ini text, edited in
// memory, and read as a file through the private-profile functions.
//   byte 1: the edit (% 4: set a key in a section of the text, set a key in a
//           new section, delete a key, delete a section);
//   byte 2: which section or key of the text the edit concerns;
//   byte 3: the buffer size of the profile reads, 1 + byte;
//   the rest is the ini text.
//
// An edit changes the entries and headers it concerns and no other: the
// entries and headers of the text before and after it are the same but for
// the line set, added or removed. Not compared, as edits keep every other
// byte: blank lines (they may merge with the line ends an edit writes), and
// a text whose first lines were removed so that it now begins with the bytes
// of a UTF-8 mark (the mark is passed over). The profile reads never write
// beyond their buffers, end their results with a NUL and return lengths
// within them.
#include "fuzz_support.h"

#include "platform/posix/profile.h"
#include "platform/posix/profile_text.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

const char kKey[] = "fuzzkey";
const char kValue[] = "fuzzvalue";

const std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool BeginsWithMark(const IniText& text)
{
    return std::string_view(text.Text()).substr(0, kUtf8Mark.size()) == kUtf8Mark;
}

// The entries and headers of a text, in order.
struct Mark {
    IniLine::Kind kind;
    std::string name;
    std::string value;
    bool hasValue;
    bool operator==(const Mark& o) const
    {
        return kind == o.kind && name == o.name && value == o.value && hasValue == o.hasValue;
    }
};

std::vector<Mark> Marks(const IniText& text)
{
    std::vector<Mark> marks;
    for (const IniLine& line : text.Lines()) {
        if (line.kind != IniLine::Blank)
            marks.push_back({line.kind, std::string(line.name), std::string(line.value), line.hasValue});
    }
    return marks;
}

// The index among the marks of line number index of the text.
size_t MarkIndex(const IniText& text, size_t index)
{
    size_t marks = 0;
    for (size_t i = 0; i < index; ++i)
        marks += text.Lines()[i].kind != IniLine::Blank ? 1 : 0;
    return marks;
}

// Whether after is before with count marks taken out at position at.
bool Without(const std::vector<Mark>& before, const std::vector<Mark>& after, size_t at, size_t count)
{
    if (at + count > before.size() || after.size() + count != before.size())
        return false;
    for (size_t i = 0; i < after.size(); ++i) {
        if (!(after[i] == before[i < at ? i : i + count]))
            return false;
    }
    return true;
}

void CheckSet(IniText& text, std::string_view section)
{
    const std::vector<Mark> before = Marks(text);
    const IniSection* found = text.FindSection(TrimProfileBlanks(section));
    const IniLine* entry = found ? text.FindEntry(*found, kKey) : nullptr;
    const size_t at = entry ? MarkIndex(text, static_cast<size_t>(entry - text.Lines().data())) : 0;
    const bool changed = text.SetValue(section, kKey, kValue);
    const std::vector<Mark> after = Marks(text);
    const IniSection* again = text.FindSection(TrimProfileBlanks(section));
    const IniLine* set = again ? text.FindEntry(*again, kKey) : nullptr;
    FuzzRequire(set && set->hasValue && set->value == kValue, "a key set does not read back");
    if (entry) {
        std::vector<Mark> expected = before;
        expected[at].value = kValue;
        expected[at].hasValue = true;
        FuzzRequire(after == expected, "setting a key changed other lines");
        FuzzRequire(changed == !(before == after), "SetValue tells a change wrongly");
        return;
    }
    FuzzRequire(changed, "adding a key tells no change");
    const size_t added = found ? 1 : 2; // the key, and the header of a new section
    const size_t where = MarkIndex(text, static_cast<size_t>(set - text.Lines().data())) + 1 - added;
    FuzzRequire(Without(after, before, where, added), "adding a key changed other lines");
}

void CheckDeleteKey(IniText& text, const IniLine& entry, std::string_view section)
{
    const std::vector<Mark> before = Marks(text);
    // The first section of the name that holds a key of the name loses it.
    const IniLine* first = nullptr;
    for (const IniSection& s : text.Sections()) {
        if (SameProfileName(s.name, section) && (first = text.FindEntry(s, entry.name)) != nullptr)
            break;
    }
    FuzzRequire(first != nullptr, "an entry of the text is not found");
    const size_t at = MarkIndex(text, static_cast<size_t>(first - text.Lines().data()));
    const std::string name(entry.name);
    const bool hadMark = BeginsWithMark(text);
    FuzzRequire(text.DeleteKey(section, name), "deleting a key that is there fails");
    if (hadMark || !BeginsWithMark(text))
        FuzzRequire(Without(before, Marks(text), at, 1), "deleting a key changed other lines");
}

void CheckDeleteSection(IniText& text, std::string_view name)
{
    const std::vector<Mark> before = Marks(text);
    const IniSection* found = text.FindSection(name);
    FuzzRequire(found != nullptr, "a section of the text is not found");
    const size_t from = MarkIndex(text, found->header == IniSection::kNoHeader ? found->first : found->header);
    const size_t to = MarkIndex(text, found->end);
    const std::string copy(name);
    const bool hadMark = BeginsWithMark(text);
    const bool deleted = text.DeleteSection(copy);
    if (hadMark || !BeginsWithMark(text))
        FuzzRequire(Without(before, Marks(text), from, deleted ? to - from : 0),
                    "deleting a section changed others");
}

void Edit(const std::string& content, uint8_t edit, uint8_t pick)
{
    IniText text(content);
    const std::vector<IniSection>& sections = text.Sections();
    const IniSection& section = sections[pick % sections.size()];
    const std::string name(section.name);
    switch (edit % 4) {
    case 0:
        CheckSet(text, name);
        break;
    case 1:
        CheckSet(text, "fuzz new section");
        break;
    case 2: {
        std::vector<size_t> entries;
        for (size_t i = section.first; i < section.end; ++i) {
            if (text.Lines()[i].kind == IniLine::Entry)
                entries.push_back(i);
        }
        if (!entries.empty())
            CheckDeleteKey(text, text.Lines()[entries[pick % entries.size()]], name);
        break;
    }
    default:
        CheckDeleteSection(text, name);
        break;
    }
}

// A list of names ends with two NULs: the one behind its last name and one
// more (behind the cut name when the list was cut).
void RequireInBuffer(DWORD length, const char* buffer, DWORD size, bool list)
{
    FuzzRequire(length < size, "a profile read returns more than its buffer holds");
    FuzzRequire(buffer[length] == '\0', "a profile read does not end its result with a NUL");
    if (list && length > 0)
        FuzzRequire(buffer[length - 1] == '\0' || (length + 1 < size && buffer[length + 1] == '\0'),
                    "a list of names does not end with two NULs");
}

// The profile functions on the file: the sections, the keys of a few of
// them, and their values as texts and numbers.
void ReadFile(const std::string& path, const std::string& content, DWORD size)
{
    std::unique_ptr<char[]> buffer(new char[size]);
    RequireInBuffer(GetPrivateProfileStringA(nullptr, nullptr, "", buffer.get(), size, path.c_str()),
                    buffer.get(), size, true);
    const IniText text(content);
    size_t sections = 0;
    for (const IniSection& section : text.Sections()) {
        if (++sections > 8)
            break;
        const std::string name(section.name);
        RequireInBuffer(GetPrivateProfileStringA(name.c_str(), nullptr, "none", buffer.get(), size, path.c_str()),
                        buffer.get(), size, false);
        size_t keys = 0;
        for (size_t i = section.first; i < section.end && keys < 8; ++i) {
            const IniLine& line = text.Lines()[i];
            if (line.kind != IniLine::Entry)
                continue;
            ++keys;
            const std::string key(line.name);
            RequireInBuffer(GetPrivateProfileStringA(name.c_str(), key.c_str(), " d ", buffer.get(), size,
                                                     path.c_str()),
                            buffer.get(), size, false);
            GetPrivateProfileIntA(name.c_str(), key.c_str(), -7, path.c_str());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t edit = in.Byte();
    const uint8_t pick = in.Byte();
    const DWORD bufferSize = 1 + static_cast<DWORD>(in.Byte());
    const std::string content = in.Rest();
    Edit(content, edit, pick);
    const std::string path = FuzzFolder() + "profile.ini";
    WriteFuzzFile(path, content);
    ReadFile(path, content, bufferSize);
    return 0;
}
