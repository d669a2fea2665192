// ReadPointFile: a whole point file read into a list of polygons.
#include "decoder/CDecodeTxLine.h"

#include "decoder/polygon_reader.h"

uint32_t CDecodeTxLine::ReadPointFile(const char* path, const char* format, PolygonItemList* items,
                                      int32_t firstLine, uint32_t lastLine, uint8_t, int32_t, uint32_t* linesRead,
                                      uint32_t* result)
{
    PolygonItemList unused; // a host that wants no items still gets the reading's result
    const uint32_t code = PolygonReader::ReadFile(*this, path, format, items ? *items : unused, firstLine, lastLine);
    if (linesRead)
        *linesRead = lineNumber;
    if (result)
        *result = code;
    return code ? 1 : 0;
}

void CopyPolygonHeader(const PolygonItem& from, PolygonItem& to)
{
    to.station = from.station;
    to.hasStation = from.hasStation;
    to.stP = from.stP;
    to.hasStP = from.hasStP;
    to.ns = from.ns;
    to.ssName = from.ssName;
    to.sstName = from.sstName;
    to.extraText = from.extraText;
    to.sName = from.sName;
    to.stName = from.stName;
    to.sTitle = from.sTitle;
    to.plClos = from.plClos;
    to.extraFlag = from.extraFlag;
    to.extraValue = from.extraValue;
    to.sLayer = from.sLayer;
}
