// The part of a point file that a format is guessed from: its first non-blank
// lines and its last ones, with their line numbers, read through the text
// reader (so in every encoding it knows, as narrow text in the ANSI code
// page), and the number of lines of the whole file. The lines between are
// counted, never kept, so the sample's size does not grow with the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SampleLine {
    uint32_t number; // 1-based line number in the file
    std::string text;
};

struct FileSample {
    std::vector<SampleLine> lines; // the head, then the tail, in file order, none twice
    uint32_t fileLines = 0;        // lines in the file, blank ones included
    bool cut = false;              // lines between the head and the tail were left out
};

const size_t kSampleHeadLines = 2000;
const size_t kSampleTailLines = 200;

// Reads the sample of the file at path; false when it cannot be opened.
bool ReadFileSample(const char* path, FileSample& sample);
