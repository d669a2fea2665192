// CFile and its exception record, directory searches and module file names,
// on files in a folder of the test's own.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

namespace {

class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("velor-classlib-" + std::string(test->name()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string PathOf(const char* name) const { return (folder_ / name).string(); }

    std::string Write(const char* name, const std::string& bytes) const
    {
        std::ofstream out(folder_ / name, std::ios::binary);
        out << bytes;
        return PathOf(name);
    }

    std::filesystem::path folder_;
};

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

std::string FileNameOf(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '/' || *p == '\\')
            name = p + 1;
    }
    return name;
}

const UINT kReadShared = CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary;

} // namespace

TEST_F(FileTest, MissingFileFillsTheExceptionRecord)
{
    const std::string path = PathOf("missing.txt");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path.c_str(), kReadShared, &error));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_STREQ(error.m_strFileName, path.c_str());

    char message[256];
    ASSERT_TRUE(error.GetErrorMessage(message, sizeof message));
    const size_t length = std::strlen(message);
    ASSERT_GT(length, 0u);
    EXPECT_NE(message[length - 1], '\n');

    char cut[8];
    ASSERT_TRUE(error.GetErrorMessage(cut, sizeof cut));
    EXPECT_LT(std::strlen(cut), sizeof cut);
    EXPECT_EQ(std::string(message).compare(0, std::strlen(cut), cut), 0);
}

TEST_F(FileTest, MissingFolderIsABadPath)
{
    const std::string path = (folder_ / "no-such-folder" / "file.txt").string();
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path.c_str(), kReadShared, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_EQ(error.m_lOsError, ERROR_PATH_NOT_FOUND);

    EXPECT_FALSE(file.Open(path.c_str(), kReadShared)); // no record asked for
}

TEST_F(FileTest, RecordWithoutFailureHasNoMessage)
{
    CFileException error;
    char message[32] = "untouched";
    EXPECT_FALSE(error.GetErrorMessage(message, sizeof message));
    EXPECT_STREQ(message, "");
    EXPECT_FALSE(error.GetErrorMessage(nullptr, 10));
}

TEST_F(FileTest, ReadsAFileInChunks)
{
    const std::string bytes = Pattern(10000);
    const std::string path = Write("data.bin", bytes);
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kReadShared));
    EXPECT_EQ(file.GetLength(), 10000u);

    std::string read;
    char chunk[4096];
    UINT counts[4];
    for (UINT& count : counts) {
        count = file.Read(chunk, sizeof chunk);
        read.append(chunk, count);
    }
    EXPECT_EQ(counts[0], 4096u);
    EXPECT_EQ(counts[1], 4096u);
    EXPECT_EQ(counts[2], 10000u - 8192u);
    EXPECT_EQ(counts[3], 0u);
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(file.Read(chunk, 0), 0u);

    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_EQ(file.Read(chunk, sizeof chunk), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FileTest, EmptyFileReadsNothing)
{
    const std::string path = Write("empty.txt", "");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
    EXPECT_EQ(file.GetLength(), 0u);
    char chunk[16];
    EXPECT_EQ(file.Read(chunk, sizeof chunk), 0u);
}

TEST_F(FileTest, FolderDoesNotOpenAsAFile)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(folder_.string().c_str(), kReadShared, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_EQ(error.m_lOsError, ERROR_ACCESS_DENIED);
}

TEST_F(FileTest, OnlyReadingIsOffered)
{
    const std::string path = Write("data.txt", "x");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeWrite | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::genericException);
    EXPECT_EQ(error.m_lOsError, ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeRead | CFile::modeCreate, &error));
    EXPECT_FALSE(file.Open(nullptr, CFile::modeRead, &error));
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileTest, SharingModesRefuseEachOther)
{
    const std::string path = Write("shared.txt", "shared");
    {
        CFile exclusive;
        ASSERT_TRUE(exclusive.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
        CFile second;
        CFileException error;
        EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
        EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
        EXPECT_EQ(error.m_lOsError, ERROR_SHARING_VIOLATION);
    } // the destructor closes the exclusive open

    CFile first;
    CFile second;
    EXPECT_TRUE(first.Open(path.c_str(), kReadShared));
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
    CFile third;
    EXPECT_FALSE(third.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));

    // Opening again closes the file held before.
    const std::string other = Write("other.txt", "other");
    EXPECT_TRUE(first.Open(other.c_str(), kReadShared));
    EXPECT_TRUE(second.Open(other.c_str(), kReadShared));
    EXPECT_TRUE(third.Open(path.c_str(), CFile::modeRead | CFile::shareExclusive));
}

TEST_F(FileTest, FindFirstFileSeesFilesAndFolders)
{
    const std::string path = Write("present.txt", Pattern(1234));
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path.c_str(), &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "present.txt");
    EXPECT_EQ(data.nFileSizeLow, 1234u);
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_EQ(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_FALSE(FindNextFileA(search, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(search));

    std::filesystem::create_directory(folder_ / "sub");
    search = FindFirstFileA(PathOf("sub").c_str(), &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "sub");
    EXPECT_NE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_TRUE(FindClose(search));
}

TEST_F(FileTest, FindFirstFileTellsMissingFileFromMissingFolder)
{
    WIN32_FIND_DATAA data;
    EXPECT_EQ(FindFirstFileA(PathOf("absent.txt").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    const std::string deeper = (folder_ / "absent" / "file.txt").string();
    EXPECT_EQ(FindFirstFileA(deeper.c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    const std::string wild = (folder_ / "absent" / "*.txt").string();
    EXPECT_EQ(FindFirstFileA(wild.c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(FindFirstFileA(PathOf("*.none").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    // A file in the folder part, and a folder named with a separator after it.
    const std::string file = Write("file.txt", "f");
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    EXPECT_EQ(FindFirstFileA((file + separator + "x").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
    std::filesystem::create_directory(folder_ / "sub");
    EXPECT_EQ(FindFirstFileA((PathOf("sub") + separator).c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindFirstFileA("", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(FileTest, FindWithWildcardsListsTheMatches)
{
    Write("a.txt", "a");
    Write("bb.txt", "bb");
    Write("c.dat", "c");
    Write("noext", "n");
    std::set<std::string> found;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(PathOf("*.TXT").c_str(), &data); // letters in any case
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do
        found.insert(data.cFileName);
    while (FindNextFileA(search, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(search));
    EXPECT_EQ(found, (std::set<std::string>{"a.txt", "bb.txt"}));

    found.clear();
    search = FindFirstFileA(PathOf("?.*").c_str(), &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do
        found.insert(data.cFileName);
    while (FindNextFileA(search, &data));
    FindClose(search);
    EXPECT_EQ(found, (std::set<std::string>{".", "..", "a.txt", "c.dat"}));

    found.clear();
    search = FindFirstFileA(PathOf("*.*").c_str(), &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do
        found.insert(data.cFileName);
    while (FindNextFileA(search, &data));
    FindClose(search);
    EXPECT_EQ(found, (std::set<std::string>{".", "..", "a.txt", "bb.txt", "c.dat", "noext"}));
}

TEST_F(FileTest, ModuleFileNameNamesTheTestProgram)
{
    char path[1024];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(length, std::strlen(path));
    const std::string name = FileNameOf(path);
    EXPECT_TRUE(name == "platform_tests" || name == "platform_tests.exe") << path;

    char cut[5];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(nullptr, cut, sizeof cut), sizeof cut);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    // The cut name may end with a NUL or not (Windows did not write one
    // before Vista); its characters are the name's first ones.
    EXPECT_EQ(std::string(cut, sizeof cut - 1), std::string(path, sizeof cut - 1));

    EXPECT_EQ(GetModuleFileNameA(reinterpret_cast<HMODULE>(static_cast<intptr_t>(0x1230)), path,
                                 sizeof path),
              0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}
