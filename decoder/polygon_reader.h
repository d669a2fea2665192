// The reading of a whole point file into polygons: the commands of a point
// file, the bookkeeping carried from line to line, and the result codes.
#pragma once

#include "common/text_file.h"
#include "decoder/CDecodeTxLine.h"
#include "common/decoder_texts.h"

#include <cstdint>
#include <vector>

// The ids of the point-file commands.
enum PointFileCommand : uint32_t {
    kCommandDataLine = 1,
    kCommandNewPolygon = 2, // ".np"
    kCommandText = 3,       // ".tn"
    kCommandStation = 4,    // ".sp"
    kCommandPolygonPoint = 5, // ".pp"
    kCommandInsertPoint = 6,  // ".db"
    kCommandFormat = 7,       // ".fmt"
};

// Result codes of reading a point file besides the decoding errors.
enum PointFileResult : uint32_t {
    kReadDone = 0,
    kReadCannotOpen = 1,
    kReadStopped = 2,      // cancelled by the user, or a ".pp" / ".db" error
    kReadNotPolygonPoint = 5,
    kReadBadFormat = 6,
};

// The end of text with the decoder's blanks (bytes 1 to 32) cut off.
const char* TrimmedEnd(const char* begin);

class PolygonReader {
public:
    // Reads the file at path in the format into items; the result code.
    static uint32_t ReadFile(CDecodeTxLine& decoder, const char* path, const char* format, PolygonItemList& items,
                             int32_t firstLine, uint32_t lastLine);

private:
    PolygonReader(CDecodeTxLine& decoder, CMVFile<CFile>& file, const char* path, PolygonItemList& items);

    static void DefineCommands(CDecodeTxLine& decoder, const char* format);
    uint32_t Run(uint32_t lastLine);
    bool NextLine(uint32_t lastLine);
    bool TakeTitleLine();
    bool HandleLine(uint32_t* result);
    void NewPolygon();
    void AddText();
    // How a point line's point joins its polygon.
    enum class Placement {
        kPlain,        // a data line: its flag follows whether ".pp" lines mark the polygon's points
        kPolygonPoint, // ".pp": a marked polygon point
        kInserted,     // ".db": a marked point with the no-break flag, put before the last point
    };
    bool PlacePoint(Placement placement, uint32_t* result);
    bool UnknownCommand(uint32_t* result);
    void CloseItem();
    uint32_t Report(uint16_t code, DecoderTextId message, const char* text);

    PolygonItem& Current() { return items_[current_]; }

    CDecodeTxLine& d_;
    CMVFile<CFile>& file_;
    const char* path_;
    PolygonItemList& items_;
    CString line_;                 // the lines that are not read in place
    LineText text_{"", 0};         // the current line
    size_t current_ = 0;
    uint32_t pointIndex_ = 0;
    bool defaultPolygonPoints_ = true;
    bool npStationGiven_ = false; // "St=" was on the polygon's ".np" line
    std::vector<CString> pending_;
    std::vector<CString> carried_;
    uint16_t answer_ = 1; // the last answer to an unknown command
};
