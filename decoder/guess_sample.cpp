// Reading the sample of a point file: the head is kept as it comes, the tail
// in a ring of reused strings that is put in order at the end.
#include "decoder/guess_sample.h"

#include "common/chars.h"
#include "common/text_file.h"

namespace {

bool IsBlankLine(const CString& line)
{
    for (const char* p = line.GetString(); *p; ++p) {
        if (!IsBlank(*p))
            return false;
    }
    return true;
}

} // namespace

bool ReadFileSample(const char* path, FileSample& sample)
{
    sample = FileSample();
    CMVFile<CFile> file;
    if (!path || !file.Open(path, kOpenForReading, FALSE))
        return false;
    std::vector<SampleLine> ring(kSampleTailLines);
    size_t ringCount = 0; // lines put into the ring so far
    CString line;
    while (file.ReadLine(line)) {
        if (sample.fileLines < UINT32_MAX)
            ++sample.fileLines;
        if (IsBlankLine(line))
            continue;
        if (sample.lines.size() < kSampleHeadLines) {
            sample.lines.push_back({sample.fileLines, std::string(line.GetString(), static_cast<size_t>(line.GetLength()))});
            continue;
        }
        SampleLine& slot = ring[ringCount % kSampleTailLines];
        slot.number = sample.fileLines;
        slot.text.assign(line.GetString(), static_cast<size_t>(line.GetLength()));
        ++ringCount;
    }
    sample.cut = ringCount > kSampleTailLines;
    const size_t kept = ringCount < kSampleTailLines ? ringCount : kSampleTailLines;
    for (size_t i = ringCount - kept; i < ringCount; ++i)
        sample.lines.push_back(std::move(ring[i % kSampleTailLines]));
    return true;
}
