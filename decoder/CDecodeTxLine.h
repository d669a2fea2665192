// The point-file decoder component: a general line decoder driven by a
// table of commands with typed parameters, and the point-file layer built on
// it.
#pragma once

#include "VelorTrDcd.h"
#include "common/case_table.h"
#include "decoder/decode_types.h"
#include "decoder/line_scan.h"
#include "decoder/polygon_header.h"
#include "server/frame/component.h"

#include <bitset>
#include <vector>

class CDecodeTxLine : public CComponent<CDecodeTxLine, IVelorTrDcd> {
public:
    explicit CDecodeTxLine(IUnknown* outer = nullptr);
    ~CDecodeTxLine() override;

    static const InterfaceEntry<CDecodeTxLine>* InterfaceTable();

    // IVelorTrDcd
    uint32_t STDMETHODCALLTYPE ResetDefinitions() override;
    uint32_t STDMETHODCALLTYPE AddCommentWord(const char* word) override;
    uint32_t STDMETHODCALLTYPE AddCommand(const char* prefix, uint32_t id) override;
    uint32_t STDMETHODCALLTYPE AddCommandSharingParams(const char* prefix, uint32_t id, uint32_t paramsOf) override;
    uint32_t STDMETHODCALLTYPE AddParam(int32_t type, uint32_t keywordOnly, void* target, uint32_t* counter,
                                        const char* keyword) override;
    uint32_t STDMETHODCALLTYPE DecodeLine(char* line, uint32_t* commandId, uint32_t* positionalCount, char** stopAt,
                                          uint32_t* error) override;
    uint32_t STDMETHODCALLTYPE SetPointFormat(const char* prefix, uint32_t id, PointRecord* record,
                                              const char* format) override;
    uint32_t STDMETHODCALLTYPE GetYesNoValues(double* yes, double* no) override;
    uint32_t STDMETHODCALLTYPE ReadPointFile(const char* path, const char* format, PolygonItemList* items,
                                             int32_t firstLine, uint32_t lastLine, uint8_t option1, int32_t option2,
                                             uint32_t* linesRead, uint32_t* result) override;
    uint32_t STDMETHODCALLTYPE EnableErrorMessages(int32_t on) override;
    uint32_t STDMETHODCALLTYPE EditFormatDialog(const char* section, const char* name, const char* dataFile,
                                                const char* limitFormat, const char* format, uint8_t givenFormat,
                                                uint8_t variantMode, char* nameOut, char* formatOut) override;
    uint32_t STDMETHODCALLTYPE DetectFileFormat(const char* path, char* formatOut, uint32_t* found,
                                                uint8_t reserved) override;
    uint32_t STDMETHODCALLTYPE ParseFormat(PointFormat* model, const char* format, uint32_t* result,
                                           uint32_t* stopAt) override;
    uint32_t STDMETHODCALLTYPE FormatToString(PointFormat* model, char* out) override;
    uint32_t STDMETHODCALLTYPE GetFormatForSuffix(const char* section, const char* suffix, char out[256]) override;
    uint32_t STDMETHODCALLTYPE GetFormatEntry(const char* section, const char* name, char* formatOut,
                                              char* descriptionOut, char* suffixesOut) override;
    uint32_t STDMETHODCALLTYPE FreeItemList(PolygonItemList* items) override;
    uint32_t STDMETHODCALLTYPE GetEmptyItemList(PolygonItemList** out) override;

    // The decoder's state.
    std::vector<DecodeCommand> commands;
    DecodeCommand* defaultCommand = nullptr;
    std::vector<CString> commentWords;
    CString textCodeSeparators;
    CString fieldSeparator;
    bool decimalComma = false;
    bool vdFlag = false, nlFlag = false, ppFlag = false;
    CString ttText, etText;
    uint32_t ppCount = 0, stCount = 0, ttCount = 0, etCount = 0, rCount = 0;
    PointRecord record;
    bool showMessages = true;
    uint32_t lineNumber = 0;
    uint32_t lastError = 0;
    uint32_t keywordThreshold = 0;

private:
    DecodeCommand* AppendCommand(const char* prefix, uint32_t id, uint32_t paramsOf, uint32_t* status);
    DecodeCommand* ChooseCommand(const CTabVelkaMala& table, const char** position, uint32_t* commandId);
    DecodeCommand* LastDefault(uint32_t* commandId);
    DecodeCommand* ParamsCommand(DecodeCommand* command);
    void BuildPositional(DecodeCommand& command);
    void BeginPointLine();
    uint32_t FinishPointLine(PointRecord& rec);
    uint32_t DecodeValues(const CTabVelkaMala& table, DecodeCommand& command, const char** position,
                          uint32_t* positional);

    // Where the default command stands in the table (-1: none); the table
    // may move when it grows.
    long defaultIndex_ = -1;
    // The upper-case first characters of the commands' prefixes: a line that
    // begins with none of them goes to the default command at once.
    std::bitset<256> prefixStarts_;
    // The comment words with the bytes that can begin one.
    CommentWords comments_;
    // Where the ".np" and ".sp" lines of a point file put their values.
    PolygonHeaderValues headerValues_;

    friend class PolygonReader;
};
