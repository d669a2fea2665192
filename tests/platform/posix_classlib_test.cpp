// Native build only: the message box without a screen, module file names
// from addresses, and the tick count's clock.
#include "platform/platform.h"

#include <gnu/libc-version.h>
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

TEST(NativeMessageBox, AnswersWithTheDefaultButton)
{
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON3, IDYES}, // no third button: the first answers
        {MB_OK | MB_DEFBUTTON4, IDOK},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {0xF, 0}, // no such kind of box
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(PlatformMessageBox(nullptr, "text", "caption", c.type, 0), c.answer)
            << "type " << c.type;
        testing::internal::GetCapturedStderr();
    }
}

TEST(NativeMessageBox, ShowsCaptionAndTextOnStderr)
{
    testing::internal::CaptureStderr();
    PlatformMessageBox(nullptr, "Line will be ignored.", "Warning", MB_OK, 0);
    PlatformMessageBox(nullptr, nullptr, nullptr, MB_OK, 0);
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_EQ(shown, "[Warning] Line will be ignored.\n[Error] \n");
}

TEST(NativeModuleFileName, AddressesNameTheirSharedObject)
{
    char program[1024];
    char path[1024];
    ASSERT_GT(GetModuleFileNameA(nullptr, program, sizeof program), 0u);

    // An address inside the program names the program.
    const auto here = reinterpret_cast<HMODULE>(reinterpret_cast<intptr_t>(&PlatformMessageBox));
    ASSERT_GT(GetModuleFileNameA(here, path, sizeof path), 0u);
    EXPECT_STREQ(path, program);

    // An address inside the C library names its file, by an absolute path
    // (a function that the sanitizers do not stand in for).
    const auto libc = reinterpret_cast<HMODULE>(reinterpret_cast<intptr_t>(&gnu_get_libc_version));
    const DWORD length = GetModuleFileNameA(libc, path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(path[0], '/');
    EXPECT_NE(std::string(path).find("/libc.so"), std::string::npos) << path;

    EXPECT_EQ(GetModuleFileNameA(nullptr, path, 0), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(NativeTickCount, FollowsTheClockSinceStartInThirtyTwoBits)
{
    timespec now;
    ASSERT_EQ(clock_gettime(CLOCK_BOOTTIME, &now), 0);
    const uint64_t expected = static_cast<uint64_t>(now.tv_sec) * 1000u +
                              static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    const DWORD ticks = GetTickCount();
    EXPECT_LT(static_cast<DWORD>(ticks - static_cast<DWORD>(expected)), 1000u);
}
