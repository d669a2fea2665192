// What the native ini-file functions promise beyond the Windows results:
// untouched lines stay byte for byte, cut lists end with two NULs, names
// without a directory are in the current directory, and a write replaces
// the file whole.
#include "tests/platform/profile_fixture.h"

#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::string_literals;

namespace {

using PosixProfile = ProfileFiles;

TEST_F(PosixProfile, UntouchedLinesStayByteForByte)
{
    Put("k.ini", "; head\n\n[a]\n  k1 = v1  \n\n[b]\nx=1");
    EXPECT_TRUE(Write("k.ini", "a", "k2", "v2"));
    EXPECT_EQ(Get("k.ini"), "; head\n\n[a]\n  k1 = v1  \nk2=v2\n\n[b]\nx=1");
    EXPECT_TRUE(Write("k.ini", "b", "y", "2"));
    EXPECT_TRUE(Write("k.ini", "a", "k1", "new"));
    EXPECT_TRUE(Write("k.ini", "n", "z", "3"));
    EXPECT_EQ(Get("k.ini"), "; head\n\n[a]\nk1=new\nk2=v2\n\n[b]\nx=1\ny=2\n[n]\nz=3\n");
    EXPECT_TRUE(Write("k.ini", "a", nullptr, nullptr));
    EXPECT_EQ(Get("k.ini"), "; head\n\n[b]\nx=1\ny=2\n[n]\nz=3\n");

    Put("bom.ini", "\xEF\xBB\xBFx=1\r\n[a]\r\n");
    EXPECT_EQ(Value("bom.ini", "", "x"), "1");
    EXPECT_TRUE(Write("bom.ini", "", "y", "2"));
    EXPECT_TRUE(Write("bom.ini", "a", "k", "v"));
    EXPECT_EQ(Get("bom.ini"), "\xEF\xBB\xBFx=1\r\ny=2\r\n[a]\r\nk=v\r\n");
}

TEST_F(PosixProfile, CutListsEndWithTwoNuls)
{
    Put("l.ini", "[ab]\r\nk1=1\r\nk22=2\r\n[cd]\r\n[efg]\r\n");
    std::string bytes;
    EXPECT_EQ(Read("l.ini", "ab", nullptr, "D", 6, bytes), 4u);
    EXPECT_EQ(last_, "k1\0k\0\0"s);
    EXPECT_EQ(Read("l.ini", nullptr, nullptr, "D", 8, bytes), 6u);
    EXPECT_EQ(last_, "ab\0cd\0\0\0"s);
}

TEST_F(PosixProfile, NameWithoutDirectoryIsInTheCurrentDirectory)
{
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir_.c_str()), 0);
    BOOL written = WritePrivateProfileStringA("s", "k", "v", "relative.ini");
    char value[16] = {};
    DWORD length = GetPrivateProfileStringA("s", "k", "", value, sizeof value, "relative.ini");
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_TRUE(written);
    EXPECT_EQ(length, 1u);
    EXPECT_EQ(Get("relative.ini"), "[s]\r\nk=v\r\n");
}

TEST_F(PosixProfile, WriteReplacesTheFileKeepingModeAndLink)
{
    Put("real.ini", "[s]\r\nk=v\r\n");
    ASSERT_EQ(chmod(Path("real.ini").c_str(), 0640), 0);
    ASSERT_EQ(symlink("real.ini", Path("link.ini").c_str()), 0);
    struct stat before, after, link;
    ASSERT_EQ(stat(Path("real.ini").c_str(), &before), 0);

    EXPECT_TRUE(Write("link.ini", "s", "k", "w"));
    ASSERT_EQ(stat(Path("real.ini").c_str(), &after), 0);
    ASSERT_EQ(lstat(Path("link.ini").c_str(), &link), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(Get("real.ini"), "[s]\r\nk=w\r\n");
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2u);  // no temporary file is left behind

    // Nothing to change: the file is not replaced.
    EXPECT_TRUE(Write("real.ini", "s", "k", "w"));
    ASSERT_EQ(stat(Path("real.ini").c_str(), &before), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(PosixProfile, FailedWriteReportsTheCause)
{
    Put("plain", "not a directory");
    SetLastError(0);
    EXPECT_FALSE(Write("plain/f.ini", "a", "k", "v"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    SetLastError(0);
    EXPECT_FALSE(Write("nodir/f.ini", "a", "k", "v"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(WritePrivateProfileStringA("a", "k", "v", ""));
    EXPECT_EQ(Get("plain"), "not a directory");
}

TEST_F(PosixProfile, OnlyWritableRegularFilesAreReplaced)
{
    // A file without its owner's write bit is read-only, for a privileged
    // process as well.
    Put("ro.ini", "[s]\r\nk=v\r\n");
    ASSERT_EQ(chmod(Path("ro.ini").c_str(), 0444), 0);
    SetLastError(0);
    EXPECT_FALSE(Write("ro.ini", "s", "k", "w"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    struct stat info;
    ASSERT_EQ(stat(Path("ro.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_EQ(Value("ro.ini", "s", "k"), "v");

    // A FIFO is neither read (which would wait for a writer) nor replaced.
    ASSERT_EQ(mkfifo(Path("fifo.ini").c_str(), 0644), 0);
    EXPECT_EQ(Value("fifo.ini", "s", "k"), "D");
    SetLastError(0);
    EXPECT_FALSE(Write("fifo.ini", "s", "k", "w"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(WritePrivateProfileSectionA("s", "k=w\0", Path("fifo.ini").c_str()));
    ASSERT_EQ(lstat(Path("fifo.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    std::filesystem::create_directory(dir_ / "dir.ini");
    EXPECT_FALSE(Write("dir.ini", "s", "k", "w"));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dir.ini"));
}

} // namespace
