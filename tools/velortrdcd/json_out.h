// A small JSON writer: objects, arrays, strings from ANSI text, integers and
// doubles in their shortest round-trip form. Output is UTF-8.
#pragma once

#include <cstdint>
#include <string>

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The member name of the next value inside an object.
    JsonWriter& Key(const char* name);
    JsonWriter& Text(const char* ansi);
    JsonWriter& Number(double value);
    JsonWriter& Integer(int64_t value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    const std::string& str() const { return out_; }

private:
    void Separate();

    std::string out_;
    bool needComma_ = false;
};

// The shortest decimal text that reads back as the same double; "null" for
// values JSON cannot hold (infinities, NaN).
std::string ShortestNumber(double value);

// A JSON string literal of UTF-8 text: quotes, backslashes and control
// characters escaped.
std::string JsonString(const std::string& utf8);
