#include "tests/support/child_process.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kParameterVariable[] = "VELOR_CHILD_PARAMETER";

std::string FilterArgument(const char* testName)
{
    return std::string("--gtest_filter=") + testName;
}

const char kAlsoRunDisabled[] = "--gtest_also_run_disabled_tests";

} // namespace

const char* ChildTestParameter()
{
    return std::getenv(kParameterVariable);
}

#if defined(_WIN32)

#include <windows.h>

int RunChildTest(const char* testName, const char* parameter)
{
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return -1;
    std::string command = std::string("\"") + program + "\" " + FilterArgument(testName) + " " + kAlsoRunDisabled;
    std::vector<char> commandLine(command.begin(), command.end());
    commandLine.push_back('\0');

    SetEnvironmentVariableA(kParameterVariable, parameter);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                        &startup, &process);
    SetEnvironmentVariableA(kParameterVariable, nullptr);
    if (!started)
        return -1;
    int result = -1;
    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0 && GetExitCodeProcess(process.hProcess, &code))
        result = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

RunningChild StartChildTest(const char* testName, const char* parameter)
{
    RunningChild child;
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return child;
    std::string command = std::string("\"") + program + "\" " + FilterArgument(testName) + " " + kAlsoRunDisabled;
    std::vector<char> commandLine(command.begin(), command.end());
    commandLine.push_back('\0');
    SetEnvironmentVariableA(kParameterVariable, parameter);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                        &startup, &process);
    SetEnvironmentVariableA(kParameterVariable, nullptr);
    if (started) {
        CloseHandle(process.hThread);
        child.id = reinterpret_cast<intptr_t>(process.hProcess);
    }
    return child;
}

bool KillChildTest(RunningChild& child)
{
    if (!child.Started())
        return false;
    const HANDLE process = reinterpret_cast<HANDLE>(static_cast<intptr_t>(child.id));
    const bool ended = TerminateProcess(process, 9) != FALSE && WaitForSingleObject(process, 60000) == WAIT_OBJECT_0;
    CloseHandle(process);
    child.id = -1;
    return ended;
}

#else

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

int RunChildTest(const char* testName, const char* parameter)
{
    const std::string program = "/proc/self/exe";
    const std::string filter = FilterArgument(testName);
    std::vector<char*> arguments = {const_cast<char*>(program.c_str()), const_cast<char*>(filter.c_str()),
                                    const_cast<char*>(kAlsoRunDisabled), nullptr};
    const std::string setting = std::string(kParameterVariable) + "=" + parameter;
    std::vector<char*> environment;
    const std::string prefix = std::string(kParameterVariable) + "=";
    for (char** variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, prefix.c_str(), prefix.size()) != 0)
            environment.push_back(*variable);
    }
    environment.push_back(const_cast<char*>(setting.c_str()));
    environment.push_back(nullptr);

    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environment.data()) != 0)
        return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

RunningChild StartChildTest(const char* testName, const char* parameter)
{
    RunningChild running;
    const std::string program = "/proc/self/exe";
    const std::string filter = FilterArgument(testName);
    std::vector<char*> arguments = {const_cast<char*>(program.c_str()), const_cast<char*>(filter.c_str()),
                                    const_cast<char*>(kAlsoRunDisabled), nullptr};
    const std::string prefix = std::string(kParameterVariable) + "=";
    const std::string setting = prefix + parameter;
    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, prefix.c_str(), prefix.size()) != 0)
            environment.push_back(*variable);
    }
    environment.push_back(const_cast<char*>(setting.c_str()));
    environment.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environment.data()) == 0)
        running.id = child;
    return running;
}

bool KillChildTest(RunningChild& child)
{
    if (!child.Started())
        return false;
    const pid_t pid = static_cast<pid_t>(child.id);
    child.id = -1;
    int status = 0;
    return kill(pid, SIGKILL) == 0 && waitpid(pid, &status, 0) == pid;
}

#endif
