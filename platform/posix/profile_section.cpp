// Native build: a whole section of an ini file read and written in one call.
#include "platform/posix/profile.h"

#include "platform/posix/errors.h"
#include "platform/posix/profile_file.h"
#include "platform/posix/profile_text.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsComment(std::string_view name)
{
    return !name.empty() && name[0] == ';';
}

// The line end of the text's first line, CR LF when it has none.
std::string_view LineEndOf(const IniText& text)
{
    for (const IniLine& line : text.Lines()) {
        if (line.next > line.end)
            return std::string_view(text.Text()).substr(line.end, line.next - line.end);
    }
    return "\r\n";
}

// The section's entries as "name=value" texts (or "name" for a line without
// '='), each ended by a NUL, then a NUL.
std::string SectionList(const IniText& text, const IniSection& section)
{
    std::string list;
    for (size_t i = section.first; i < section.end; ++i) {
        const IniLine& line = text.Lines()[i];
        if (line.kind != IniLine::Entry || line.name.empty() || IsComment(line.name))
            continue;
        list.append(line.name);
        if (line.hasValue)
            list.append(1, '=').append(line.value);
        list.append(1, '\0');
    }
    return list.empty() ? std::string(2, '\0') : list.append(1, '\0');
}

// The block's "key=value" texts as lines, the key trimmed and the value
// without its leading blanks; texts without '=' are passed over.
std::string BlockLines(LPCSTR block, std::string_view lineEnd)
{
    std::string lines;
    for (const char* text = block; *text; text += std::strlen(text) + 1) {
        const std::string_view entry(text);
        const size_t equals = entry.find('=');
        if (equals == std::string_view::npos)
            continue;
        lines.append(TrimProfileBlanks(entry.substr(0, equals))).append(1, '=');
        lines.append(TrimLeadingProfileBlanks(entry.substr(equals + 1))).append(lineEnd);
    }
    return lines;
}

// A piece of the old text, [from, to), replaced by insert.
struct Edit {
    size_t from;
    size_t to;
    std::string insert;
};

// The first section of the name gets lines in place of its entries (from
// its first line that is not blank to its last); later sections of the name
// lose their entries; a missing section is added at the end.
std::vector<Edit> SectionEdits(const IniText& text, std::string_view name, const std::string& lines,
                               std::string_view lineEnd)
{
    std::vector<Edit> edits;
    const std::vector<IniLine>& all = text.Lines();
    for (const IniSection& section : text.Sections()) {
        if (section.header == IniSection::kNoHeader || !SameProfileName(section.name, name))
            continue;
        const bool first = edits.empty();
        size_t begin = section.end, last = section.end;
        for (size_t i = section.first; i < section.end; ++i) {
            if (all[i].kind == IniLine::Blank)
                continue;
            begin = std::min(begin, i);
            last = i;
            if (!first)
                edits.push_back({all[i].begin, all[i].next, {}});
        }
        if (!first)
            continue;
        if (begin < section.end) {
            edits.push_back({all[begin].begin, all[last].next, lines});
        } else {
            const IniLine& header = all[section.header];
            const bool needsEnd = header.next == header.end && !lines.empty();
            const std::string prefix = needsEnd ? std::string(lineEnd) : std::string();
            edits.push_back({header.next, header.next, prefix + lines});
        }
    }
    if (edits.empty() && !lines.empty()) {
        const std::string& old = text.Text();
        std::string added = !all.empty() && all.back().next == all.back().end ? std::string(lineEnd) : "";
        added.append(1, '[').append(name).append("]").append(lineEnd).append(lines);
        edits.push_back({old.size(), old.size(), added});
    }
    return edits;
}

std::string ApplyEdits(const std::string& old, const std::vector<Edit>& edits)
{
    std::string result;
    size_t copied = 0;
    for (const Edit& edit : edits) {
        result.append(old, copied, edit.from - copied).append(edit.insert);
        copied = edit.to;
    }
    return result.append(old, copied, std::string::npos);
}

} // namespace

DWORD GetPrivateProfileSectionA(LPCSTR lpAppName, LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName)
{
    if (lpAppName == nullptr || lpReturnedString == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (nSize == 0)
        return 0;
    std::string content;
    const DWORD error = lpFileName != nullptr && *lpFileName != '\0' ? ReadProfileFile(lpFileName, content)
                                                                     : ERROR_FILE_NOT_FOUND;
    if (error != ERROR_SUCCESS)
        SetLastError(error);
    const IniText text(std::move(content));
    const IniSection* section = text.FindSection(TrimProfileBlanks(lpAppName));
    const std::string list = section != nullptr && section->header != IniSection::kNoHeader
                                 ? SectionList(text, *section)
                                 : std::string(2, '\0');
    if (list.size() <= nSize) {
        std::memcpy(lpReturnedString, list.data(), list.size());
        return static_cast<DWORD>(list.size() == 2 && list[0] == '\0' ? 0 : list.size() - 1);
    }
    if (nSize < 2) {
        lpReturnedString[0] = '\0';
        return 0;
    }
    std::memcpy(lpReturnedString, list.data(), nSize - 2);
    lpReturnedString[nSize - 2] = '\0';
    lpReturnedString[nSize - 1] = '\0';
    return nSize - 2;
}

BOOL WritePrivateProfileSectionA(LPCSTR lpAppName, LPCSTR lpString, LPCSTR lpFileName)
{
    if (lpAppName == nullptr && lpString == nullptr)
        return TRUE;
    if (lpString == nullptr)
        return WritePrivateProfileStringA(lpAppName, nullptr, nullptr, lpFileName);
    if (lpFileName == nullptr || *lpFileName == '\0') {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    const std::string_view name = lpAppName != nullptr ? TrimProfileBlanks(lpAppName) : std::string_view();
    if (name.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string content;
    DWORD error = ReadProfileFile(lpFileName, content);
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND) {
        SetLastError(error);
        return FALSE;
    }
    const IniText text(std::move(content));
    const std::string_view lineEnd = LineEndOf(text);
    const std::string lines = BlockLines(lpString, lineEnd);
    const std::string edited = ApplyEdits(text.Text(), SectionEdits(text, name, lines, lineEnd));
    if (edited == text.Text())
        return TRUE;
    error = ReplaceProfileFile(lpFileName, edited);
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}
