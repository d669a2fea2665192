// The command line of one command: options ("--name value" or "--name=value"
// for those that take a value, "--name" for flags) and positional arguments.
#pragma once

#include <map>
#include <string>
#include <vector>

struct OptionDef {
    const char* name;  // without the leading "--"
    bool takesValue;
};

struct ParsedOptions {
    std::map<std::string, std::string> values; // flags map to ""
    std::vector<std::string> positional;
    std::string error; // empty when the command line was read

    bool Has(const char* name) const { return values.count(name) != 0; }
    std::string Get(const char* name, const char* fallback) const;
};

// Reads args against the option definitions; "--" ends the options. A lone "-" and
// anything not beginning with "--" is positional (so "-1" is an argument).
ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::vector<OptionDef>& defs);

// A whole decimal number within [min, max]; false when text is not one.
bool ParseInteger(const std::string& text, long long min, long long max, long long* value);

// A decimal number, as strtod reads it entirely; false otherwise.
bool ParseDouble(const std::string& text, double* value);
