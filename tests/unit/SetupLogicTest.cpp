#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "setup/SetupPaths.h"
#include "setup/ShellFolders.h"

namespace {

// "ソ": its trail byte is a backslash.
const std::string So = "\x83\x5C";

} // namespace

TEST(SetupPaths, TrailBytesThatLookLikeBackslashesAreNoSeparators)
{
    std::string cut = "ab" + So + "\x83";
    DropDanglingLeadByte(&cut[0]);
    EXPECT_STREQ(cut.c_str(), ("ab" + So).c_str());
    std::string whole = "\xB1" + So;  // half-width katakana is one byte
    DropDanglingLeadByte(&whole[0]);
    EXPECT_EQ(whole, "\xB1" + So);

    EXPECT_TRUE(EndsWithBackslash(("C:\\" + So + "\\").c_str()));
    EXPECT_FALSE(EndsWithBackslash(("C:\\" + So).c_str()));
    EXPECT_FALSE(EndsWithBackslash(""));

    char out[PathBufferSize];
    EXPECT_TRUE(FolderOf(("C:\\" + So + "\\" + So + ".exe").c_str(), out, sizeof out));
    EXPECT_EQ(out, "C:\\" + So + "\\");
    EXPECT_TRUE(ShortcutPathFor(("C:\\" + So).c_str(), "ZORIX", out, sizeof out));
    EXPECT_EQ(out, "C:\\" + So + "\\ZORIX.lnk");
    EXPECT_TRUE(ShortcutPathFor("C:\\Desktop\\", "ZORIX", out, sizeof out));
    EXPECT_STREQ(out, "C:\\Desktop\\ZORIX.lnk");
}

TEST(SetupPaths, ShortcutNamesAreFileNamesNotPaths)
{
    // 表 and ソ end in 0x5C, ポ in 0x7C ("|"): whole characters, all valid.
    for (const char* name : {"ZORIX", "ZORIX で開く", "表", "ソフト", "ポ", "...", ".hidden"})
        EXPECT_TRUE(IsValidShortcutName(name)) << name;
    for (const char* name : {"", ".", "..", "..\\..\\Desk", "a/b", "c:d", "a*", "a?", "a\"b", "a<b", "a>b", "a|b",
                             "tab\there", "\x1F"})
        EXPECT_FALSE(IsValidShortcutName(name)) << name;
}

TEST(SetupPaths, PathsThatWouldNotFitAreRefusedNotCut)
{
    char small[9];
    EXPECT_TRUE(SettingsPathFor("C:\\a.exe", small, sizeof small));  // 8 bytes and the terminator
    EXPECT_STREQ(small, "C:\\a.INI");
    EXPECT_FALSE(SettingsPathFor("C:\\ab.exe", small, sizeof small));
    EXPECT_STREQ(small, "");
    EXPECT_FALSE(FolderOf("C:\\folder\\a.exe", small, sizeof small));
    EXPECT_STREQ(small, "");
    EXPECT_FALSE(FolderOf("setup.exe", small, sizeof small));

    char out[PathBufferSize];
    const std::string folder = "C:\\" + std::string(250, 'f');
    EXPECT_TRUE(ShortcutPathFor(folder.c_str(), "a", out, sizeof out));  // 259 bytes
    EXPECT_EQ(std::string(out), folder + "\\a.lnk");
    EXPECT_FALSE(ShortcutPathFor(folder.c_str(), "ab", out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_TRUE(TargetPathFor("C:\\app\\", std::string(252, 'x').c_str(), out, sizeof out));
    EXPECT_FALSE(TargetPathFor("C:\\app\\", std::string(253, 'x').c_str(), out, sizeof out));
    EXPECT_STREQ(out, "");
}

// HKEY_CURRENT_USER is redirected, for this process only, to a scratch key.
class SetupShellFolders : public testing::Test {
protected:
    void SetUp() override
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, scratchName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &scratch, nullptr);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratch), ERROR_SUCCESS);
        RegCreateKeyExA(HKEY_CURRENT_USER, foldersName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &folders, nullptr);
    }

    void TearDown() override
    {
        RegCloseKey(folders);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(scratch);
        // Deepest first: a key with subkeys cannot be deleted.
        std::string path = std::string(scratchName) + "\\" + foldersName;
        for (size_t end = path.size(); end > std::strlen(scratchName); end = path.rfind('\\', end - 1))
            RegDeleteKeyA(HKEY_CURRENT_USER, path.substr(0, end).c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, scratchName);
    }

    void Store(const char* name, DWORD type, const std::string& bytes)
    {
        RegSetValueExA(folders, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    }

    const char* const scratchName = "Software\\ZorixSetupUnitTest";
    const char* const foldersName = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    HKEY scratch = nullptr;
    HKEY folders = nullptr;
};

TEST_F(SetupShellFolders, OnlyAPlainStringThatFitsNamesAFolder)
{
    Store("Desktop", REG_SZ, std::string("C:\\Desk\0", 8));
    Store("SendTo", REG_SZ, "C:\\Send");  // stored without its terminator
    Store("Startup", REG_EXPAND_SZ, std::string("%USERPROFILE%\\Start\0", 21));
    Store("Templates", REG_SZ, std::string(PathBufferSize, 'x'));
    Store("Recent", REG_SZ, std::string("\0", 1));

    char out[PathBufferSize] = "stale";
    EXPECT_TRUE(ReadShellFolder("Desktop", out, sizeof out));
    EXPECT_STREQ(out, "C:\\Desk");
    EXPECT_TRUE(ReadShellFolder("SendTo", out, sizeof out));
    EXPECT_STREQ(out, "C:\\Send");
    for (const char* unusable : {"Startup", "Templates", "Recent", "Favorites"}) {
        std::strcpy(out, "stale");
        EXPECT_FALSE(ReadShellFolder(unusable, out, sizeof out)) << unusable;
        EXPECT_STREQ(out, "") << unusable;
    }

    EXPECT_TRUE(ShortcutFilePath("Desktop", "ZORIX", out, sizeof out));
    EXPECT_STREQ(out, "C:\\Desk\\ZORIX.lnk");
    EXPECT_FALSE(ShortcutFilePath("Favorites", "ZORIX", out, sizeof out));
    EXPECT_STREQ(out, "");
}
