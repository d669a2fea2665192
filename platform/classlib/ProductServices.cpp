// The replaceable routines of the product's services.
#include "platform/platform.h"

#include <atomic>

namespace {
std::atomic<HelpFileNumberRoutine> helpFileNumber{nullptr};
std::atomic<EditFileRoutine> editFile{nullptr};
std::atomic<HelpDisplayRoutine> displayHelp{nullptr};
} // namespace

int PlatformHelpFileNumber(int contextNumber)
{
    const HelpFileNumberRoutine routine = helpFileNumber.load(std::memory_order_acquire);
    return routine ? routine(contextNumber) : DefaultHelpFileNumber(contextNumber);
}

short PlatformEditFile(const char* iniPath, const char* file, short flag)
{
    const EditFileRoutine routine = editFile.load(std::memory_order_acquire);
    return routine ? routine(iniPath, file, flag) : DefaultEditFile(iniPath, file, flag);
}

void PlatformDisplayHelp(const char* helpFile, int contextNumber)
{
    const HelpDisplayRoutine routine = displayHelp.load(std::memory_order_acquire);
    if (routine)
        routine(helpFile, contextNumber);
    else
        DefaultDisplayHelp(helpFile, contextNumber);
}

void SetHelpFileNumberRoutine(HelpFileNumberRoutine routine)
{
    helpFileNumber.store(routine, std::memory_order_release);
}

void SetEditFileRoutine(EditFileRoutine routine)
{
    editFile.store(routine, std::memory_order_release);
}

void SetHelpDisplayRoutine(HelpDisplayRoutine routine)
{
    displayHelp.store(routine, std::memory_order_release);
}
