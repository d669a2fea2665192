#include "bench/memory_probe.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace bench {

#ifdef _WIN32

MemoryUse CurrentMemoryUse()
{
    PROCESS_MEMORY_COUNTERS counters{};
    MemoryUse use;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        use.residentBytes = static_cast<int64_t>(counters.WorkingSetSize);
        use.peakBytes = static_cast<int64_t>(counters.PeakWorkingSetSize);
    }
    return use;
}

bool ResetPeakMemory()
{
    return false;
}

namespace {

std::string SelfPath()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

// cmd.exe /c takes the first and the last quote of the line away when the
// line holds more than two; a pair around the whole keeps the inner ones.
std::string CommandLine(const std::string& program, const std::string& arguments)
{
    return "\"\"" + program + "\" " + arguments + "\"";
}

FILE* OpenPipe(const std::string& command)
{
    return _popen(command.c_str(), "rb");
}

int ClosePipe(FILE* pipe)
{
    return _pclose(pipe);
}

} // namespace

#else

namespace {

// A "VmHWM:" or "VmRSS:" line of /proc/self/status, in bytes.
int64_t StatusValue(const std::string& line, const char* key)
{
    if (line.compare(0, std::char_traits<char>::length(key), key) != 0)
        return -1;
    return std::strtoll(line.c_str() + std::char_traits<char>::length(key), nullptr, 10) * 1024;
}

std::string SelfPath()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

std::string CommandLine(const std::string& program, const std::string& arguments)
{
    return "\"" + program + "\" " + arguments;
}

FILE* OpenPipe(const std::string& command)
{
    return popen(command.c_str(), "r");
}

int ClosePipe(FILE* pipe)
{
    const int status = pclose(pipe);
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

MemoryUse CurrentMemoryUse()
{
    MemoryUse use;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            use.residentBytes = StatusValue(line, "VmRSS:");
        else if (line.rfind("VmHWM:", 0) == 0)
            use.peakBytes = StatusValue(line, "VmHWM:");
    }
    return use;
}

bool ResetPeakMemory()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

#endif

bool RunSelf(const std::string& arguments, std::string* output)
{
    const std::string program = SelfPath();
    if (program.empty())
        return false;
    FILE* pipe = OpenPipe(CommandLine(program, arguments));
    if (!pipe)
        return false;
    output->clear();
    char chunk[512];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        output->append(chunk, n);
    return ClosePipe(pipe) == 0;
}

} // namespace bench
