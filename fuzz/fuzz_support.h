// What the fuzz targets share: reading choices and texts off the input, the
// check whose failure ends the run, silenced message boxes, and a folder of
// the process's own for the files a target writes.
//
// Each target is one LLVMFuzzerTestOneInput in a file of its own. libFuzzer
// links it in the fuzz preset; the ordinary test builds link the same file
// into a test that replays the saved inputs (tests/fuzz).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The input read from the front: single bytes for choices, then texts.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // The next byte, or 0 when none is left.
    uint8_t Byte();
    // The bytes up to the next '\n' (which is passed over), or to the end.
    std::string Line();
    // Every byte not yet read.
    std::string Rest();
    bool Empty() const { return pos_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Ends the process with the message when ok is false: a fault that a crash
// would not show by itself (a wrong result) still stops the fuzzer.
void FuzzRequire(bool ok, const char* what);

// Message boxes are answered with their default button, without output.
void SilenceMessageBoxes();

// A folder of this process's own in the temporary folder, made on first use
// and removed when the process ends normally. Ends with a separator.
const std::string& FuzzFolder();

// Writes bytes to the file at path (created or replaced).
void WriteFuzzFile(const std::string& path, const std::string& bytes);
