// DecodeLine on the lines of the input, with the decoder's command table
// chosen by the input's first bytes:
//   first byte % 4 == 0: a point line from one of the formats below (second
//                        byte), with ".pp" sharing its parameters;
//                   1:   a point line from the format on the input's first line;
//                   2:   the commands of a point file: ".np" and its keyword
//                        parameters, ".sp", ".tn", ".pp", ".db" and a point line;
//                   3:   commands and typed parameters built from the following
//                        bytes (see DefineFromBytes).
// Every further line of the input is decoded by the same decoder, as the
// lines of a file are.
#include "fuzz_support.h"

#include "decoder/CDecodeTxLine.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kFormats[] = {
    "Y X cmt(; $ ! *)",
    "Y X Z Name sep(;) decc cmt(*)",
    "Y X Z St Name TCode(;,) NCode PlgP VDesc NoLn TPri TType EType Null R TCodeEnd PNr",
    "X Y sep(t) dec=2 sys=3",
    "Name Y X Z sep(, ) cmt(// rem)",
    "TCode Y X TCodeEnd",
    "PNr Y X Z R TType EType sep(|)",
    "Y X cmt()",
    "Y X Z sep(;;) decc TCode(.)",
    "Null Null Y X cmt(\"#\")",
};
const size_t kFormatCount = sizeof kFormats / sizeof kFormats[0];

const char* const kPrefixes[] = {nullptr, "", ".a", ".np", "cmd", "x=", "\"", ";", ".", " ", "P:", "ab"};
const char* const kKeywords[] = {"", "x=", "y=", "z=", "na=", "tc=", "p:", "St=", "SName=", "=", "\"", ";",
                                 "a", "AB", "n", ","};
const char* const kCommentWords[] = {";", "$", "!", "*", "rem", "//", "", "\"", "a", "=", " "};
const char* const kSeparators[] = {"", ";", ",", "\t", "|", ";;", " ", ", ", "\"", "x"};

template <size_t N>
const char* Pick(const char* const (&list)[N], uint8_t byte)
{
    return list[byte % N];
}

// Where the values of the built commands go: one place of its own for each
// parameter, of the size its type writes (a fixed-length text gets exactly
// its n + 1 bytes, so that a write beyond them is caught).
struct ValueSlots {
    std::vector<std::unique_ptr<double>> numbers;
    std::vector<std::unique_ptr<int32_t>> integers;
    std::vector<std::unique_ptr<uint8_t>> flags;
    std::vector<std::unique_ptr<CString>> texts;
    std::vector<std::unique_ptr<char[]>> fixed;
    std::vector<std::unique_ptr<uint32_t>> counters;

    void* For(int32_t type)
    {
        if (type >= 1) {
            fixed.emplace_back(new char[static_cast<size_t>(type) + 1]);
            return fixed.back().get();
        }
        switch (type) {
        case kValueNumber:
        case kValueYesNoNumber:
            numbers.emplace_back(new double(0));
            return numbers.back().get();
        case kValueInteger:
        case kValueFlag32:
            integers.emplace_back(new int32_t(0));
            return integers.back().get();
        case kValueFlag8:
        case kValueFlag8Alt:
            flags.emplace_back(new uint8_t(0));
            return flags.back().get();
        case kValueText:
        case kValueTextCollect:
        case kValueRestOfLine:
            texts.emplace_back(new CString);
            return texts.back().get();
        default:
            return nullptr; // a type that reads nothing
        }
    }

    uint32_t* Counter()
    {
        counters.emplace_back(new uint32_t(0));
        return counters.back().get();
    }
};

// One parameter from two bytes: the type (-10 to 8, 0 and -10 reading
// nothing), keyword-only, a counter, a target or none, and the keyword.
void AddParamFromBytes(CDecodeTxLine& d, FuzzInput& in, ValueSlots& slots)
{
    const uint8_t kind = in.Byte();
    const uint8_t shape = in.Byte();
    const int32_t type = static_cast<int32_t>(kind % 19) - 10;
    void* target = (shape & 0x04) ? nullptr : slots.For(type);
    uint32_t* counter = (shape & 0x02) ? slots.Counter() : nullptr;
    d.AddParam(type, shape & 0x01, target, counter, Pick(kKeywords, static_cast<uint8_t>(shape >> 3)));
}

// Up to four commands with up to seven parameters each, some sharing the
// parameters of another; comment words; the last command made a point line
// with a field separator and the decimal comma; the keyword threshold.
void DefineFromBytes(CDecodeTxLine& d, FuzzInput& in, ValueSlots& slots)
{
    const uint8_t counts = in.Byte();
    const int commands = 1 + counts % 4;
    for (int c = 0; c < commands; ++c) {
        const uint8_t head = in.Byte();
        const uint32_t id = 1 + static_cast<uint32_t>(c);
        const char* prefix = Pick(kPrefixes, head);
        if (head & 0x80)
            d.AddCommandSharingParams(prefix, id, 1 + (head >> 4) % 4);
        else
            d.AddCommand(prefix, id);
        const int params = in.Byte() % 8;
        for (int p = 0; p < params; ++p)
            AddParamFromBytes(d, in, slots);
    }
    const uint8_t words = in.Byte();
    for (int bit = 0; bit < 8; ++bit) {
        if (words & (1 << bit))
            d.AddCommentWord(Pick(kCommentWords, static_cast<uint8_t>(bit + (words >> 6))));
    }
    const uint8_t line = in.Byte();
    if (line & 0x01 && !d.commands.empty()) {
        d.commands.back().isPointLine = true;
        d.fieldSeparator = Pick(kSeparators, static_cast<uint8_t>(line >> 2));
        d.decimalComma = (line & 0x02) != 0;
    }
    d.keywordThreshold = in.Byte() % 2 ? 65 : 0;
}

// The commands of a point file, as the point-file reader defines them.
void DefinePointFileCommands(CDecodeTxLine& d, ValueSlots& slots, const char* format)
{
    d.AddCommand(".fmt", 7);
    d.AddCommand(".np", 2);
    d.AddParam(kValueFlag8, 1, slots.For(kValueFlag8), nullptr, "NS=");
    d.AddParam(kValueText, 1, slots.For(kValueText), nullptr, "SName=");
    d.AddParam(kValueText, 1, slots.For(kValueText), nullptr, "SLayer=");
    d.AddParam(kValueNumber, 1, slots.For(kValueNumber), slots.Counter(), "St=");
    d.AddParam(kValueNumber, 1, slots.For(kValueNumber), slots.Counter(), "StP=");
    d.AddParam(kValueFlag8, 1, slots.For(kValueFlag8), nullptr, "PLClos=");
    d.AddCommand(".tn", 3);
    d.AddCommand(".sp", 4);
    d.AddParam(kValueNumber, 1, slots.For(kValueNumber), slots.Counter(), nullptr);
    d.AddCommandSharingParams(".pp", 5, 1);
    d.AddCommandSharingParams(".db", 6, 1);
    d.SetPointFormat(nullptr, 1, nullptr, format);
}

// The largest command id any set-up uses.
const uint32_t kLastCommandId = 7;

void DecodeOne(CDecodeTxLine& d, const std::string& text)
{
    std::string line = text;
    const size_t length = std::strlen(line.c_str()); // the line ends at its first NUL
    uint32_t id = 99, positional = 99, error = 99;
    char* stop = nullptr;
    const uint32_t result = d.DecodeLine(&line[0], &id, &positional, &stop, &error);
    FuzzRequire(line == text, "DecodeLine wrote into the line");
    FuzzRequire(stop >= line.data() && stop <= line.data() + length, "the stop position lies outside the line");
    FuzzRequire(result == (error != 0 ? 1u : 0u), "the result does not follow the error code");
    FuzzRequire(error == 0 || error == 3 || error == 4 || error == 5 || error == 7 || error == 8 || error == 9,
                "an error code outside the decoder's list");
    FuzzRequire(id <= kLastCommandId, "a command id that was never defined");
    size_t most = 0;
    for (const DecodeCommand& command : d.commands)
        most = command.params.size() > most ? command.params.size() : most;
    FuzzRequire(positional <= most, "more positional values than parameters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    ValueSlots slots;
    CDecodeTxLine* d = new CDecodeTxLine(nullptr);
    d->EnableErrorMessages(0);
    const uint8_t setup = in.Byte();
    switch (setup % 4) {
    case 0:
        d->SetPointFormat(nullptr, 1, nullptr, kFormats[in.Byte() % kFormatCount]);
        d->AddCommandSharingParams(".pp", 5, 1);
        break;
    case 1: {
        const std::string format = in.Line();
        d->SetPointFormat(nullptr, 1, nullptr, format.c_str());
        break;
    }
    case 2:
        DefinePointFileCommands(*d, slots, kFormats[in.Byte() % kFormatCount]);
        break;
    default:
        DefineFromBytes(*d, in, slots);
        break;
    }
    while (!in.Empty())
        DecodeOne(*d, in.Line());
    d->NondelegatingRelease();
    return 0;
}
