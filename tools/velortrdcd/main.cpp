// velortrdcd: the system's components from a shell. The command table, the
// general options and the helpers every command shares.
#include "tools/velortrdcd/commands.h"
#include "tools/velortrdcd/text_codec.h"

#include <cstdio>
#include <cstring>

namespace {

struct Command {
    const char* name;
    int (*run)(const Args& args, const char* usage);
    const char* usage;
};

const Command kCommands[] = {
    {"read", RunRead,
     "velortrdcd read FILE [--format TEXT | --name NAME | --by-suffix] [--section NAME] [--ini PATH]\n"
     "                     [--first N] [--last N] [--output text|json|csv|geojson [--points] [--crs 5514|none]]\n"
     "                     [--unknown ask|skip|stop|quiet|dialog] [--quiet]\n"
     "  Reads a point file into polygons. --quiet turns the decoder's error messages off.\n"
     "  The format: TEXT, the catalogue's format NAME, or the one whose suffixes hold the\n"
     "  file's suffix (else NAME, else \"Standard\"); the catalogue is --section of --ini.\n"
     "  Without these, the file's own \".fmt\" line, else the format guessed from the file\n"
     "  (see guess; announced on stderr, its first and last line unless --first or --last\n"
     "  are given); --format default is the built-in format \"Y X cmt(; $ ! *)\".\n"
     "  geojson: a FeatureCollection, each polygon a feature (--points: each point too). When\n"
     "  the format names its coordinate system (\"sys=0\" to \"sys=7\"), the coordinates are\n"
     "  turned into S-JTSK / Krovak East North (EPSG:5514) and the collection says so; --crs\n"
     "  none keeps the file's values. Without \"sys=\" the file's values are written as they\n"
     "  stand with no \"crs\" (a warning says so), and --crs 5514 is a usage error.\n"
     "  Unknown commands: ask on the terminal, skip them, stop reading, or skip them silently.\n"
     "  Exit code: the reading's result (0 done, 1 cannot open, 2 cancelled, 3-9 bad line,\n"
     "  6 also for a format that does not read), 64 a usage error.\n"},
    {"convert", RunConvert,
     "velortrdcd convert FILE OUT [--format TEXT | --name NAME | --by-suffix] [--section NAME] [--ini PATH]\n"
     "                     [--to CRS] [--driver NAME] [--layers polygons,points] [--overwrite] [--quiet]\n"
     "  Reads a point file as read does (the same choice of format) and writes it through\n"
     "  GDAL: a layer \"polygons\" (a LineString each, a Polygon when closed with three points\n"
     "  or more, a Point for one point; the header's values as fields) and a layer \"points\"\n"
     "  (a Point each with its name, codes, numbers and flags, and its polygon). The driver\n"
     "  by OUT's suffix: .gpkg .shp .dxf .kml .fgb .csv .geojson .gml, or --driver NAME.\n"
     "  GeoPackage, KML and GML hold both layers; GeoJSON, CSV and DXF one layer of both\n"
     "  (field \"layer\"); FlatGeobuf a file per layer (OUT_polygons.fgb, OUT_points.fgb);\n"
     "  Shapefile a file per layer and geometry type (OUT_polygons_linestring.shp, ...).\n"
     "  With \"sys=\" in the format the points are in EPSG:5514, or in --to CRS (anything GDAL\n"
     "  takes: EPSG:4326, WKT, PROJ); KML is always WGS 84. Without \"sys=\" the file's values\n"
     "  are written with no system; --to and KML are then usage errors. An existing OUT\n"
     "  is kept unless --overwrite. Exit code: 0 done, 1 cannot open, 3-9 the reading stopped\n"
     "  (what was read is written), 6 a format that does not read, 64 a usage error,\n"
     "  69 a build without GDAL, 73 the output cannot be written (none is left).\n"},
    {"guess", RunGuess,
     "velortrdcd guess FILE [--output text|json]\n"
     "  Finds the format of a point file from the file itself: the fields in line order with\n"
     "  the reason for each, the separator, decimal comma and comment words, \"sys=\" for\n"
     "  S-JTSK coordinates, the first and last data line behind a header or before a footer,\n"
     "  the next best choice, and how the proposal decodes the file's sample. Exit code:\n"
     "  0 recognised, 3 not recognised (the proposal is a fallback), 1 cannot open, 64 usage.\n"},
    {"decode", RunDecode,
     "velortrdcd decode --format TEXT\n"
     "  Decodes each line of stdin as a point line of the format; one JSON object a line.\n"},
    {"format", RunFormat,
     "velortrdcd format [--output text|json] TEXT...\n"
     "  Reads each format string and prints its normal form, or where reading it stopped.\n"},
    {"eval", RunEval,
     "velortrdcd eval [--wide] [--one] EXPR...\n"
     "  Evaluates the expressions in turn on one evaluator (variables carry over);\n"
     "  one JSON object each. --one: a ',' after an assignment ends the expression.\n"},
    {"axes", RunAxes,
     "velortrdcd axes SYSTEM X Y\n"
     "  Turns (X, Y) of the internal orientation into coordinate system SYSTEM (0-7).\n"},
    {"paths", RunPaths,
     "velortrdcd paths [--output text|json]\n"
     "  The product's shared, local and help directories, its global ini file and the\n"
     "  language index, as the module finds them.\n"},
    {"language", RunLanguage,
     "velortrdcd language [--output text|json]\n"
     "  The product's language setting and the index it selects (0 Czech, 1 English,\n"
     "  2 German, 3 French, 4 Slovak).\n"},
    {"catalogue", RunCatalogue,
     "velortrdcd catalogue list | show NAME | suffix SUFFIX | remove NAME | detect FILE\n"
     "                     | put NAME FORMAT [--info TEXT] [--ext \"SUFFIXES\"]\n"
     "                     [--section NAME] [--ini PATH] [--output text|json]\n"
     "  The named point-file formats of a section (default SectFmtPoi) of the product's\n"
     "  ini file, or of the ini file PATH: listed (name, format, description, suffixes),\n"
     "  looked up by name or suffix, added or replaced, removed; detect: a data file's\n"
     "  own \".fmt\" line. put keeps the entry's description and suffixes unless given.\n"},
    {"format-dialog", RunFormatDialog,
     "velortrdcd format-dialog [FILE] [--section S] [--name N] [--format TEXT] [--given]\n"
     "                     [--limit TEXT] [--variant] [--ini PATH] [--output text|json]\n"
     "  Opens the format dialog on the data FILE (its lines in the preview) with the format\n"
     "  chosen for it: the catalogue's by the file's suffix, else N, else \"Standard\"; the\n"
     "  file's own \".fmt\" line overrides it; with --given, TEXT itself. --limit offers only\n"
     "  the fields of TEXT. --variant is the dialog's variant mode. The catalogue is --section\n"
     "  (default SectFmtPoi) of --ini. Prints the chosen name and format. Exit code:\n"
     "  0 confirmed, 1 cancelled. Without a window system the dialog confirms what it opens with.\n"},
};

std::string GeneralUsage()
{
    std::string text = "usage: velortrdcd COMMAND [ARGS...]   (velortrdcd COMMAND --help)\n"
                       "       velortrdcd --help | --version\ncommands:\n";
    for (const Command& c : kCommands)
        text += c.usage;
    return text;
}

} // namespace

int UsageError(const std::string& message, const char* usage)
{
    WriteText(stderr, "velortrdcd: " + message + "\nusage: " + usage);
    return kExitUsage;
}

void Out(const std::string& utf8)
{
    WriteText(stdout, utf8);
}

bool WantsHelp(const Args& args)
{
    for (const std::string& a : args)
        if (a == "--help")
            return true;
    return false;
}

int main(int argc, char** argv)
{
    PrepareStreams();
    if (argc < 2) {
        WriteText(stderr, GeneralUsage());
        return kExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        Out(GeneralUsage());
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        Out("velortrdcd " VELOR_VERSION "\n");
        return 0;
    }
    Args args;
    for (int i = 2; i < argc; ++i)
        args.push_back(ArgumentToAnsi(argv[i]));
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name) != 0)
            continue;
        if (WantsHelp(args)) {
            Out(std::string("usage: ") + c.usage);
            return 0;
        }
        const int code = c.run(args, c.usage);
        std::fflush(stdout);
        return code;
    }
    WriteText(stderr, std::string("velortrdcd: unknown command ") + argv[1] + "\n" + GeneralUsage());
    return kExitUsage;
}
