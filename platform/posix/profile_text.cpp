#include "platform/posix/profile_text.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kCrLf = "\r\n";

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names and values end at a NUL byte, as C strings would.
std::string_view CutAtNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

std::string EntryLine(std::string_view name, std::string_view value)
{
    std::string line;
    line.reserve(name.size() + 1 + value.size());
    line.append(name).append(1, '=').append(value);
    return line;
}

} // namespace

bool IsProfileBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A';
}

std::string_view TrimLeadingProfileBlanks(std::string_view text)
{
    size_t first = 0;
    while (first < text.size() && IsProfileBlank(text[first]))
        ++first;
    return text.substr(first);
}

std::string_view TrimProfileBlanks(std::string_view text)
{
    text = TrimLeadingProfileBlanks(text);
    size_t size = text.size();
    while (size > 0 && IsProfileBlank(text[size - 1]))
        --size;
    return text.substr(0, size);
}

bool SameProfileName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

void IniText::Parse()
{
    lines_.clear();
    sections_.clear();
    sections_.push_back(IniSection{});
    start_ = text_.compare(0, kUtf8Mark.size(), kUtf8Mark) == 0 ? kUtf8Mark.size() : 0;
    lineEnd_ = {};
    size_t begin = start_;
    while (begin < text_.size()) {
        size_t end = text_.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text_.size();
        size_t next = end;
        if (next < text_.size())
            next += (text_[next] == '\r' && next + 1 < text_.size() && text_[next + 1] == '\n') ? 2 : 1;
        if (lineEnd_.empty() && next > end)
            lineEnd_ = std::string_view(text_).substr(end, next - end);
        ParseLine(begin, end, next);
        begin = next;
    }
    sections_.back().end = lines_.size();
    if (lineEnd_.empty())
        lineEnd_ = kCrLf;
}

void IniText::ParseLine(size_t begin, size_t end, size_t next)
{
    IniLine line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    std::string_view content = TrimProfileBlanks(std::string_view(text_).substr(begin, end - begin));
    size_t close = content.rfind(']');
    if (content.empty()) {
        line.kind = IniLine::Blank;
    } else if (content[0] == '[' && close != std::string_view::npos) {
        line.kind = IniLine::Header;
        line.name = CutAtNul(TrimProfileBlanks(content.substr(1, close - 1)));
        sections_.back().end = lines_.size();
        IniSection section;
        section.name = line.name;
        section.header = lines_.size();
        section.first = lines_.size() + 1;
        sections_.push_back(section);
    } else {
        line.kind = IniLine::Entry;
        size_t equals = content.find('=');
        line.name = CutAtNul(TrimProfileBlanks(content.substr(0, equals)));
        if (equals != std::string_view::npos) {
            line.value = CutAtNul(TrimProfileBlanks(content.substr(equals + 1)));
            line.hasValue = true;
        }
    }
    lines_.push_back(line);
}

const IniSection* IniText::FindSection(std::string_view name) const
{
    for (const IniSection& section : sections_) {
        if (SameProfileName(section.name, name))
            return &section;
    }
    return nullptr;
}

const IniLine* IniText::FindEntry(const IniSection& section, std::string_view key) const
{
    for (size_t i = section.first; i < section.end; ++i) {
        const IniLine& line = lines_[i];
        if (line.kind == IniLine::Entry && SameProfileName(line.name, key))
            return &line;
    }
    return nullptr;
}

void IniText::Splice(size_t from, size_t to, std::string_view text)
{
    // Views into the old text die with the edit; build the new text first.
    std::string edited;
    edited.reserve(text_.size() - (to - from) + text.size());
    edited.append(text_, 0, from).append(text).append(text_, to, std::string::npos);
    text_.swap(edited);
    Parse();
}

// Where a new entry of section goes: after its last line that is not blank.
// prefix receives a line end when that line is the last of the text and has
// none.
size_t IniText::InsertionOffset(const IniSection& section, std::string& prefix) const
{
    size_t after = section.header;
    for (size_t i = section.first; i < section.end; ++i) {
        if (lines_[i].kind != IniLine::Blank)
            after = i;
    }
    if (after == IniSection::kNoHeader)
        return start_;
    const IniLine& line = lines_[after];
    if (line.next == line.end)
        prefix = lineEnd_;
    return line.next;
}

bool IniText::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    value = TrimLeadingProfileBlanks(value);
    const IniSection* found = FindSection(TrimProfileBlanks(section));
    if (found == nullptr) {
        std::string added;
        if (!lines_.empty() && lines_.back().next == lines_.back().end)
            added = lineEnd_;
        added.append(1, '[').append(TrimLeadingProfileBlanks(section)).append("]").append(lineEnd_);
        added.append(EntryLine(TrimLeadingProfileBlanks(key), value)).append(lineEnd_);
        Splice(text_.size(), text_.size(), added);
        return true;
    }
    const IniLine* entry = FindEntry(*found, TrimProfileBlanks(key));
    if (entry != nullptr) {
        if (entry->hasValue && entry->value == value)
            return false;
        Splice(entry->begin, entry->end, EntryLine(entry->name, value));
        return true;
    }
    std::string added;
    size_t offset = InsertionOffset(*found, added);
    added.append(EntryLine(TrimLeadingProfileBlanks(key), value)).append(lineEnd_);
    Splice(offset, offset, added);
    return true;
}

bool IniText::DeleteKey(std::string_view section, std::string_view key)
{
    for (const IniSection& candidate : sections_) {
        if (!SameProfileName(candidate.name, section))
            continue;
        const IniLine* entry = FindEntry(candidate, key);
        if (entry != nullptr) {
            Splice(entry->begin, entry->next, {});
            return true;
        }
    }
    return false;
}

bool IniText::DeleteSection(std::string_view section)
{
    const IniSection* found = FindSection(section);
    if (found == nullptr)
        return false;
    size_t from = found->header == IniSection::kNoHeader ? start_ : lines_[found->header].begin;
    size_t to = found->end < lines_.size() ? lines_[found->end].begin : text_.size();
    if (from == to)
        return false;
    Splice(from, to, {});
    return true;
}
