// The evaluator's compute operations on the input, with one evaluator for
// the process, so that the variables one input sets are there for the next.
// The first byte chooses the operation (% 6: Compute, ComputeOne,
// ComputeArgs, and the same three wide) and whether the host's extension is
// set (bit 0x08); ComputeArgs takes the second byte % 12 as its count. The
// rest is the expression: narrow bytes up to the first NUL, or wide UTF-16
// units (little-endian pairs) up to the first 0.
//
// The extension resolves names that begin with 'x' (the name's length),
// refuses names that begin with 'e' with a status of its own, and computes
// the text behind a name that begins with 'c' on the same evaluator, three
// levels deep at most; it refuses every other name.
#include "fuzz_support.h"

#include "counter/CAtCounterI.h"

#include <memory>
#include <string>
#include <vector>

namespace {

const int32_t kHostStatus = 40;
// Variables beyond this many are forgotten after an input, so that the
// tables of a long run stay small.
const size_t kMostVariables = 512;

CAtCounterI& Counter()
{
    static CAtCounterI* counter = new CAtCounterI(nullptr);
    return *counter;
}

template <class Ch>
bool IsNameChar(Ch c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Resolving one name, for either width; compute is the nested evaluation.
template <class Ch, class Compute>
int32_t Resolve(const Ch* position, const Ch** end, double* value, int32_t* status, Compute compute)
{
    static int nested = 0;
    const Ch* behind = position;
    while (IsNameChar(*behind))
        ++behind;
    *end = behind;
    const Ch first = *position;
    if (first == 'x' || first == 'X') {
        *value = static_cast<double>(behind - position);
        return 0;
    }
    if (first == 'e' || first == 'E') {
        *status = kHostStatus;
        return 1;
    }
    if ((first == 'c' || first == 'C') && nested < 3) {
        ++nested;
        compute(position + 1, end, value);
        --nested;
        return 0;
    }
    return 1;
}

struct NarrowExtension : IVelorTrCounterExt {
    int32_t STDMETHODCALLTYPE ResolveName(const char* position, int32_t, const char** end, double* value,
                                          int32_t* status) override
    {
        return Resolve(position, end, value, status, [](const char* text, const char** stop, double* result) {
            int32_t ignored = 0;
            Counter().Compute(text, nullptr, stop, result, &ignored);
        });
    }
};

struct WideExtension : IVelorTrCounterExtW {
    int32_t STDMETHODCALLTYPE ResolveName(const unsigned short* position, int32_t, const unsigned short** end,
                                          double* value, int32_t* status) override
    {
        return Resolve(position, end, value, status,
                       [](const unsigned short* text, const unsigned short** stop, double* result) {
                           int32_t ignored = 0;
                           Counter().ComputeW(text, nullptr, stop, result, &ignored);
                       });
    }
};

bool KnownStatus(int32_t status)
{
    static const int32_t known[] = {0, -1, 2, 5, 6, 7, 9, 10, 22, 24, 26, 28, 30, kHostStatus};
    for (int32_t k : known) {
        if (status == k)
            return true;
    }
    return false;
}

template <class Ch>
size_t Length(const Ch* text)
{
    size_t n = 0;
    while (text[n])
        ++n;
    return n;
}

// The text result, read through the interface, must be as long as it says.
void RequireText(bool wide)
{
    CAtCounterI& c = Counter();
    if (wide) {
        const uint32_t length = c.GetTextW(nullptr, 0);
        std::vector<unsigned short> buffer(static_cast<size_t>(length) + 1, 0xFFFF);
        FuzzRequire(c.GetTextW(buffer.data(), length + 1) == length, "GetTextW gives two lengths");
        FuzzRequire(Length(buffer.data()) == length, "the wide text result is not as long as given");
    } else {
        const uint32_t length = c.GetText(nullptr, 0);
        std::string buffer(static_cast<size_t>(length) + 1, '\xFF');
        FuzzRequire(c.GetText(&buffer[0], length + 1) == length, "GetText gives two lengths");
        FuzzRequire(Length(buffer.c_str()) == length, "the text result is not as long as given");
    }
}

template <class Ch>
void RequireOutcome(uint32_t result, int32_t status, const Ch* text, const Ch* end, bool wide)
{
    FuzzRequire(KnownStatus(status), "a status outside the evaluator's list");
    FuzzRequire(result == (status == 0 ? 0u : 1u), "the result does not follow the status");
    FuzzRequire(end >= text && end <= text + Length(text), "the end position lies outside the text");
    if (status == -1)
        RequireText(wide);
}

template <class Evaluator>
void KeepVariablesFew(Evaluator& evaluator)
{
    if (evaluator.numberVariables.size() + evaluator.textVariables.size() <= kMostVariables)
        return;
    evaluator.numberVariables.clear();
    evaluator.textVariables.clear();
}

void RunNarrow(int operation, uint32_t count, const std::string& text)
{
    CAtCounterI& c = Counter();
    const char* end = nullptr;
    double value = 0;
    int32_t status = 12345;
    uint32_t result = 0;
    if (operation == 0) {
        result = c.Compute(text.c_str(), nullptr, &end, &value, &status);
    } else if (operation == 1) {
        result = c.ComputeOne(text.c_str(), nullptr, &end, &value, &status);
    } else {
        std::unique_ptr<double[]> values(count ? new double[count] : nullptr);
        result = c.ComputeArgs(text.c_str(), nullptr, &end, count, values.get(), &status);
    }
    RequireOutcome(result, status, text.c_str(), end, false);
}

void RunWide(int operation, uint32_t count, const std::string& bytes)
{
    std::vector<unsigned short> text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<unsigned short>(static_cast<uint8_t>(bytes[i]) |
                                                   static_cast<uint8_t>(bytes[i + 1]) << 8));
    text.push_back(0);
    CAtCounterI& c = Counter();
    const unsigned short* end = nullptr;
    double value = 0;
    int32_t status = 12345;
    uint32_t result = 0;
    if (operation == 0) {
        result = c.ComputeW(text.data(), nullptr, &end, &value, &status);
    } else if (operation == 1) {
        result = c.ComputeOneW(text.data(), nullptr, &end, &value, &status);
    } else {
        std::unique_ptr<double[]> values(count ? new double[count] : nullptr);
        result = c.ComputeArgsW(text.data(), nullptr, &end, count, values.get(), &status);
    }
    RequireOutcome(result, status, text.data(), end, true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static NarrowExtension narrowExtension;
    static WideExtension wideExtension;
    FuzzInput in(data, size);
    const uint8_t choice = in.Byte();
    const int operation = choice % 6;
    const uint32_t count = operation % 3 == 2 ? in.Byte() % 12 : 0;
    const bool extended = (choice & 0x08) != 0;
    CAtCounterI& c = Counter();
    c.SetExtension(extended ? &narrowExtension : nullptr);
    c.SetExtensionW(extended ? &wideExtension : nullptr);
    if (operation < 3)
        RunNarrow(operation, count, in.Rest());
    else
        RunWide(operation - 3, count, in.Rest());
    KeepVariablesFew(c.narrow);
    KeepVariablesFew(c.wide);
    return 0;
}
