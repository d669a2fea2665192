// Native build: the text of an ini file as the private-profile functions see
// it, and the edits a profile write makes to it.
//
// The text is kept byte for byte. Lines end with CR LF, LF or a lone CR; a
// UTF-8 byte-order mark at the start is passed over and kept. Every line is
// read with its blanks (space, tab, vertical tab, form feed, Ctrl-Z) trimmed
// at both ends:
// - an empty line is blank and belongs to no entry;
// - a line that begins with '[' and holds a ']' heads a section named by the
//   text between the '[' and the last ']', trimmed (anything after that ']'
//   is ignored);
// - any other line is an entry: the name is the text before the first '='
//   and the value the text after it, both trimmed; a line without '=' is an
//   entry with a name and no value. Comment lines (';') are entries too:
//   they are found by their full name but never listed.
// The lines before the first header form a section without a name, which
// always exists, even in an empty text.
//
// Edits replace, insert or remove whole lines and leave every other byte as
// it was; new lines end the way the text's first line ends (CR LF when the
// text has no line end yet).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The blanks trimmed around lines, names and values.
bool IsProfileBlank(char c);
std::string_view TrimProfileBlanks(std::string_view text);
std::string_view TrimLeadingProfileBlanks(std::string_view text);
// Section and key names compare without regard to the case of ASCII letters;
// bytes 0x80 and above must match exactly.
bool SameProfileName(std::string_view a, std::string_view b);

struct IniLine {
    enum Kind { Blank, Header, Entry };
    Kind kind = Blank;
    size_t begin = 0;  // offset of the line's first byte
    size_t end = 0;    // offset past its content, where its line end starts
    size_t next = 0;   // offset past its line end
    std::string_view name;   // the section name (Header) or key name (Entry)
    std::string_view value;  // Entry with a value only
    bool hasValue = false;
};

struct IniSection {
    static constexpr size_t kNoHeader = static_cast<size_t>(-1);
    std::string_view name;
    size_t header = kNoHeader;  // index of the header line
    size_t first = 0;           // index of its first line after the header
    size_t end = 0;             // index past its last line
};

class IniText {
public:
    explicit IniText(std::string text) : text_(std::move(text)) { Parse(); }
    IniText(const IniText&) = delete;
    IniText& operator=(const IniText&) = delete;

    const std::string& Text() const { return text_; }
    const std::vector<IniLine>& Lines() const { return lines_; }
    // In file order; the first is the unnamed section before any header.
    const std::vector<IniSection>& Sections() const { return sections_; }

    // The first section whose name equals name, or null.
    const IniSection* FindSection(std::string_view name) const;
    // The first entry of section whose name equals key, or null.
    const IniLine* FindEntry(const IniSection& section, std::string_view key) const;

    // Sets key in the first section named section (both matched after
    // trimming). A missing key is added after the section's last line that
    // is not blank; a missing section is added at the end of the text. New
    // names, and the value, are written without their leading blanks; an
    // existing key is rewritten as its name, '=' and the value. Returns
    // whether the text changed (setting the value a key already has does
    // not change it).
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first entry named key from the first section named section
    // that holds one (names matched as given, without trimming).
    bool DeleteKey(std::string_view section, std::string_view key);
    // Removes the first section named section (as given, without trimming)
    // with all its lines.
    bool DeleteSection(std::string_view section);

private:
    void Parse();
    void ParseLine(size_t begin, size_t end, size_t next);
    // Replaces the bytes [from, to) with text and parses again.
    void Splice(size_t from, size_t to, std::string_view text);
    size_t InsertionOffset(const IniSection& section, std::string& prefix) const;

    std::string text_;
    size_t start_ = 0;  // past the byte-order mark
    std::string_view lineEnd_;
    std::vector<IniLine> lines_;
    std::vector<IniSection> sections_;
};
