// The evaluator component: a narrow and a wide evaluator behind
// IVelorTrCounter, and their last text results behind IVelorTrCounterText.
#pragma once

#include "VelorTrCounter.h"
#include "counter/CAtCounter.h"
#include "server/frame/component.h"

class CAtCounterI : public CComponent<CAtCounterI, IVelorTrCounter, CDelegatingUnknown<IVelorTrCounterText>> {
public:
    explicit CAtCounterI(IUnknown* outer = nullptr);

    static const InterfaceEntry<CAtCounterI>* InterfaceTable();

    // IVelorTrCounter
    uint32_t STDMETHODCALLTYPE Compute(const char* text, void* reserved, const char** end, double* value,
                                       int32_t* status) override;
    uint32_t STDMETHODCALLTYPE SetExtension(IVelorTrCounterExt* extension) override;
    uint32_t STDMETHODCALLTYPE ComputeW(const unsigned short* text, void* reserved, const unsigned short** end,
                                        double* value, int32_t* status) override;
    uint32_t STDMETHODCALLTYPE SetExtensionW(IVelorTrCounterExtW* extension) override;
    uint32_t STDMETHODCALLTYPE ComputeArgs(const char* text, void* reserved, const char** end, uint32_t count,
                                           double* values, int32_t* status) override;
    uint32_t STDMETHODCALLTYPE ComputeArgsW(const unsigned short* text, void* reserved, const unsigned short** end,
                                            uint32_t count, double* values, int32_t* status) override;
    uint32_t STDMETHODCALLTYPE ComputeOne(const char* text, void* reserved, const char** end, double* value,
                                          int32_t* status) override;
    uint32_t STDMETHODCALLTYPE ComputeOneW(const unsigned short* text, void* reserved, const unsigned short** end,
                                           double* value, int32_t* status) override;

    // IVelorTrCounterText
    uint32_t STDMETHODCALLTYPE GetText(char* buffer, uint32_t size) override;
    uint32_t STDMETHODCALLTYPE GetTextW(unsigned short* buffer, uint32_t size) override;

    CAtCounterNarrow narrow;
    CAtCounterWide wide;
};
