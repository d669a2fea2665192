// LoadCatalogue on an ini file whose format section holds one entry with a
// format line of 1 MB and of 10 MB beside a few ordinary entries. Items are
// bytes of the file, so the two runs' rates stay close when loading costs
// linear time; their ratio shows any growth beyond that (a reader that
// reads the section again each time it doubles its buffer grows with the
// square of the line).
#include "bench/point_file_gen.h"
#include "formats/catalogue.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace bench {

namespace {

// Writes the ini file with a format line of lineBytes bytes; its size.
int64_t WriteCatalogueFile(const std::string& path, int64_t lineBytes)
{
    std::string text = "[Other]\r\nKey=1\r\n[";
    text += kDefaultFormatSection;
    text += "]\r\nPoly=Y X Z\r\nPoly@inf=polygons\r\nPoly@ext=pol\r\nBig=Y X Z TCode(";
    text.append(static_cast<size_t>(lineBytes), ';');
    text += ")\r\nBig@ext=big\r\n[After]\r\nKey=2\r\n";
    std::ofstream(path, std::ios::binary) << text;
    return static_cast<int64_t>(text.size());
}

void CatalogueLoadBench(benchmark::State& state)
{
    const int64_t lineBytes = state.range(0) * 1000000;
    const std::string path = GeneratedFilePath("catalogue-" + std::to_string(state.range(0)) + ".ini");
    const int64_t fileBytes = WriteCatalogueFile(path, lineBytes);
    CatalogueIndex count = 0;
    for (auto _ : state) {
        FormatCatalogue catalogue(path.c_str());
        count = catalogue.LoadCatalogue(nullptr);
        benchmark::DoNotOptimize(count);
        if (catalogue.FindFormatForSuffix("big") != "Big" || !catalogue.LoadedWhole()) {
            state.SkipWithError("the long entry was not loaded whole");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * fileBytes);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * fileBytes);
}

BENCHMARK(CatalogueLoadBench)->Name("CatalogueLoad")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace bench
