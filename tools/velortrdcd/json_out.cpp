// A small JSON writer.
#include "tools/velortrdcd/json_out.h"

#include "tools/velortrdcd/text_codec.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string ShortestNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

std::string JsonString(const std::string& utf8)
{
    std::string out = "\"";
    for (char ch : utf8) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

void JsonWriter::Separate()
{
    if (needComma_)
        out_ += ',';
    needComma_ = true;
}

JsonWriter& JsonWriter::BeginObject()
{
    Separate();
    out_ += '{';
    needComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    out_ += '}';
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::BeginArray()
{
    Separate();
    out_ += '[';
    needComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    out_ += ']';
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::Key(const char* name)
{
    Separate();
    out_ += JsonString(name);
    out_ += ':';
    needComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::Text(const char* ansi)
{
    Separate();
    out_ += JsonString(AnsiToUtf8(ansi ? ansi : ""));
    return *this;
}

JsonWriter& JsonWriter::Number(double value)
{
    Separate();
    out_ += ShortestNumber(value);
    return *this;
}

JsonWriter& JsonWriter::Integer(int64_t value)
{
    Separate();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value)
{
    Separate();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null()
{
    Separate();
    out_ += "null";
    return *this;
}
