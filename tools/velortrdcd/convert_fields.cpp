// The fields of convert's layers.
#include "tools/velortrdcd/convert_fields.h"

#include "tools/velortrdcd/text_codec.h"

#include <cmath>
#include <iterator>

namespace {

struct FieldDef {
    const char* name; // ten characters at most: a Shapefile's limit
    OGRFieldType type;
};

// In this order FillPolygon and FillPoint set them; the texts and codes
// become string lists where the driver holds them.
const FieldDef kPolygonFields[] = {
    {"polygon", OFTInteger}, {"station", OFTReal}, {"stP", OFTReal},     {"ns", OFTInteger},
    {"closed", OFTInteger},  {"ssName", OFTString}, {"sstName", OFTString}, {"sName", OFTString},
    {"stName", OFTString},   {"sTitle", OFTString}, {"sLayer", OFTString}, {"texts", OFTString},
    {"points", OFTInteger},
};
const size_t kPolygonTexts = 11;

const FieldDef kPointFields[] = {
    {"polygon", OFTInteger}, {"name", OFTString},      {"codes", OFTString},    {"nc", OFTInteger},
    {"z", OFTReal},          {"station", OFTReal},     {"radius", OFTReal},     {"noBreak", OFTInteger},
    {"lineFlags", OFTInteger}, {"tp", OFTInteger},     {"triType", OFTInteger}, {"edgeType", OFTInteger},
    {"recFlags", OFTInteger},
};
const size_t kPointCodes = 2;

// Creates the field unless the layer has it (a mixed layer shares "polygon"
// and "station"); its index in *index.
bool Field(OGRLayer* layer, const FieldDef& field, bool list, int* index, std::string* error)
{
    *index = layer->GetLayerDefn()->GetFieldIndex(field.name);
    if (*index >= 0)
        return true;
    OGRFieldDefn defn(field.name, list ? OFTStringList : field.type);
    if (layer->CreateField(&defn) != OGRERR_NONE) {
        *error = std::string("cannot make the field ") + field.name + " of layer " + layer->GetName() + ": " +
                 CPLGetLastErrorMsg();
        return false;
    }
    *index = layer->GetLayerDefn()->GetFieldIndex(field.name);
    if (*index < 0) {
        *error = std::string("the driver renamed the field ") + field.name + " of layer " + layer->GetName();
        return false;
    }
    return true;
}

// A yes or no word's value as 1 or 0; values no field can hold left unset.
void SetNumber(OGRFeature& feature, int index, double value)
{
    if (value == YES_VALUE)
        feature.SetField(index, 1.0);
    else if (value == NO_VALUE)
        feature.SetField(index, 0.0);
    else if (std::isfinite(value))
        feature.SetField(index, value);
}

void SetText(OGRFeature& feature, int index, const char* ansi)
{
    feature.SetField(index, AnsiToUtf8(ansi).c_str());
}

// The pieces of text, as a list or joined by separator.
void SetPieces(OGRFeature& feature, int index, const std::vector<std::string>& pieces, bool list, char separator)
{
    if (list) {
        CPLStringList strings;
        for (const std::string& piece : pieces)
            strings.AddString(piece.c_str());
        feature.SetField(index, strings.List());
        return;
    }
    std::string joined;
    for (size_t i = 0; i < pieces.size(); ++i)
        joined += (i ? std::string(1, separator) : std::string()) + pieces[i];
    feature.SetField(index, joined.c_str());
}

// Text codes joined by the character 0x01, one piece each.
std::vector<std::string> SplitCodes(const char* codes)
{
    std::vector<std::string> pieces;
    if (!*codes)
        return pieces;
    const std::string text = AnsiToUtf8(codes);
    size_t start = 0;
    for (size_t at = text.find('\x01'); at != std::string::npos; at = text.find('\x01', start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

} // namespace

bool LayerFields::Create(OGRLayer* layer, bool polygons, bool points, bool lists, std::string* error)
{
    mixed_ = polygons && points;
    lists_ = lists;
    if (mixed_ && !Field(layer, {"layer", OFTString}, false, &layerField_, error))
        return false;
    polygonFields_.assign(polygons ? std::size(kPolygonFields) : 0, -1);
    for (size_t i = 0; i < polygonFields_.size(); ++i)
        if (!Field(layer, kPolygonFields[i], lists && i == kPolygonTexts, &polygonFields_[i], error))
            return false;
    pointFields_.assign(points ? std::size(kPointFields) : 0, -1);
    for (size_t i = 0; i < pointFields_.size(); ++i)
        if (!Field(layer, kPointFields[i], lists && i == kPointCodes, &pointFields_[i], error))
            return false;
    return true;
}

void LayerFields::FillPolygon(OGRFeature& f, size_t index, const PolygonItem& item) const
{
    const std::vector<int>& at = polygonFields_;
    if (mixed_)
        f.SetField(layerField_, "polygons");
    f.SetField(at[0], static_cast<GIntBig>(index));
    if (item.hasStation)
        SetNumber(f, at[1], item.station);
    if (item.hasStP)
        SetNumber(f, at[2], item.stP);
    f.SetField(at[3], item.ns);
    f.SetField(at[4], item.plClos ? 1 : 0);
    const CString* texts[] = {&item.ssName, &item.sstName, &item.sName, &item.stName, &item.sTitle, &item.sLayer};
    for (size_t i = 0; i < std::size(texts); ++i)
        SetText(f, at[5 + i], *texts[i]);
    std::vector<std::string> lines;
    for (const CString& text : item.texts)
        lines.push_back(AnsiToUtf8(text));
    SetPieces(f, at[kPolygonTexts], lines, lists_, '\n');
    f.SetField(at[12], static_cast<GIntBig>(item.points.size()));
}

void LayerFields::FillPoint(OGRFeature& f, size_t index, const PointRecord& p) const
{
    const std::vector<int>& at = pointFields_;
    if (mixed_)
        f.SetField(layerField_, "points");
    f.SetField(at[0], static_cast<GIntBig>(index));
    SetText(f, at[1], p.na);
    SetPieces(f, at[kPointCodes], SplitCodes(p.tc), lists_, '|');
    f.SetField(at[3], p.nc);
    SetNumber(f, at[4], p.z);
    SetNumber(f, at[5], p.st);
    SetNumber(f, at[6], p.r);
    const int flags[] = {p.noBreak, p.lineFlags, p.tp, p.triangleType, p.edgeType, p.recordFlags};
    for (size_t i = 0; i < std::size(flags); ++i)
        f.SetField(at[7 + i], flags[i]);
}
