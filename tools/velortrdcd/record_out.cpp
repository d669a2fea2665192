// Point records and polygons in the tool's output forms. The strings of the
// shared structures are read through their text pointers only: their other
// members belong to the module's class library.
#include "tools/velortrdcd/record_out.h"

#include "tools/velortrdcd/text_codec.h"

namespace {

// The text codes with their 0x01 separators shown as '|', for CSV and text.
std::string ShownCodes(const CString& codes)
{
    std::string text = AnsiToUtf8(codes);
    for (char& c : text)
        if (c == '\x01')
            c = '|';
    return text;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace

void WriteRecordJson(JsonWriter& json, const PointRecord& r)
{
    json.BeginObject();
    json.Key("x").Number(r.x).Key("y").Number(r.y).Key("z").Number(r.z);
    json.Key("noBreak").Integer(r.noBreak).Key("lineFlags").Integer(r.lineFlags).Key("nc").Integer(r.nc);
    json.Key("tc").Text(r.tc).Key("na").Text(r.na).Key("st").Number(r.st).Key("r").Number(r.r);
    json.Key("tp").Integer(r.tp).Key("triangleType").Integer(r.triangleType);
    json.Key("edgeType").Integer(r.edgeType).Key("recordFlags").Integer(r.recordFlags);
    json.EndObject();
}

void WriteItemJson(JsonWriter& json, const PolygonItem& item)
{
    json.BeginObject().Key("header").BeginObject();
    json.Key("station").Number(item.station).Key("hasStation").Integer(item.hasStation);
    json.Key("stP").Number(item.stP).Key("hasStP").Integer(item.hasStP).Key("ns").Integer(item.ns);
    json.Key("ssName").Text(item.ssName).Key("sstName").Text(item.sstName).Key("sName").Text(item.sName);
    json.Key("stName").Text(item.stName).Key("sTitle").Text(item.sTitle).Key("plClos").Integer(item.plClos);
    json.Key("sLayer").Text(item.sLayer).EndObject();
    json.Key("texts").BeginArray();
    for (const CString& text : item.texts)
        json.Text(text);
    json.EndArray().Key("points").BeginArray();
    for (const PointRecord& point : item.points)
        WriteRecordJson(json, point);
    json.EndArray().EndObject();
}

std::string CsvHeader()
{
    return "item,x,y,z,noBreak,lineFlags,nc,tc,na,st,r,tp,triangleType,edgeType,recordFlags\n";
}

std::string CsvRows(size_t itemIndex, const PolygonItem& item)
{
    std::string out;
    for (const PointRecord& p : item.points) {
        out += std::to_string(itemIndex) + ',' + ShortestNumber(p.x) + ',' + ShortestNumber(p.y) + ',' +
               ShortestNumber(p.z) + ',' + std::to_string(p.noBreak) + ',' + std::to_string(p.lineFlags) + ',' +
               std::to_string(p.nc) + ',' + CsvField(ShownCodes(p.tc)) + ',' + CsvField(AnsiToUtf8(p.na)) + ',' +
               ShortestNumber(p.st) + ',' + ShortestNumber(p.r) + ',' + std::to_string(p.tp) + ',' +
               std::to_string(p.triangleType) + ',' + std::to_string(p.edgeType) + ',' +
               std::to_string(p.recordFlags) + '\n';
    }
    return out;
}

std::string TextBlock(size_t itemIndex, const PolygonItem& item)
{
    std::string out = "polygon " + std::to_string(itemIndex) + ": " + std::to_string(item.points.size()) + " points";
    if (*item.sName)
        out += ", name " + AnsiToUtf8(item.sName);
    if (*item.sLayer)
        out += ", layer " + AnsiToUtf8(item.sLayer);
    if (item.plClos)
        out += ", closed";
    if (item.hasStation)
        out += ", station " + ShortestNumber(item.station);
    out += '\n';
    for (const CString& text : item.texts)
        out += "  text: " + AnsiToUtf8(text) + '\n';
    for (const PointRecord& p : item.points) {
        out += "  " + ShortestNumber(p.y) + ' ' + ShortestNumber(p.x) + ' ' + ShortestNumber(p.z);
        if (*p.na)
            out += "  name " + AnsiToUtf8(p.na);
        if (*p.tc)
            out += "  codes " + ShownCodes(p.tc);
        out += '\n';
    }
    return out;
}
