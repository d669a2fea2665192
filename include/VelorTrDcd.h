// The point-file decoder's interface, as hosts compile against it.
//
// Every operation returns a 32-bit status: 0 when it was carried out, 1 when
// it was not; details come back in out-parameters, each of which may be
// null. Text is narrow (ANSI code page) and NUL-terminated; 256-byte output
// buffers receive at most 255 characters and a NUL.
#pragma once

#include "VelorTrDcdPoint.h"
#include "VelorTrDcdPolygon.h"

#include <vector>

struct PointFormat;

typedef std::vector<PolygonItem> PolygonItemList;

// {62CBC280-808B-11D7-BA15-00E07DD11238}
const IID IID_IVelorTrDcd = {0x62CBC280, 0x808B, 0x11D7, {0xBA, 0x15, 0x00, 0xE0, 0x7D, 0xD1, 0x12, 0x38}};
// {62CBC284-808B-11D7-BA15-00E07DD11238}
const CLSID CLSID_CDecodeTxLine = {0x62CBC284, 0x808B, 0x11D7, {0xBA, 0x15, 0x00, 0xE0, 0x7D, 0xD1, 0x12, 0x38}};

// Value types of AddParam.
enum DecodeValueType : int32_t {
    kValueRestOfLine = -9, // CString: the rest of the line
    kValueYesNoNumber = -8, // double: a number, or YES_VALUE / NO_VALUE
    kValueFlag32 = -7,     // int32: 1 or 0 from an integer or yes/no word
    kValueFlag8 = -6,      // uint8: 1 or 0
    kValueFlag8Alt = -5,   // uint8: 1 or 0 (as -6)
    kValueTextCollect = -4, // CString: appended behind 0x01 when not empty
    kValueText = -3,       // CString: replaced
    kValueNumber = -2,     // double
    kValueInteger = -1,    // int32
    // n >= 1: char[n + 1], at most n characters of the raw token
};

// Decoding error codes of DecodeLine.
enum DecodeError : uint32_t {
    kErrorNone = 0,
    kErrorYesNo = 3,        // neither a number nor a yes/no word; bad TType
    kErrorNumber = 4,       // a number expected
    kErrorInteger = 5,      // an integer or yes/no word expected
    kErrorQuote = 7,        // a quoted text without its closing quote
    kErrorEdgeType = 8,     // a bad EType
    kErrorSeparator = 9,    // the field separator expected
};

struct IVelorTrDcd : public IUnknown {
    virtual uint32_t STDMETHODCALLTYPE ResetDefinitions() = 0;
    virtual uint32_t STDMETHODCALLTYPE AddCommentWord(const char* word) = 0;
    virtual uint32_t STDMETHODCALLTYPE AddCommand(const char* prefix, uint32_t id) = 0;
    virtual uint32_t STDMETHODCALLTYPE AddCommandSharingParams(const char* prefix, uint32_t id,
                                                               uint32_t paramsOf) = 0;
    virtual uint32_t STDMETHODCALLTYPE AddParam(int32_t type, uint32_t keywordOnly, void* target,
                                                uint32_t* counter, const char* keyword) = 0;
    virtual uint32_t STDMETHODCALLTYPE DecodeLine(char* line, uint32_t* commandId, uint32_t* positionalCount,
                                                  char** stopAt, uint32_t* error) = 0;
    virtual uint32_t STDMETHODCALLTYPE SetPointFormat(const char* prefix, uint32_t id, PointRecord* record,
                                                      const char* format) = 0;
    virtual uint32_t STDMETHODCALLTYPE GetYesNoValues(double* yes, double* no) = 0;
    virtual uint32_t STDMETHODCALLTYPE ReadPointFile(const char* path, const char* format, PolygonItemList* items,
                                                     int32_t firstLine, uint32_t lastLine, uint8_t option1,
                                                     int32_t option2, uint32_t* linesRead, uint32_t* result) = 0;
    virtual uint32_t STDMETHODCALLTYPE EnableErrorMessages(int32_t on) = 0;
    virtual uint32_t STDMETHODCALLTYPE EditFormatDialog(const char* section, const char* name, const char* dataFile,
                                                        const char* limitFormat, const char* format,
                                                        uint8_t givenFormat, uint8_t variantMode, char* nameOut,
                                                        char* formatOut) = 0;
    virtual uint32_t STDMETHODCALLTYPE DetectFileFormat(const char* path, char* formatOut, uint32_t* found,
                                                        uint8_t reserved) = 0;
    virtual uint32_t STDMETHODCALLTYPE ParseFormat(PointFormat* model, const char* format, uint32_t* result,
                                                   uint32_t* stopAt) = 0;
    virtual uint32_t STDMETHODCALLTYPE FormatToString(PointFormat* model, char* out) = 0;
    virtual uint32_t STDMETHODCALLTYPE GetFormatForSuffix(const char* section, const char* suffix,
                                                          char out[256]) = 0;
    virtual uint32_t STDMETHODCALLTYPE GetFormatEntry(const char* section, const char* name, char* formatOut,
                                                      char* descriptionOut, char* suffixesOut) = 0;
    virtual uint32_t STDMETHODCALLTYPE FreeItemList(PolygonItemList* items) = 0;
    virtual uint32_t STDMETHODCALLTYPE GetEmptyItemList(PolygonItemList** out) = 0;
};
