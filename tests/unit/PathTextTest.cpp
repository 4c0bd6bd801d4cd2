#include <gtest/gtest.h>

#include <string>

#include "document/PathText.h"

namespace {

std::string Backup(const std::string& path)
{
    PathBuffer out = "stale";
    return BackupPathFor(path.c_str(), out) ? out : "<refused:" + std::string(out) + ">";
}

std::string Parsed(const std::string& commandLine)
{
    PathBuffer out = "stale";
    CommandLineStatus status = CommandLinePath(commandLine.c_str(), out, false);
    const char* mark = status == CommandLineStatus::Empty ? "<empty>" : status == CommandLineStatus::TooLong ? "<too long>" : "";
    return mark + std::string(out);
}

std::string Named(size_t length, const std::string& ending)
{
    return std::string(length - ending.size(), 'n') + ending;
}

} // namespace

TEST(PathText, BackupReplacesOnlyTheFileNamesExtension)
{
    EXPECT_EQ(Backup("data.bin"), "data.BAK");
    EXPECT_EQ(Backup("README"), "README.BAK");
    EXPECT_EQ(Backup("C:\\dir.x\\README"), "C:\\dir.x\\README.BAK");
    EXPECT_EQ(Backup("C:\\dir.x\\a.tar.gz"), "C:\\dir.x\\a.tar.BAK");
    // 表 and ソ end in 0x5C, which is no backslash there.
    EXPECT_EQ(Backup("C:\\表.x\\ソ"), "C:\\表.x\\ソ.BAK");
    EXPECT_EQ(Backup("C:\\d\\a.表b"), "C:\\d\\a.BAK");
    // A half-width katakana is one byte: the backslash after it counts.
    EXPECT_EQ(Backup("C:\\x.ｱ\\README"), "C:\\x.ｱ\\README.BAK");
}

TEST(PathText, BackupMustFitAPathBuffer)
{
    EXPECT_EQ(Backup(Named(259, ".bin")), Named(259, ".BAK"));
    EXPECT_EQ(Backup(Named(255, "")), Named(259, ".BAK"));
    EXPECT_EQ(Backup(Named(256, "")), "<refused:>");
}

TEST(PathText, CommandLineDropsTheQuotesAndRefusesOverlongPaths)
{
    EXPECT_EQ(Parsed("\"C:\\My Files\\a b.bin\""), "C:\\My Files\\a b.bin");
    EXPECT_EQ(Parsed("C:\\a.bin"), "C:\\a.bin");
    EXPECT_EQ(Parsed("\"C:\\a.bin"), "C:\\a.bin");
    EXPECT_EQ(Parsed("\"C:\\a.bin\" "), "C:\\a.bin\" ");
    EXPECT_EQ(Parsed("\""), "");
    EXPECT_EQ(Parsed(""), "<empty>");
    std::string longest = Named(259, ".bin");
    EXPECT_EQ(Parsed("\"" + longest + "\""), longest);
    EXPECT_EQ(Parsed("\"" + longest + "n\""), "<too long>");
    EXPECT_EQ(Parsed(longest + "n"), "<too long>");
}

TEST(PathText, SamePathTextFoldsOnlySingleByteLetters)
{
    EXPECT_TRUE(SamePathText("C:\\表\\Data.BIN", "c:\\表\\data.bin"));
    EXPECT_FALSE(SamePathText("C:\\a.bin", "C:\\a.bin2"));
    // ア is 83 41 and ヂ 83 61: folding a trail byte would make them equal.
    EXPECT_FALSE(SamePathText("C:\\ア", "C:\\ヂ"));
    EXPECT_FALSE(SamePathText("Ａ", "ａ"));
    // A lead byte cut off by the terminator is compared alone.
    EXPECT_TRUE(SamePathText("a\x95", "A\x95"));
    EXPECT_FALSE(SamePathText("a\x95\x5C", "a\x95"));
}

TEST(PathText, CompanionPathReplacesTheLastThreeCharacters)
{
    PathBuffer out;
    ASSERT_TRUE(CompanionPathFor("C:\\Tools\\ZORIX.EXE", "INI", out));
    EXPECT_STREQ(out, "C:\\Tools\\ZORIX.INI");
    EXPECT_FALSE(CompanionPathFor("ab", "INI", out));
    EXPECT_STREQ(out, "");
}

TEST(PathText, ExpandLongPathRestoresLongNamesAndCase)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = temp + ("Long Folder " + std::to_string(GetCurrentProcessId()));
    std::string file = folder + "\\data file.binary";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));

    PathBuffer shortPath, expected, out;
    GetShortPathNameA(file.c_str(), shortPath, MAX_PATH);
    GetLongPathNameA(file.c_str(), expected, MAX_PATH);
    EXPECT_TRUE(ExpandLongPath(shortPath, out));
    EXPECT_STREQ(out, expected);
    std::string upper = file;
    CharUpperA(&upper[0]);
    EXPECT_TRUE(ExpandLongPath(upper.c_str(), out));
    EXPECT_STREQ(out, expected);
    EXPECT_FALSE(ExpandLongPath((folder + "\\missing\\data file.binary").c_str(), out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(ExpandLongPath((folder + "\\*.binary").c_str(), out));

    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}
