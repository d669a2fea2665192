// Path joining and splitting, and the product's directories with their
// fallbacks.
#include "common/config.h"
#include "tests/common/settings_fixture.h"

namespace {

TEST(Paths, JoinKeepsAbsoluteNamesAndAddsOneBackslash)
{
    EXPECT_STREQ(JoinPath("E:\\a.txt", "D:\\dir"), "E:\\a.txt");
    EXPECT_STREQ(JoinPath("\\\\server\\share\\a.txt", "D:\\dir"), "\\\\server\\share\\a.txt");
    EXPECT_STREQ(JoinPath("a.txt", "D:\\dir\\"), "D:\\dir\\a.txt");
    EXPECT_STREQ(JoinPath("sub\\a.txt", "\\\\server\\share"), "\\\\server\\share\\sub\\a.txt");
    EXPECT_STREQ(JoinPath("", "D:\\dir"), "D:\\dir");
    EXPECT_STREQ(JoinPath(nullptr, "D:\\dir"), "D:\\dir");
#if defined(_WIN32)
    EXPECT_STREQ(JoinPath("\\a.txt", "D:\\dir"), "D:\\dir\\\\a.txt");
    EXPECT_STREQ(JoinPath("a.txt", "D:\\dir"), "D:\\dir\\a.txt");
    EXPECT_STREQ(JoinPath("a.txt", ""), "\\a.txt");
    EXPECT_STREQ(JoinPath("/abs/a.txt", "D:\\dir"), "D:\\dir\\/abs/a.txt");
#else
    // Natively '/' separates and begins an absolute path; a backslash still
    // ends a directory.
    EXPECT_STREQ(JoinPath("\\a.txt", "/dir"), "/dir/\\a.txt");
    EXPECT_STREQ(JoinPath("a.txt", "/home/u/data"), "/home/u/data/a.txt");
    EXPECT_STREQ(JoinPath("a.txt", "/home/u/data/"), "/home/u/data/a.txt");
    EXPECT_STREQ(JoinPath("/abs/a.txt", "/dir"), "/abs/a.txt");
    EXPECT_STREQ(JoinPath("a.txt", ""), "/a.txt");
#endif
}

TEST(Paths, DirectoryAndFileNameSplitAtTheLastSeparator)
{
    EXPECT_STREQ(DirectoryOf("D:\\dir\\sub\\a.txt"), "D:\\dir\\sub");
    EXPECT_STREQ(DirectoryOf("\\\\server\\share\\a.txt"), "\\\\server\\share");
    EXPECT_STREQ(DirectoryOf("a.txt"), "");
    EXPECT_STREQ(DirectoryOf("D:a.txt"), "");
    EXPECT_STREQ(FileNameOf("D:\\dir\\a.txt"), "a.txt");
    EXPECT_STREQ(FileNameOf("D:a.txt"), "a.txt");
    EXPECT_STREQ(FileNameOf("rel\\a.b.txt"), "a.b.txt");
    EXPECT_STREQ(FileNameOf("a.txt"), "a.txt");
    EXPECT_STREQ(FileNameOf("D:\\dir\\"), "");
#if defined(_WIN32)
    EXPECT_STREQ(DirectoryOf("C:/x/a.txt"), "");
    EXPECT_STREQ(FileNameOf("C:/x/a.txt"), "/x/a.txt");
#else
    EXPECT_STREQ(DirectoryOf("/home/u/a.txt"), "/home/u");
    EXPECT_STREQ(FileNameOf("/home/u/a.txt"), "a.txt");
    EXPECT_STREQ(FileNameOf("rel/dir\\a.txt"), "a.txt");
#endif
}

using Directories = ProductSettings;

TEST_F(Directories, LocalAndHelpFallBackToSharedAndHelpToTheProgram)
{
    EXPECT_STREQ(GetSharedPath(), "");
    EXPECT_STREQ(GetSharedPath("x.txt"), "") << "an empty directory is not joined";
    Install("Terx", "SharedPath", "C:\\shared");
    EXPECT_STREQ(GetSharedPath("x.txt"), "C:\\shared\\x.txt");
    EXPECT_STREQ(GetLocalPath(), "C:\\shared");
    EXPECT_STREQ(GetHelpPath("h.chm"), "C:\\shared\\h.chm");
    EXPECT_STREQ(GetGlobalIniPath(), "C:\\shared\\terx.ini");

    Install("Terx", "LocalPath", "C:\\local\\");
    Install("Terx", "HelpPath", "C:\\help");
    EXPECT_STREQ(GetGlobalIniPath(), "C:\\local\\terx.ini");
    EXPECT_STREQ(GetHelpPath("h.chm"), "C:\\help\\h.chm");
    EXPECT_STREQ(GetLocalPath("E:\\abs.ini"), "E:\\abs.ini");

    Install("Terx", "SharedPath", "");
    Install("Terx", "HelpPath", "");
    char program[600] = {};
    GetModuleFileNameA(nullptr, program, sizeof program);
    EXPECT_STREQ(GetHelpPath(), DirectoryOf(program));
    EXPECT_FALSE(CString(GetHelpPath()).IsEmpty());
}

} // namespace
