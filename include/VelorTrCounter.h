// The expression evaluator's interfaces, as hosts compile against them.
//
// Every compute operation returns 0 when the final status is 0 (a number)
// and 1 otherwise; the status itself is 0 for a number, -1 for a text (read
// it through IVelorTrCounterText) or a positive error code. Narrow text is
// NUL-terminated in the ANSI code page, wide text NUL-terminated UTF-16 code
// units. The evaluator never writes into the expression text.
#pragma once

#include "platform/platform.h"

#include <cstdint>

// {040E5DFB-EAC1-42CB-A02C-245644BA67CC}
const CLSID CLSID_CAtCounterI = {0x040E5DFB, 0xEAC1, 0x42CB, {0xA0, 0x2C, 0x24, 0x56, 0x44, 0xBA, 0x67, 0xCC}};
// {6B19FEF0-44BD-43C3-BC27-FC2DDA8801F8}
const IID IID_IVelorTrCounter = {0x6B19FEF0, 0x44BD, 0x43C3, {0xBC, 0x27, 0xFC, 0x2D, 0xDA, 0x88, 0x01, 0xF8}};
// {D41BE63F-FCDE-4FBD-B211-8DB1E20AE9D3}
const IID IID_IVelorTrCounterText = {0xD41BE63F, 0xFCDE, 0x4FBD, {0xB2, 0x11, 0x8D, 0xB1, 0xE2, 0x0A, 0xE9, 0xD3}};

// What a text-valued argument leaves in its slot of an argument list.
const double TextArgMarker = 1608195912.0;

// The host's resolver of names the evaluator does not know. ResolveName gets
// the position of the unknown name and a zero; it stores the position behind
// what it consumed in *end and the value in *value (which starts at 0).
// Returning 0 means resolved. A non-zero return with *status left at 0 makes
// the evaluator report status 6 with the position at the name; with a status
// of the host's own, that code is kept and the position moves to *end.
struct IVelorTrCounterExt {
    virtual int32_t STDMETHODCALLTYPE ResolveName(const char* position, int32_t zero, const char** end, double* value,
                                                  int32_t* status) = 0;
};

struct IVelorTrCounterExtW {
    virtual int32_t STDMETHODCALLTYPE ResolveName(const unsigned short* position, int32_t zero,
                                                  const unsigned short** end, double* value, int32_t* status) = 0;
};

struct IVelorTrCounter : public IUnknown {
    // The whole text as one expression; ',' after an assignment goes on with
    // the next expression.
    virtual uint32_t STDMETHODCALLTYPE Compute(const char* text, void* reserved, const char** end, double* value,
                                               int32_t* status) = 0;
    // The extension is not reference-counted; null removes it.
    virtual uint32_t STDMETHODCALLTYPE SetExtension(IVelorTrCounterExt* extension) = 0;
    virtual uint32_t STDMETHODCALLTYPE ComputeW(const unsigned short* text, void* reserved, const unsigned short** end,
                                                double* value, int32_t* status) = 0;
    virtual uint32_t STDMETHODCALLTYPE SetExtensionW(IVelorTrCounterExtW* extension) = 0;
    // "(" count expressions separated by ',' ")" into values[0..count).
    virtual uint32_t STDMETHODCALLTYPE ComputeArgs(const char* text, void* reserved, const char** end, uint32_t count,
                                                   double* values, int32_t* status) = 0;
    virtual uint32_t STDMETHODCALLTYPE ComputeArgsW(const unsigned short* text, void* reserved,
                                                    const unsigned short** end, uint32_t count, double* values,
                                                    int32_t* status) = 0;
    // As Compute, but a top-level ',' after an assignment ends the expression.
    virtual uint32_t STDMETHODCALLTYPE ComputeOne(const char* text, void* reserved, const char** end, double* value,
                                                  int32_t* status) = 0;
    virtual uint32_t STDMETHODCALLTYPE ComputeOneW(const unsigned short* text, void* reserved,
                                                   const unsigned short** end, double* value, int32_t* status) = 0;
};

// The last text result of each evaluator of the component. The text is copied
// into buffer (at most size - 1 characters and a NUL; nothing when size is
// 0); the result is the full length of the text in characters.
struct IVelorTrCounterText : public IUnknown {
    virtual uint32_t STDMETHODCALLTYPE GetText(char* buffer, uint32_t size) = 0;
    virtual uint32_t STDMETHODCALLTYPE GetTextW(unsigned short* buffer, uint32_t size) = 0;
};
