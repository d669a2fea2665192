// A host program as any Windows host is: it creates both classes through
// COM by class id, uses one operation of each, releases them, lets COM unload
// the module, and binds to the decorated exports by name. Exit code 0 when
// every step did what it should; each failing step prints a line.
#include "VelorTrCounter.h"
#include "VelorTrDcd.h"

#include <cstdio>

namespace {

int failures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok)
        ++failures;
}

#if defined(_WIN64)
const char kStatName[] = "?GetVelorTrDcdStat@@YAPEAUIVelorTrDcd@@XZ";
const char kFromDtmName[] = "?FromDtmEx@@YAXPEAN0NNF@Z";
#else
const char kStatName[] = "?GetVelorTrDcdStat@@YAPAUIVelorTrDcd@@XZ";
const char kFromDtmName[] = "?FromDtmEx@@YAXPAN0NNF@Z";
#endif

void UseDecoder()
{
    IVelorTrDcd* decoder = nullptr;
    const HRESULT hr = CoCreateInstance(CLSID_CDecodeTxLine, nullptr, CLSCTX_INPROC_SERVER, IID_IVelorTrDcd,
                                        reinterpret_cast<void**>(&decoder));
    Check(hr == S_OK && decoder, "CoCreateInstance of the decoder");
    if (!decoder)
        return;
    double yes = 0, no = 0;
    Check(decoder->GetYesNoValues(&yes, &no) == 0 && yes == 1.23456789e300, "decoder answers GetYesNoValues");
    decoder->Release();
}

void UseCounter()
{
    IVelorTrCounter* counter = nullptr;
    const HRESULT hr = CoCreateInstance(CLSID_CAtCounterI, nullptr, CLSCTX_INPROC_SERVER, IID_IVelorTrCounter,
                                        reinterpret_cast<void**>(&counter));
    Check(hr == S_OK && counter, "CoCreateInstance of the evaluator");
    if (!counter)
        return;
    double value = 0;
    int32_t status = -9;
    const char* end = nullptr;
    Check(counter->Compute("2 * (3 + 4)", nullptr, &end, &value, &status) == 0 && value == 14.0 && status == 0,
          "evaluator computes 2 * (3 + 4)");
    counter->Release();
}

void UseDecoratedExports()
{
    HMODULE module = LoadLibraryA("VelorTrDcd.dll");
    Check(module != nullptr, "LoadLibrary");
    if (!module)
        return;
    typedef IVelorTrDcd* (*GetStat)();
    typedef void (*FromDtm)(double*, double*, double, double, short);
    auto getStat = reinterpret_cast<GetStat>(reinterpret_cast<void*>(GetProcAddress(module, kStatName)));
    auto fromDtm = reinterpret_cast<FromDtm>(reinterpret_cast<void*>(GetProcAddress(module, kFromDtmName)));
    Check(getStat && fromDtm, "decorated exports found by name");
    if (getStat)
        Check(getStat() == getStat(), "GetVelorTrDcdStat gives one decoder");
    if (fromDtm) {
        double x = 0, y = 0;
        fromDtm(&x, &y, 1.0, 2.0, 3);
        Check(x == 2.0 && y == 1.0, "FromDtmEx system 3 exchanges the axes");
    }
    FreeLibrary(module);
}

} // namespace

int main()
{
    Check(SUCCEEDED(CoInitialize(nullptr)), "CoInitialize");
    UseDecoder();
    UseCounter();
    Check(GetModuleHandleA("VelorTrDcd.dll") != nullptr, "module loaded while in use");
    CoFreeUnusedLibrariesEx(0, 0);
    Check(GetModuleHandleA("VelorTrDcd.dll") == nullptr, "CoFreeUnusedLibraries unloads the module");
    UseDecoratedExports();
    CoUninitialize();
    return failures == 0 ? 0 : 1;
}
