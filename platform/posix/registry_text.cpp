#include "platform/posix/registry_text.h"

#include <cstring>

namespace {

const char kHeader[] = "VelorRegistry 1";
const char kTrailer[] = "End";
const char kHexDigits[] = "0123456789abcdef";

// ---- writing ----

void PutEscaped(std::string& out, std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || c == '%' || c == '"') {
            out += '%';
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
        } else {
            out += c;
        }
    }
}

void PutHexNumber(std::string& out, const std::string& data)
{
    // Little-endian bytes, shown most significant first.
    for (size_t i = data.size(); i-- > 0;) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0xF];
    }
}

void PutHexBytes(std::string& out, const std::string& data)
{
    for (size_t i = 0; i < data.size(); ++i) {
        if (i)
            out += ',';
        const auto byte = static_cast<unsigned char>(data[i]);
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0xF];
    }
}

bool IsPlainText(const std::string& data)
{
    return !data.empty() && data.back() == '\0' && data.find('\0') == data.size() - 1;
}

void PutData(std::string& out, const RegistryValue& value)
{
    if ((value.type == 1 || value.type == 2) && IsPlainText(value.data)) {
        out += value.type == 1 ? "sz:\"" : "expand_sz:\"";
        PutEscaped(out, std::string_view(value.data).substr(0, value.data.size() - 1));
        out += '"';
    } else if (value.type == 4 && value.data.size() == 4) {
        out += "dword:";
        PutHexNumber(out, value.data);
    } else if (value.type == 11 && value.data.size() == 8) {
        out += "qword:";
        PutHexNumber(out, value.data);
    } else {
        if (value.type == 3) {
            out += "hex:";
        } else {
            out += "hex(";
            bool digits = false;
            for (int shift = 28; shift >= 0; shift -= 4) {
                const DWORD digit = (value.type >> shift) & 0xF;
                if (digit || digits || shift == 0) {
                    out += kHexDigits[digit];
                    digits = true;
                }
            }
            out += "):";
        }
        PutHexBytes(out, value.data);
    }
}

} // namespace

std::string RegistryToText(const RegistryTree& tree)
{
    std::string out = kHeader;
    out += '\n';
    for (const auto& [folded, key] : tree.Keys()) {
        if (folded.empty() && key.values.empty())
            continue;
        out += '[';
        PutEscaped(out, key.path);
        out += "]\n";
        for (const RegistryValue& value : key.values) {
            if (value.name.empty()) {
                out += '@';
            } else {
                out += '"';
                PutEscaped(out, value.name);
                out += '"';
            }
            out += '=';
            PutData(out, value);
            out += '\n';
        }
    }
    out += kTrailer;
    out += '\n';
    return out;
}

namespace {

// ---- reading ----

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Undoes PutEscaped on text that holds no quote.
bool Unescape(std::string_view text, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || text[i] == '"')
            return false;
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return false;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

// A quoted text at the start of line; rest is what follows the closing quote.
bool TakeQuoted(std::string_view line, std::string& out, std::string_view& rest)
{
    if (line.empty() || line[0] != '"')
        return false;
    const size_t close = line.find('"', 1);
    if (close == std::string_view::npos)
        return false;
    rest = line.substr(close + 1);
    return Unescape(line.substr(1, close - 1), out);
}

bool TakePrefix(std::string_view& text, std::string_view prefix)
{
    if (text.substr(0, prefix.size()) != prefix)
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool ParseHexNumber(std::string_view digits, size_t bytes, std::string& out)
{
    if (digits.size() != bytes * 2)
        return false;
    out.assign(bytes, '\0');
    for (size_t i = 0; i < bytes; ++i) {
        const int high = HexValue(digits[2 * i]);
        const int low = HexValue(digits[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        out[bytes - 1 - i] = static_cast<char>(high * 16 + low);
    }
    return true;
}

bool ParseHexBytes(std::string_view list, std::string& out)
{
    out.clear();
    if (list.empty())
        return true;
    for (size_t i = 0;; i += 3) {
        if (i + 2 > list.size())
            return false;
        const int high = HexValue(list[i]);
        const int low = HexValue(list[i + 1]);
        if (high < 0 || low < 0)
            return false;
        out += static_cast<char>(high * 16 + low);
        if (i + 2 == list.size())
            return true;
        if (list[i + 2] != ',')
            return false;
    }
}

bool ParseType(std::string_view& text, DWORD& type)
{
    if (!TakePrefix(text, "hex("))
        return false;
    const size_t close = text.find(')');
    if (close == 0 || close == std::string_view::npos || close > 8)
        return false;
    type = 0;
    for (size_t i = 0; i < close; ++i) {
        const int digit = HexValue(text[i]);
        if (digit < 0)
            return false;
        type = type * 16 + static_cast<DWORD>(digit);
    }
    text.remove_prefix(close + 1);
    return TakePrefix(text, ":");
}

bool ParseData(std::string_view text, RegistryValue& value)
{
    const bool plain = TakePrefix(text, "sz:");
    if (plain || TakePrefix(text, "expand_sz:")) {
        value.type = plain ? 1 : 2;
        std::string_view rest;
        if (!TakeQuoted(text, value.data, rest) || !rest.empty())
            return false;
        value.data += '\0';
        return true;
    }
    if (TakePrefix(text, "dword:")) {
        value.type = 4;
        return ParseHexNumber(text, 4, value.data);
    }
    if (TakePrefix(text, "qword:")) {
        value.type = 11;
        return ParseHexNumber(text, 8, value.data);
    }
    if (TakePrefix(text, "hex:")) {
        value.type = 3;
        return ParseHexBytes(text, value.data);
    }
    return ParseType(text, value.type) && ParseHexBytes(text, value.data);
}

bool ParseValue(std::string_view line, RegistryKey& key)
{
    RegistryValue value;
    std::string_view rest = line;
    if (!TakePrefix(rest, "@") && !TakeQuoted(line, value.name, rest))
        return false;
    if (!TakePrefix(rest, "=") || !ParseData(rest, value))
        return false;
    key.SetValue(value.name, value.type, std::move(value.data));
    return true;
}

bool IsKeyPath(const std::string& path)
{
    if (path.empty())
        return true;
    if (path.front() == '\\' || path.back() == '\\')
        return false;
    return path.find("\\\\") == std::string::npos;
}

bool ParseKey(std::string_view line, RegistryTree& tree, RegistryKey*& key)
{
    if (line.size() < 2 || line.back() != ']')
        return false;
    std::string path;
    if (!Unescape(line.substr(1, line.size() - 2), path) || !IsKeyPath(path))
        return false;
    bool created = false;
    key = &tree.Create(path, &created);
    return true;
}

} // namespace

bool RegistryFromText(std::string_view text, RegistryTree& tree)
{
    bool header = false;
    bool ended = false;
    RegistryKey* key = nullptr;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        if (newline == std::string_view::npos)
            return false;  // the last line is cut
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (ended) {
            if (!line.empty())
                return false;  // nothing after the trailer
        } else if (!header) {
            if (line != kHeader)
                return false;
            header = true;
        } else if (line.empty() || line[0] == ';') {
            continue;
        } else if (line == kTrailer) {
            ended = true;
        } else if (line[0] == '[') {
            if (!ParseKey(line, tree, key))
                return false;
        } else if (!key || !ParseValue(line, *key)) {
            return false;
        }
    }
    return ended;
}
