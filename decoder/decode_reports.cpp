// The decoder's reports: composing their texts, the message box of an input
// error and the answerer of the unknown-command question (a host's, else the
// one the dialogs installed).
#include "decoder/decode_reports.h"

#include "decoder/CDecodeTxLine.h"
#include "common/decoder_texts.h"
#include "decoder/dialog_hooks.h"

namespace {

// The host's answerer of the process, if it installed one.
UnknownCommandAnswerer g_answerer = nullptr;
void* g_answererContext = nullptr;

const char* OrEmpty(const char* text)
{
    return text ? text : "";
}

} // namespace

void SetUnknownCommandAnswerer(UnknownCommandAnswerer answerer, void* context)
{
    g_answerer = answerer;
    g_answererContext = answerer ? context : nullptr;
}

CString ComposeUnknownCommand(const char* fileName, uint32_t lineNumber, const char* lineText)
{
    CString text;
    text.Format("%s\r\n   %s\r\n\r\n%s %u :\r\n\"%s\"\r\n\r\n%s", DecoderText(kTextUnknownCommandInFile),
                OrEmpty(fileName), DecoderText(kTextAtLine), static_cast<unsigned>(lineNumber), OrEmpty(lineText),
                DecoderText(kTextLineIgnored));
    return text;
}

CString ComposeInputError(const char* fileName, const char* message, uint32_t lineNumber, const char* lineText)
{
    CString text;
    text.Format("%s\r\n   %s\r\n\r\n%s %s %u :\r\n\"%s\"", DecoderText(kTextErrorInFile), OrEmpty(fileName),
                OrEmpty(message), DecoderText(kTextAtLine), static_cast<unsigned>(lineNumber), OrEmpty(lineText));
    return text;
}

uint16_t ReportUnknownCommand(const char* fileName, uint32_t lineNumber, const char* lineText)
{
    UnknownCommandAnswerer answerer = g_answerer;
    void* context = g_answererContext;
    if (!answerer) {
        answerer = InstalledDecoderDialogs().askUnknownCommand;
        context = nullptr;
    }
    if (!answerer)
        return kAnswerSkipLine;
    const CString message = ComposeUnknownCommand(fileName, lineNumber, lineText);
    return answerer(context, message, OrEmpty(fileName), lineNumber, OrEmpty(lineText));
}

uint16_t ReportInputError(const CDecodeTxLine& decoder, CFile& inputFile, const char* fileName,
                          uint16_t returnCode, const char* message, uint32_t lineNumber, const char* lineText)
{
    inputFile.Close();
    if (decoder.showMessages) {
        const CString text = ComposeInputError(fileName, message, lineNumber, lineText);
        VelorMessageBox(nullptr, text, nullptr, MB_OK);
    }
    return returnCode;
}
