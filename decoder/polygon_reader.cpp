// The point-file reader: start, the loop over the lines, and the commands.
#include "decoder/polygon_reader.h"

#include "decoder/decode_reports.h"
#include "formats/format_text.h"

#include <cstring>

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

const char* TrimmedEnd(const char* begin)
{
    const char* end = begin;
    while (*end)
        ++end;
    while (end > begin && IsBlank(end[-1]))
        --end;
    return end;
}

PolygonReader::PolygonReader(CDecodeTxLine& decoder, CMVFile<CFile>& file, const char* path,
                             PolygonItemList& items)
    : d_(decoder), file_(file), path_(path), items_(items)
{
}

uint32_t PolygonReader::ReadFile(CDecodeTxLine& d, const char* path, const char* format, PolygonItemList& items,
                                 int32_t firstLine, uint32_t lastLine)
{
    d.ResetDefinitions();
    PointFormat model;
    if (ParseFormatText(model, format, nullptr) != 0)
        return kReadBadFormat;
    d.lineNumber = 1;
    d.lastError = 0;
    CMVFile<CFile> file;
    if (!path || !file.Open(path, kOpenForReading, FALSE))
        return kReadCannotOpen;
    items.clear();
    CString skipped;
    while (static_cast<int64_t>(d.lineNumber) < firstLine && file.ReadLine(skipped))
        ++d.lineNumber;
    --d.lineNumber; // now the number of lines read
    DefineCommands(d, format);
    PolygonReader reader(d, file, path, items);
    return reader.Run(lastLine);
}

void PolygonReader::DefineCommands(CDecodeTxLine& d, const char* format)
{
    PolygonHeaderValues& v = d.headerValues_;
    v.Clear();
    PolygonItem& h = v.header;
    d.AddCommand(".fmt", kCommandFormat);
    d.AddCommand(".np", kCommandNewPolygon);
    d.AddParam(kValueFlag8, 1, &h.ns, nullptr, "NS=");
    d.AddParam(kValueText, 1, &h.ssName, nullptr, "SSName=");
    d.AddParam(kValueText, 1, &h.sstName, nullptr, "SSTName=");
    d.AddParam(kValueText, 1, &h.sName, nullptr, "SName=");
    d.AddParam(kValueText, 1, &h.stName, nullptr, "STName=");
    d.AddParam(kValueText, 1, &h.sTitle, nullptr, "STitle=");
    d.AddParam(kValueNumber, 1, &h.station, &v.stationCount, "St=");
    d.AddParam(kValueNumber, 1, &h.stP, &v.stPCount, "StP=");
    d.AddParam(kValueText, 1, &h.sLayer, nullptr, "SLayer=");
    d.AddParam(kValueFlag8, 1, &h.plClos, nullptr, "PLClos=");
    d.AddCommand(".tn", kCommandText);
    d.AddCommand(".sp", kCommandStation);
    d.AddParam(kValueNumber, 1, &v.spValue, &v.stationCount, nullptr);
    d.AddCommandSharingParams(".pp", kCommandPolygonPoint, kCommandDataLine);
    d.AddCommandSharingParams(".db", kCommandInsertPoint, kCommandDataLine);
    d.SetPointFormat(nullptr, kCommandDataLine, nullptr, format);
}

uint32_t PolygonReader::Run(uint32_t lastLine)
{
    items_.emplace_back();
    current_ = 0;
    bool first = true;
    while (NextLine(lastLine)) {
        if (first) {
            first = false;
            if (TakeTitleLine())
                continue;
        }
        uint32_t result = 0;
        if (!HandleLine(&result))
            return result;
    }
    CloseItem();
    file_.Close();
    return d_.lastError;
}

// The next line that is neither blank nor a comment, with the record
// cleared; false at the end of the file or of the lines asked for.
bool PolygonReader::NextLine(uint32_t lastLine)
{
    d_.record.Clear();
    for (;;) {
        if (lastLine && d_.lineNumber >= lastLine)
            return false;
        if (!file_.ReadLineInPlace(line_, text_))
            return false;
        ++d_.lineNumber;
        if (lastLine && d_.lineNumber > lastLine)
            return false;
        const char* p = SkipBlanks(text_.text, 0);
        if ((*p && !d_.comments_.At(p)) || (file_.LineMayHoldNul() && std::strlen(text_.text) < text_.length))
            return true;
    }
}

// A first line that is a drive path ("C:\...") is the polygon's first text.
bool PolygonReader::TakeTitleLine()
{
    const char* begin = SkipBlanks(text_.text, 0);
    if (!IsAsciiLetter(begin[0]) || begin[1] != ':' || begin[2] != '\\')
        return false;
    pending_.emplace_back(begin, static_cast<int>(TrimmedEnd(begin) - begin));
    return true;
}

// One line decoded and carried out; false when the reading ends here, with
// its result.
bool PolygonReader::HandleLine(uint32_t* result)
{
    uint32_t id = 0, error = 0;
    char* stop = nullptr;
    // DecodeLine only reads the line.
    const char* first = SkipBlanks(text_.text, 0);
    // A NUL would end the line for the decoder and cut it silently: the
    // line is a bad number at the NUL.
    const void* nul = file_.LineMayHoldNul() ? std::memchr(text_.text, 0, text_.length) : nullptr;
    if (nul) {
        d_.lastError = 4;
        *result = Report(4, kTextBadNumber, static_cast<const char*>(nul));
        return false;
    }
    d_.DecodeLine(const_cast<char*>(text_.text), &id, nullptr, &stop, &error);
    d_.lastError = error;
    const bool isCommand = *first == '.';
    // The commands that carry point or header values end the reading on a
    // value error as a data line does; other commands go on.
    const bool carriesValues =
        id == kCommandNewPolygon || id == kCommandPolygonPoint || id == kCommandInsertPoint;
    if (error && (!isCommand || carriesValues)) {
        const DecoderTextId message = error == kErrorSeparator ? kTextSeparatorError : kTextBadNumber;
        *result = Report(static_cast<uint16_t>(error), message, stop ? stop : first);
        return false;
    }
    switch (id) {
    case kCommandFormat:
        return true;
    case kCommandNewPolygon:
        NewPolygon();
        return true;
    case kCommandText:
        AddText();
        return true;
    case kCommandStation: {
        PolygonHeaderValues& v = d_.headerValues_;
        if (v.stationCount == 0)
            v.spValue = 0.0;
        v.stationCount = 1;
        npStationGiven_ = false; // stationing from zero
        return true;
    }
    case kCommandPolygonPoint:
        if (defaultPolygonPoints_ && !Current().points.empty()) {
            *result = Report(kReadStopped, kTextPpFirstPoint, first);
            return false;
        }
        defaultPolygonPoints_ = false;
        return PlacePoint(Placement::kPolygonPoint, result);
    case kCommandInsertPoint:
        if (Current().points.size() < 2) {
            *result = Report(kReadStopped, kTextDbFirstPair, first);
            return false;
        }
        return PlacePoint(Placement::kInserted, result);
    default:
        if (isCommand)
            return UnknownCommand(result);
        return PlacePoint(Placement::kPlain, result);
    }
}

uint32_t PolygonReader::Report(uint16_t code, DecoderTextId message, const char* text)
{
    return ReportInputError(d_, file_, path_, code, DecoderText(message), d_.lineNumber, text);
}
