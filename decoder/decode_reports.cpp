// The decoder's reports: composing their texts, the message box of an input
// error and the answerer of the unknown-command question (by default the
// decode-error dialog).
#include "decoder/decode_reports.h"

#include "decoder/CDecodeTxLine.h"
#include "common/decoder_texts.h"
#include "dialogs/decode_error_dialog.h"

namespace {

// The one answerer of the process: the decode-error dialog unless a host
// installed its own.
UnknownCommandAnswerer g_answerer = &AnswerWithDecodeErrorDialog;
void* g_answererContext = nullptr;

const char* OrEmpty(const char* text)
{
    return text ? text : "";
}

} // namespace

void SetUnknownCommandAnswerer(UnknownCommandAnswerer answerer, void* context)
{
    g_answerer = answerer ? answerer : &AnswerWithDecodeErrorDialog;
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
    const CString message = ComposeUnknownCommand(fileName, lineNumber, lineText);
    return g_answerer(g_answererContext, message, OrEmpty(fileName), lineNumber, OrEmpty(lineText));
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
