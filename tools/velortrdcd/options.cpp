// The command line of one command.
#include "tools/velortrdcd/options.h"

#include <cerrno>
#include <cstdlib>

std::string ParsedOptions::Get(const char* name, const char* fallback) const
{
    const auto it = values.find(name);
    return it == values.end() ? fallback : it->second;
}

namespace {

const OptionDef* FindDef(const std::vector<OptionDef>& defs, const std::string& name)
{
    for (const OptionDef& def : defs)
        if (name == def.name)
            return &def;
    return nullptr;
}

} // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::vector<OptionDef>& defs)
{
    ParsedOptions parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            if (arg == "--")
                optionsEnded = true;
            else
                parsed.positional.push_back(arg);
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const OptionDef* def = FindDef(defs, name);
        if (!def) {
            parsed.error = "unknown option --" + name;
            return parsed;
        }
        if (!def->takesValue) {
            if (equals != std::string::npos) {
                parsed.error = "--" + name + " takes no value";
                return parsed;
            }
            parsed.values[name] = "";
        } else if (equals != std::string::npos) {
            parsed.values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            parsed.values[name] = args[++i];
        } else {
            parsed.error = "--" + name + " needs a value";
            return parsed;
        }
    }
    return parsed;
}

bool ParseInteger(const std::string& text, long long min, long long max, long long* value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != 0 || v < min || v > max)
        return false;
    *value = v;
    return true;
}

bool ParseDouble(const std::string& text, double* value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (*end != 0)
        return false;
    *value = v;
    return true;
}
