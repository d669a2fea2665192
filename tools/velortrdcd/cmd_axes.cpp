// velortrdcd axes: a point of the internal orientation in a file's system.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"

int RunAxes(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    if (o.positional.size() != 3)
        return UsageError("axes takes SYSTEM X Y", usage);
    long long system = 0;
    double x = 0, y = 0;
    if (!ParseInteger(o.positional[0], INT16_MIN, INT16_MAX, &system) || !ParseDouble(o.positional[1], &x) ||
        !ParseDouble(o.positional[2], &y))
        return UsageError("SYSTEM is a whole number, X and Y numbers", usage);
    double outX = 0, outY = 0;
    if (!CallFromDtmEx(&outX, &outY, x, y, static_cast<short>(system)))
        return 1;
    JsonWriter json;
    json.BeginObject().Key("x").Number(outX).Key("y").Number(outY).EndObject();
    Out(json.str() + "\n");
    return 0;
}
