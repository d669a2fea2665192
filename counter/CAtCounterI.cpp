#include "counter/CAtCounterI.h"

namespace {

void* LocateCounter(CAtCounterI* object)
{
    return static_cast<IVelorTrCounter*>(object);
}

void* LocateText(CAtCounterI* object)
{
    return static_cast<IVelorTrCounterText*>(object);
}

uint32_t Reported(int32_t outcome, int32_t* status)
{
    if (status)
        *status = outcome;
    return outcome == kStatusOk ? 0u : 1u;
}

// Copies length characters and a NUL into buffer, cut to its size.
template <class Ch>
uint32_t CopyText(const Ch* text, int length, Ch* buffer, uint32_t size)
{
    if (buffer && size > 0) {
        const uint32_t copied = static_cast<uint32_t>(length) < size ? static_cast<uint32_t>(length) : size - 1;
        for (uint32_t i = 0; i < copied; ++i)
            buffer[i] = text[i];
        buffer[copied] = 0;
    }
    return static_cast<uint32_t>(length);
}

} // namespace

const InterfaceEntry<CAtCounterI>* CAtCounterI::InterfaceTable()
{
    static const InterfaceEntry<CAtCounterI> table[] = {
        {&IID_IVelorTrCounter, &LocateCounter, false},
        {&IID_IVelorTrCounterText, &LocateText, false},
        {nullptr, nullptr, false},
    };
    return table;
}

CAtCounterI::CAtCounterI(IUnknown* outer) : CComponent(outer) {}

uint32_t CAtCounterI::Compute(const char* text, void*, const char** end, double* value, int32_t* status)
{
    return Reported(narrow.Compute(text, 1, end, value), status);
}

uint32_t CAtCounterI::ComputeOne(const char* text, void*, const char** end, double* value, int32_t* status)
{
    return Reported(narrow.Compute(text, 0, end, value), status);
}

uint32_t CAtCounterI::ComputeW(const unsigned short* text, void*, const unsigned short** end, double* value,
                               int32_t* status)
{
    return Reported(wide.Compute(text, 1, end, value), status);
}

uint32_t CAtCounterI::ComputeOneW(const unsigned short* text, void*, const unsigned short** end, double* value,
                                  int32_t* status)
{
    return Reported(wide.Compute(text, 0, end, value), status);
}

uint32_t CAtCounterI::ComputeArgs(const char* text, void*, const char** end, uint32_t count, double* values,
                                  int32_t* status)
{
    return Reported(narrow.ComputeArgs(text, end, count, values), status);
}

uint32_t CAtCounterI::ComputeArgsW(const unsigned short* text, void*, const unsigned short** end, uint32_t count,
                                   double* values, int32_t* status)
{
    return Reported(wide.ComputeArgs(text, end, count, values), status);
}

uint32_t CAtCounterI::SetExtension(IVelorTrCounterExt* extension)
{
    narrow.extension = extension;
    return 0;
}

uint32_t CAtCounterI::SetExtensionW(IVelorTrCounterExtW* extension)
{
    wide.extension = extension;
    return 0;
}

uint32_t CAtCounterI::GetText(char* buffer, uint32_t size)
{
    const CString& text = narrow.TextResult();
    return CopyText(TextChars(text), text.GetLength(), buffer, size);
}

uint32_t CAtCounterI::GetTextW(unsigned short* buffer, uint32_t size)
{
    const MVBstrBuf<200>& text = wide.TextResult();
    return CopyText(TextChars(text), text.GetLength(), buffer, size);
}
