// Loading a catalogue: the section's keys in file order, their values read
// from the section in one go, the built-in format, and the sort.
#include "formats/catalogue.h"

#include "common/case_table.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

// The size of the file at path, or 0 when it cannot be told (a bare name
// that the profile functions look for in their own folder, a missing file).
uint64_t IniFileSize(const char* path)
{
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA(path, &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The first buffer for a list of the file at path: no list of names or of
// "key=value" texts is longer than the file itself and its ending NULs, so
// a buffer of the file's size takes it in one read; a file of no known size
// starts from smallSize.
DWORD FirstListSize(const char* path, DWORD smallSize)
{
    const uint64_t size = IniFileSize(path) + 16;
    return size < smallSize ? smallSize : size >= 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
}

// A profile list read whole: buffers double until the read leaves room to
// spare (a cut list comes back nSize - 2 long), or until a larger buffer
// brings no more (a platform that caps what it gives).
template <class Read>
std::vector<char> ReadWholeList(DWORD firstSize, DWORD spare, Read read)
{
    std::vector<char> buffer;
    DWORD previous = 0;
    for (DWORD size = firstSize;; size *= 2) {
        buffer.assign(size, '\0');
        const DWORD length = read(buffer.data(), size);
        if (length + spare < size || length <= previous || size >= 0x40000000u) {
            buffer.resize(std::min<size_t>(length, size - 2) + 2, '\0');
            return buffer;
        }
        previous = length;
    }
}

// Each NUL-ended text of a list ended by an empty one.
template <class Visit>
void ForEachListText(const std::vector<char>& list, Visit visit)
{
    for (size_t at = 0; at < list.size() && list[at] != '\0';) {
        const size_t length = std::strlen(list.data() + at);
        visit(list.data() + at, length);
        at += length + 1;
    }
}

// Key names compare as the profile functions compare them: without regard
// to case.
std::string FoldedKey(const char* text, size_t length)
{
    const uint8_t* upper = GetCaseTable()->upperA;
    std::string key(text, length);
    for (char& c : key)
        c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
    return key;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) < 33)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) < 33)
        text.remove_suffix(1);
    return text;
}

// A value enclosed in a pair of the same quotes reads without them, as the
// private-profile read of one key gives it.
std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

typedef std::unordered_map<std::string, CString> SectionValues;

// The values of the section's keys, as a read of each key would give them:
// the first key of a name counts.
SectionValues ReadSectionValues(const char* iniPath, const char* section)
{
    const std::vector<char> list = ReadWholeList(FirstListSize(iniPath, 4096), 2, [&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionA(section, buffer, size, iniPath);
    });
    SectionValues values;
    ForEachListText(list, [&](const char* text, size_t length) {
        const std::string_view line(text, length);
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return;
        const std::string_view name = TrimBlanks(line.substr(0, equals));
        const std::string_view value = Unquoted(TrimBlanks(line.substr(equals + 1)));
        values.emplace(FoldedKey(name.data(), name.size()),
                       CString(value.data(), static_cast<int>(value.size())));
    });
    return values;
}

CString ValueOf(const SectionValues& values, const CString& key)
{
    const auto found = values.find(FoldedKey(key, static_cast<size_t>(key.GetLength())));
    return found != values.end() ? found->second : CString();
}

} // namespace

int ListIniKeys(const char* iniPath, const char* section, std::vector<CString>& keys)
{
    keys.clear();
    const std::vector<char> list = ReadWholeList(FirstListSize(iniPath, 1000), 5, [&](char* buffer, DWORD size) {
        return GetPrivateProfileStringA(section, nullptr, "", buffer, size, iniPath);
    });
    ForEachListText(list, [&](const char* text, size_t length) {
        keys.emplace_back(text, static_cast<int>(length));
    });
    return static_cast<int>(keys.size());
}

void FormatCatalogue::AppendBuiltIn()
{
    const bool plgTaken = !FindFormatForSuffix("plg").IsEmpty();
    entries_.push_back(FormatEntry{kStandardFormatName, DefaultFormat, "", plgTaken ? "" : "plg"});
}

CatalogueIndex FormatCatalogue::LoadCatalogue(const char* section)
{
    section_ = section && *section ? section : kDefaultFormatSection;
    entries_.clear();
    loadedWhole_ = true;
    std::vector<CString> keys;
    if (!iniPath_.IsEmpty())
        ListIniKeys(iniPath_, section_, keys);
    const SectionValues values = keys.empty() ? SectionValues() : ReadSectionValues(iniPath_, section_);
    bool hasStandard = false;
    for (const CString& key : keys) {
        if (key.Find('@') >= 0)
            continue;
        if (entries_.size() >= static_cast<size_t>(kMaxCatalogueEntries)) {
            loadedWhole_ = false;
            break;
        }
        entries_.push_back(
            FormatEntry{key, ValueOf(values, key), ValueOf(values, key + "@inf"), ValueOf(values, key + "@ext")});
        hasStandard = hasStandard || lstrcmpiA(key, kStandardFormatName) == 0;
    }
    if (!hasStandard) {
        if (entries_.size() >= static_cast<size_t>(kMaxCatalogueEntries)) {
            entries_.pop_back(); // room for the built-in format
            loadedWhole_ = false;
        }
        AppendBuiltIn();
    }
    if (entries_.size() > 1) {
        std::stable_sort(entries_.begin(), entries_.end(), [](const FormatEntry& a, const FormatEntry& b) {
            return lstrcmpiA(a.name, b.name) < 0;
        });
    }
    return Count();
}
