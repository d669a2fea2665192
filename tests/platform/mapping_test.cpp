// Named shared memory backed by the page file, on both builds: what a second
// process sees, when the memory is freed, and that names keep mappings apart.
// The tests named DISABLED_ run only as child processes of the others.
#include "platform/platform.h"

#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const DWORD kSize = 100000; // more than one view granule, not a whole number of pages
const char kGreeting[] = "greeting from the creator";
const char kAnswer[] = "answer from the child";
const size_t kAnswerOffset = 70000;

std::string UniqueName(const char* what)
{
    return std::string("VelorTest_") + what + "_" + std::to_string(GetCurrentProcessId());
}

// A mapping handle and its view of the whole mapping, both closed at the end.
struct Shared {
    HANDLE handle = nullptr;
    char* view = nullptr;
    DWORD error = 0;

    explicit Shared(const std::string& name)
    {
        handle = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize, name.c_str());
        error = GetLastError();
        if (handle)
            view = static_cast<char*>(MapViewOfFile(handle, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    }
    ~Shared()
    {
        if (view)
            UnmapViewOfFile(view);
        if (handle)
            CloseHandle(handle);
    }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;
};

bool AllZero(const char* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (bytes[i])
            return false;
    }
    return true;
}

} // namespace

TEST(Mapping, SecondProcessSeesTheBytesAndAnswers)
{
    const std::string name = UniqueName("Meet");
    Shared creator(name);
    ASSERT_NE(creator.view, nullptr);
    EXPECT_EQ(creator.error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(AllZero(creator.view, kSize));
    std::memcpy(creator.view, kGreeting, sizeof kGreeting);

    EXPECT_EQ(RunChildTest("Mapping.DISABLED_ChildOpensAndAnswers", name.c_str()), 0);
    EXPECT_STREQ(creator.view + kAnswerOffset, kAnswer);
}

TEST(Mapping, DISABLED_ChildOpensAndAnswers)
{
    const char* name = ChildTestParameter();
    ASSERT_NE(name, nullptr);
    Shared opener(name);
    ASSERT_NE(opener.view, nullptr);
    EXPECT_EQ(opener.error, static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_STREQ(opener.view, kGreeting);
    std::memcpy(opener.view + kAnswerOffset, kAnswer, sizeof kAnswer);
}

TEST(Mapping, ClosingEveryHandleFreesTheMemory)
{
    const std::string name = UniqueName("Fresh");
    {
        Shared first(name);
        ASSERT_NE(first.view, nullptr);
        std::memset(first.view, 0x5A, kSize);
        Shared second(name);
        ASSERT_NE(second.view, nullptr);
        EXPECT_EQ(second.error, static_cast<DWORD>(ERROR_ALREADY_EXISTS));
        EXPECT_EQ(second.view[kSize - 1], 0x5A);
    }
    Shared again(name);
    ASSERT_NE(again.view, nullptr);
    EXPECT_EQ(again.error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(AllZero(again.view, kSize));
}

// A view outlives the last handle. Whether the name lives on with the view
// is not promised (Windows keeps it, Wine sometimes does not): opening the
// name again gives either the same memory or a new, zeroed one, never a mix.
// Once the view is unmapped too, the name is gone on both.
TEST(Mapping, ViewKeepsItsMemoryAfterTheLastHandleCloses)
{
    const std::string name = UniqueName("View");
    HANDLE handle = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize, name.c_str());
    ASSERT_NE(handle, nullptr);
    auto* view = static_cast<char*>(MapViewOfFile(handle, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    ASSERT_NE(view, nullptr);
    std::memcpy(view, kGreeting, sizeof kGreeting);
    EXPECT_TRUE(CloseHandle(handle));
    {
        Shared other(name);
        ASSERT_NE(other.view, nullptr);
        if (other.error == static_cast<DWORD>(ERROR_ALREADY_EXISTS)) {
            EXPECT_STREQ(other.view, kGreeting);
            other.view[kSize - 1] = 7;
            EXPECT_EQ(view[kSize - 1], 7);
            view[kSize - 1] = 0;
        } else {
            EXPECT_EQ(other.error, static_cast<DWORD>(ERROR_SUCCESS));
            EXPECT_TRUE(AllZero(other.view, kSize));
            std::memset(other.view, 0x33, kSize);
        }
    }
    EXPECT_STREQ(view, kGreeting);
    view[kSize - 1] = 1;
    EXPECT_TRUE(UnmapViewOfFile(view));
    EXPECT_FALSE(UnmapViewOfFile(view));

    Shared after(name);
    ASSERT_NE(after.view, nullptr);
    EXPECT_EQ(after.error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(AllZero(after.view, kSize));
}

TEST(Mapping, MemoryOfAProcessThatEndsWithoutClosingIsFreed)
{
    const std::string name = UniqueName("Abandoned");
    EXPECT_EQ(RunChildTest("Mapping.DISABLED_ChildLeavesMappingOpen", name.c_str()), 0);
    Shared after(name);
    ASSERT_NE(after.view, nullptr);
    EXPECT_EQ(after.error, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(AllZero(after.view, kSize));
}

TEST(Mapping, DISABLED_ChildLeavesMappingOpen)
{
    const char* name = ChildTestParameter();
    ASSERT_NE(name, nullptr);
    HANDLE handle = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kSize, name);
    ASSERT_NE(handle, nullptr);
    auto* view = static_cast<char*>(MapViewOfFile(handle, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    ASSERT_NE(view, nullptr);
    std::memset(view, 0x77, kSize);
    std::_Exit(0); // neither the view nor the handle is closed
}

TEST(Mapping, TwoNamesDoNotMeet)
{
    Shared first(UniqueName("First"));
    Shared second(UniqueName("Second"));
    ASSERT_NE(first.view, nullptr);
    ASSERT_NE(second.view, nullptr);
    EXPECT_EQ(second.error, static_cast<DWORD>(ERROR_SUCCESS));
    std::memset(first.view, 0x11, kSize);
    EXPECT_TRUE(AllZero(second.view, kSize));
}

TEST(Mapping, OpenFindsOnlyExistingMappings)
{
    const std::string name = UniqueName("Open");
    SetLastError(0);
    EXPECT_EQ(OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    Shared creator(name);
    ASSERT_NE(creator.view, nullptr);
    std::memcpy(creator.view, kGreeting, sizeof kGreeting);
    HANDLE reader = OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str());
    ASSERT_NE(reader, nullptr);
    auto* view = static_cast<const char*>(MapViewOfFile(reader, FILE_MAP_READ, 0, 0, 0));
    ASSERT_NE(view, nullptr);
    EXPECT_STREQ(view, kGreeting);
    EXPECT_TRUE(UnmapViewOfFile(view));
    EXPECT_TRUE(CloseHandle(reader));
}

TEST(Mapping, BadArgumentsAreRefused)
{
    const std::string name = UniqueName("Bad");
    SetLastError(0);
    EXPECT_EQ(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 0, name.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    Shared mapping(name);
    ASSERT_NE(mapping.view, nullptr);
    SetLastError(0);
    EXPECT_EQ(MapViewOfFile(mapping.handle, FILE_MAP_READ, 0, 4096, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MAPPED_ALIGNMENT));
    SetLastError(0);
    EXPECT_EQ(MapViewOfFile(mapping.handle, FILE_MAP_READ, 0, 0, 2 * kSize), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    SetLastError(0);
    EXPECT_FALSE(UnmapViewOfFile(&name));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_ADDRESS));
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x7FF0))));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
