// velortrdcd eval: expressions evaluated in turn on one evaluator.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/json_out.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/text_codec.h"
#include "tools/velortrdcd/utf8.h"

namespace {

struct Evaluation {
    int32_t status = 0;
    double value = 0;
    long long stop = 0;
    std::string text; // UTF-8, when the status is -1
};

std::string NarrowText(IVelorTrCounterText* texts)
{
    const uint32_t length = texts->GetText(nullptr, 0);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    texts->GetText(buffer.data(), length + 1);
    return AnsiToUtf8(buffer.data());
}

std::string WideText(IVelorTrCounterText* texts)
{
    const uint32_t length = texts->GetTextW(nullptr, 0);
    std::vector<unsigned short> buffer(static_cast<size_t>(length) + 1, 0);
    texts->GetTextW(buffer.data(), length + 1);
    std::u16string units(buffer.begin(), buffer.begin() + length);
    return Utf16ToUtf8(units.data(), units.size());
}

Evaluation EvalNarrow(IVelorTrCounter* counter, IVelorTrCounterText* texts, const std::string& expr, bool one)
{
    Evaluation e;
    const char* end = nullptr;
    if (one)
        counter->ComputeOne(expr.c_str(), nullptr, &end, &e.value, &e.status);
    else
        counter->Compute(expr.c_str(), nullptr, &end, &e.value, &e.status);
    e.stop = end ? end - expr.c_str() : 0;
    if (e.status == -1 && texts)
        e.text = NarrowText(texts);
    return e;
}

Evaluation EvalWide(IVelorTrCounter* counter, IVelorTrCounterText* texts, const std::string& expr, bool one)
{
    Evaluation e;
    const std::u16string wide = Utf8ToUtf16(AnsiToUtf8(expr.c_str()));
    std::vector<unsigned short> units(wide.begin(), wide.end());
    units.push_back(0);
    const unsigned short* end = nullptr;
    if (one)
        counter->ComputeOneW(units.data(), nullptr, &end, &e.value, &e.status);
    else
        counter->ComputeW(units.data(), nullptr, &end, &e.value, &e.status);
    e.stop = end ? end - units.data() : 0;
    if (e.status == -1 && texts)
        e.text = WideText(texts);
    return e;
}

std::string ToJson(const Evaluation& e)
{
    JsonWriter json;
    json.BeginObject().Key("status").Integer(e.status).Key("value").Number(e.value);
    json.Key("stop").Integer(e.stop);
    std::string out = json.str();
    if (e.status == -1)
        out += ",\"text\":" + JsonString(e.text);
    return out + "}\n";
}

} // namespace

int RunEval(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"wide", false}, {"one", false}});
    if (!o.error.empty())
        return UsageError(o.error, usage);
    if (o.positional.empty())
        return UsageError("eval takes at least one EXPR", usage);
    auto* counter = static_cast<IVelorTrCounter*>(CreateComponent(CLSID_CAtCounterI, IID_IVelorTrCounter));
    if (!counter)
        return 1;
    IVelorTrCounterText* texts = nullptr;
    if (counter->QueryInterface(IID_IVelorTrCounterText, reinterpret_cast<void**>(&texts)) != S_OK)
        texts = nullptr;
    bool allNumbersOrTexts = true;
    for (const std::string& expr : o.positional) {
        const Evaluation e = o.Has("wide") ? EvalWide(counter, texts, expr, o.Has("one"))
                                           : EvalNarrow(counter, texts, expr, o.Has("one"));
        Out(ToJson(e));
        allNumbersOrTexts = allNumbersOrTexts && e.status <= 0;
    }
    ReleaseComponent(texts);
    ReleaseComponent(counter);
    return allNumbersOrTexts ? 0 : 1;
}
