#include "fuzz_support.h"

#include "platform/platform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

uint8_t FuzzInput::Byte()
{
    return pos_ < size_ ? data_[pos_++] : 0;
}

std::string FuzzInput::Line()
{
    const size_t begin = pos_;
    while (pos_ < size_ && data_[pos_] != '\n')
        ++pos_;
    std::string line(reinterpret_cast<const char*>(data_ + begin), pos_ - begin);
    if (pos_ < size_)
        ++pos_;
    return line;
}

std::string FuzzInput::Rest()
{
    const size_t begin = pos_ < size_ ? pos_ : size_;
    pos_ = size_;
    return std::string(reinterpret_cast<const char*>(data_ + begin), size_ - begin);
}

void FuzzRequire(bool ok, const char* what)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

namespace {

int AnswerQuietly(void*, HWND, const char*, const char*, UINT, DWORD)
{
    return IDOK;
}

// The folder, removed with everything in it when the process ends.
class Folder {
public:
    Folder()
    {
        std::random_device device;
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        const std::string name = "velor-fuzz-" + std::to_string(device()) + "-" +
                                 std::to_string(static_cast<unsigned long long>(ticks));
        std::error_code error;
        const std::filesystem::path path = std::filesystem::temp_directory_path(error) / name;
        FuzzRequire(!error, "no temporary folder");
        std::filesystem::create_directories(path, error);
        FuzzRequire(!error, "the fuzz folder could not be made");
        path_ = path.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(path_), ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace

void SilenceMessageBoxes()
{
    SetMessageBoxResponder(&AnswerQuietly, nullptr);
}

const std::string& FuzzFolder()
{
    static const Folder folder;
    return folder.Path();
}

void WriteFuzzFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    FuzzRequire(static_cast<bool>(out), "the input file could not be written");
}
