// velortrdcd convert: a point file read into polygons and written through
// GDAL/OGR as a GIS file: a layer of polygons and a layer of points.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/convert_crs.h"
#include "tools/velortrdcd/convert_write.h"
#include "tools/velortrdcd/host.h"
#include "tools/velortrdcd/options.h"
#include "tools/velortrdcd/reading_format.h"
#include "tools/velortrdcd/text_codec.h"

#include <cpl_vsi.h>
#include <ogr_spatialref.h>
#include <gdal_priv.h>

#include <algorithm>
#include <cstring>

namespace {

// Files larger than this get a progress line on a terminal.
const GIntBig kProgressSize = 4 << 20;

struct Request {
    std::string file, out, to;
    bool polygons = true, points = true;
    DriverTraits traits{};
    GDALDriver* driver = nullptr;
};

bool Writable(GDALDriver* driver)
{
    return driver->GetMetadataItem(GDAL_DCAP_VECTOR) && driver->GetMetadataItem(GDAL_DCAP_CREATE);
}

bool HoldsStringLists(GDALDriver* driver)
{
    const char* types = driver->GetMetadataItem(GDAL_DMD_CREATIONFIELDDATATYPES);
    return types && std::strstr(types, "StringList") != nullptr;
}

std::string WritableDrivers()
{
    std::string names;
    GDALDriverManager* manager = GetGDALDriverManager();
    for (int i = 0; i < manager->GetDriverCount(); ++i)
        if (Writable(manager->GetDriver(i)))
            names += (names.empty() ? "" : ", ") + std::string(manager->GetDriver(i)->GetDescription());
    return names;
}

// The driver by --driver or by OUT's suffix; a usage error (empty: none).
std::string ChooseDriver(const ParsedOptions& o, Request* r)
{
    const std::string unknown = "; the drivers this GDAL can write: " + WritableDrivers();
    if (o.Has("driver")) {
        const std::string name = o.Get("driver", "");
        r->driver = GetGDALDriverManager()->GetDriverByName(name.c_str());
        if (!r->driver || !Writable(r->driver))
            return "--driver " + name + ": not a driver that writes vector files" + unknown;
        const DriverTraits* known = KnownDriver(r->driver->GetDescription());
        const bool layers = r->driver->GetMetadataItem(GDAL_DCAP_MULTIPLE_VECTOR_LAYERS) != nullptr;
        r->traits = known ? *known
                          : DriverTraits{"", r->driver->GetDescription(),
                                         layers ? LayerLayout::kLayersInOneFile : LayerLayout::kFilePerLayer, false,
                                         false, nullptr, HoldsStringLists(r->driver), nullptr, nullptr};
        return std::string();
    }
    const DriverTraits* known = DriverForSuffix(SuffixOf(r->out));
    if (!known)
        return "OUT " + r->out + ": no driver for its suffix; give OUT one of " +
               KnownSuffixes() + ", or name the driver with --driver" + unknown;
    r->traits = *known;
    r->driver = GetGDALDriverManager()->GetDriverByName(known->name);
    if (!r->driver || !Writable(r->driver))
        return std::string("this GDAL cannot write ") + known->name + unknown;
    return std::string();
}

std::string LayersError(const std::string& list, Request* r)
{
    r->polygons = r->points = false;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        if (name == "polygons")
            r->polygons = true;
        else if (name == "points")
            r->points = true;
        else
            return "--layers is a list of polygons and points, for example --layers points";
        start = comma + 1;
    }
    return std::string();
}

// The command line's usage errors that need no reading; empty when none.
std::string RequestError(const ParsedOptions& o, Request* r)
{
    if (!o.error.empty())
        return o.error;
    if (!CatalogueOptionError(o).empty())
        return CatalogueOptionError(o);
    if (o.positional.size() != 2)
        return "convert takes FILE and OUT";
    // The module reads ANSI paths, GDAL UTF-8 ones.
    r->file = o.positional[0];
    r->out = AnsiToUtf8(o.positional[1].c_str());
    r->to = AnsiToUtf8(o.Get("to", "").c_str());
    if (o.Has("to") && r->to.empty())
        return "--to names a coordinate system, for example --to EPSG:4326";
    if (!r->to.empty()) {
        OGRSpatialReference check;
        CPLPushErrorHandler(CPLQuietErrorHandler);
        const OGRErr known = check.SetFromUserInput(r->to.c_str());
        CPLPopErrorHandler();
        if (known != OGRERR_NONE)
            return "--to " + r->to + ": not a coordinate system GDAL knows; give it as EPSG:4326, as WKT or a "
                   "PROJ string, or as a file that holds one";
    }
    const std::string layers = o.Has("layers") ? LayersError(o.Get("layers", ""), r) : std::string();
    return layers.empty() ? ChooseDriver(o, r) : layers;
}

// The systems: a usage error (empty: none) when the format names none but
// one is asked for, by --to or by a driver that holds WGS 84 only.
std::string SystemError(const FormatFacts& facts, const Request& r)
{
    const bool named = facts.coordSystem >= 0 && facts.coordSystem <= 7;
    if (!named && !r.to.empty())
        return "--to " + r.to + ": the format names no coordinate system, so there is none to turn from; " +
               SystemAdvice();
    if (!named && r.traits.wgs84Only)
        return std::string(r.traits.name) + " holds WGS 84 longitude and latitude only, and the format names no "
               "coordinate system, so the file's values would be written as degrees; " + SystemAdvice();
    if (r.traits.wgs84Only && !r.to.empty())
        return std::string(r.traits.name) + " holds WGS 84 longitude and latitude only (EPSG:4326); leave --to out";
    return std::string();
}

// The files of OUT that are there already, as "a, b".
std::string ExistingFiles(const Request& r)
{
    std::string names;
    VSIStatBufL stat;
    for (const std::string& path : PossibleFiles(r.out, r.traits.layout))
        if (VSIStatL(path.c_str(), &stat) == 0)
            names += (names.empty() ? "" : ", ") + path;
    return names;
}

// Removes the files that are there, by the driver (a Shapefile's files with
// it) or as files.
bool RemoveFiles(GDALDriver* driver, const std::vector<std::string>& paths, std::string* error)
{
    VSIStatBufL stat;
    for (const std::string& path : paths) {
        if (VSIStatL(path.c_str(), &stat) != 0)
            continue;
        // A file the driver cannot read as its own is removed as a file.
        CPLPushErrorHandler(CPLQuietErrorHandler);
        const bool deleted = driver->Delete(path.c_str()) == CE_None;
        CPLPopErrorHandler();
        if (!deleted && VSIUnlink(path.c_str()) != 0) {
            *error = "cannot remove " + path;
            return false;
        }
    }
    return true;
}

// Unknown commands are skipped, each said on stderr.
uint16_t SkipUnknown(void*, const char* message, const char*, uint32_t, const char*)
{
    WriteText(stderr, "velortrdcd: skipped: " + AnsiToUtf8(message) + "\n");
    return kAnswerSkipLine;
}

// Reads the file with the format chosen as read chooses it; *code is the
// exit code when it returns false.
bool ReadItems(const ParsedOptions& o, const Request& r, IVelorTrDcd* decoder, const char* usage,
               PolygonItemList* items, FormatFacts* facts, uint32_t* result, int* code)
{
    std::string format;
    GuessedLines lines;
    if (!RouteMessageBoxesToStderr() || !SetUnknownAnswerer(&SkipUnknown, nullptr) ||
        (o.Has("ini") && !SetCatalogueIni(o.Get("ini", ""))) || !ReadingFormat(o, decoder, &format, &lines, code))
        return false;
    *code = 1;
    if (!ReadFormatFacts(decoder, format, facts))
        return false;
    const std::string systemError = SystemError(*facts, r);
    if (!systemError.empty()) {
        *code = UsageError(systemError, usage);
        return false;
    }
    decoder->EnableErrorMessages(o.Has("quiet") ? 0 : 1);
    uint32_t linesRead = 0;
    decoder->ReadPointFile(r.file.c_str(), format.c_str(), items, lines.first, lines.last, 0, 0, &linesRead, result);
    if (*result == 1) {
        WriteText(stderr, "velortrdcd: cannot open " + AnsiToUtf8(r.file.c_str()) + "\n");
        return false;
    }
    return true;
}

// What was written where, and what was not.
void Summarize(const std::vector<Sink>& sinks, const OgrOutput& out, const WriteCounts& counts)
{
    for (size_t i = 0; i < sinks.size(); ++i)
        WriteText(stderr, "velortrdcd: " + sinks[i].path + ", layer " + sinks[i].layer + ": " +
                              std::to_string(out.Written(i)) + " features\n");
    if (counts.emptyPolygons)
        WriteText(stderr, "velortrdcd: " + std::to_string(counts.emptyPolygons) +
                              " polygons without points are not written: they have nothing to draw\n");
    if (counts.zlessPoints)
        WriteText(stderr, "velortrdcd: warning: " + std::to_string(counts.zlessPoints) +
                              " points have no numeric z; they are written with z 0\n");
}

bool ShowsProgress(const Request& r)
{
    VSIStatBufL stat;
    return StderrIsTerminal() && VSIStatL(AnsiToUtf8(r.file.c_str()).c_str(), &stat) == 0 &&
           stat.st_size > kProgressSize;
}

// Writes the items; kExitCannotWrite (and no output left) when that fails.
int WriteOutput(const Request& r, bool overwrite, const PolygonItemList& items, const FormatFacts& facts,
                const ConvertCrs& crs, const GdalMessages& messages)
{
    std::string error;
    if (overwrite && !RemoveFiles(r.driver, PossibleFiles(r.out, r.traits.layout), &error)) {
        WriteText(stderr, "velortrdcd: " + error + "\n");
        return kExitCannotWrite;
    }
    PlanRequest plan;
    plan.out = r.out;
    plan.layout = r.traits.layout;
    plan.polygons = r.polygons;
    plan.points = r.points;
    plan.polygonTypes = PolygonTypes(items);
    const std::vector<Sink> sinks = PlanSinks(plan);
    WriteSettings settings;
    settings.coordSystem = facts.coordSystem;
    settings.hasZ = facts.hasZ;
    settings.dxf = r.traits.dxf;
    settings.progress = ShowsProgress(r);
    settings.crs = &crs;
    WriteCounts counts;
    OgrOutput out(r.driver, r.traits, messages, crs.Target(), facts.hasZ);
    if (WriteItems(items, sinks, out, settings, &counts, &error) &&
        out.Close(&error)) {
        Summarize(sinks, out, counts);
        return 0;
    }
    std::string ignored;
    out.Close(&ignored);
    std::vector<std::string> paths;
    for (const Sink& sink : sinks)
        paths.push_back(sink.path);
    RemoveFiles(r.driver, paths, &ignored);
    WriteText(stderr, "velortrdcd: " + error + "; nothing is written\n");
    return kExitCannotWrite;
}

int Convert(const ParsedOptions& o, const Request& r, IVelorTrDcd* decoder, const char* usage)
{
    const GdalMessages messages;
    const std::string existing = ExistingFiles(r);
    if (!existing.empty() && !o.Has("overwrite"))
        return UsageError(existing + " is there already; give --overwrite to replace it, or another OUT", usage);
    PolygonItemList* items = nullptr;
    decoder->GetEmptyItemList(&items);
    FormatFacts facts;
    uint32_t result = 0;
    int code = 1;
    ConvertCrs crs;
    std::string error;
    if (ReadItems(o, r, decoder, usage, items, &facts, &result, &code)) {
        const bool system = facts.coordSystem >= 0 && facts.coordSystem <= 7;
        if (system && !crs.Set(r.traits.wgs84Only ? std::string("EPSG:4326") : r.to, &error)) {
            WriteText(stderr, "velortrdcd: " + error + "\n");
            code = kExitUsage;
        } else {
            code = WriteOutput(r, o.Has("overwrite"), *items, facts, crs, messages);
            if (code == 0 && result != 0) {
                WriteText(stderr, "velortrdcd: the reading stopped at an error; what was read before it is written\n");
                code = static_cast<int>(result > 255 ? 255 : result);
            }
        }
    }
    decoder->FreeItemList(items);
    return code;
}

} // namespace

int RunConvert(const Args& args, const char* usage)
{
    const ParsedOptions o = ParseOptions(args, {{"format", true}, {"name", true}, {"by-suffix", false},
                                                {"section", true}, {"ini", true}, {"to", true}, {"driver", true},
                                                {"layers", true}, {"overwrite", false}, {"quiet", false}});
    GDALAllRegister();
    Request r;
    const std::string error = RequestError(o, &r);
    if (!error.empty())
        return UsageError(error, usage);
    auto* decoder = static_cast<IVelorTrDcd*>(CreateComponent(CLSID_CDecodeTxLine, IID_IVelorTrDcd));
    const int code = decoder ? Convert(o, r, decoder, usage) : 1;
    SetUnknownAnswerer(nullptr, nullptr);
    ReleaseComponent(decoder);
    return code;
}
