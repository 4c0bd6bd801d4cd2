#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "settings/RecentFileList.h"

namespace {

using Paths = std::vector<std::string>;

Paths Entries(const RecentFileList& list)
{
    Paths result;
    for (int i = 0; i < list.Count(); ++i)
        result.push_back(list.Entry(i));
    return result;
}

std::string ItemText(HMENU menu, int position)
{
    char text[600] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text + std::string("#") + std::to_string(GetMenuItemID(menu, position));
}

class RecentFileListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        GetTempFileNameA(folder, "rfl", 0, iniPath);
    }
    void TearDown() override { DeleteFileA(iniPath); }

    PathBuffer iniPath = {};
};

} // namespace

TEST_F(RecentFileListTest, AddKeepsFiveDistinctPathsNewestFirst)
{
    RecentFileList list(5, 5, iniPath);
    for (const char* path : {"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5", "C:\\6", "c:\\4", ""})
        list.Add(path);
    list.Add(std::string(MAX_PATH, 'x').c_str());
    EXPECT_EQ(Entries(list), (Paths{"C:\\4", "C:\\6", "C:\\5", "C:\\3", "C:\\2"}));
}

TEST_F(RecentFileListTest, MoveToFrontAndRemoveShiftTheOthers)
{
    RecentFileList list(5, 5, iniPath);
    for (const char* path : {"e", "d", "c", "b", "a"})
        list.Add(path);
    EXPECT_STREQ(list.MoveToFront(2), "c");
    EXPECT_EQ(list.MoveToFront(5), nullptr);
    list.Remove(1);
    list.Remove(-1);
    EXPECT_EQ(Entries(list), (Paths{"c", "b", "d", "e", ""}));
    EXPECT_EQ(list.IndexOfCommand(40199, 40200), -1);
    EXPECT_EQ(list.IndexOfCommand(40204, 40200), 4);
    EXPECT_EQ(list.IndexOfCommand(40205, 40200), -1);
}

TEST_F(RecentFileListTest, WriteListAndReadListRoundTrip)
{
    RecentFileList written(5, 5, iniPath);
    written.Add("C:\\表\\ソフト.bin");
    written.Add("D:\\a b\\c.txt");
    written.WriteList();
    RecentFileList read(5, 5, iniPath);
    read.ReadList();
    EXPECT_EQ(Entries(read), Entries(written));
    char value[8];
    GetPrivateProfileStringA("Recent File List", "File5", "missing", value, sizeof value, iniPath);
    EXPECT_STREQ(value, "");
}

TEST_F(RecentFileListTest, ReadListClosesGapsAndDropsValuesTooLongForAPath)
{
    std::string longest = "C:\\" + std::string(256, 'n');
    std::ofstream(iniPath, std::ios::binary) << "[Recent File List]\r\nFile1=C:\\first\r\nFile2=\r\nFile3="
                                             << std::string(MAX_PATH, 'x') << "\r\nFile4=" << longest
                                             << "\r\nFile5=" << std::string(2000, '\x95') << "\r\n";
    RecentFileList list(5, 5, iniPath);
    list.ReadList();
    EXPECT_EQ(Entries(list), (Paths{"C:\\first", longest, "", "", ""}));
}

TEST_F(RecentFileListTest, BuildMenuNumbersTheEntriesBetweenTheSeparators)
{
    HMENU menu = CreateMenu();
    for (UINT id = 40002; id <= 40005; ++id)
        AppendMenuA(menu, MF_STRING, id, "item");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 40001, "exit");
    RecentFileList list(5, 5, iniPath);
    for (const char* path : {"C:\\old.bin", "C:\\表\\ソ.bin", "C:\\A&B.txt"})
        list.Add(path);
    list.BuildMenu(menu, 40200);
    list.BuildMenu(menu, 40200);
    ASSERT_EQ(GetMenuItemCount(menu), 10);
    EXPECT_EQ(ItemText(menu, 5), "&1 A&&B.txt#40200");
    EXPECT_EQ(ItemText(menu, 6), "&2 ソ.bin#40201");
    EXPECT_EQ(ItemText(menu, 7), "&3 old.bin#40202");
    EXPECT_EQ(ItemText(menu, 9), "exit#40001");

    list.Remove(0);
    list.BuildMenu(menu, 40200);
    EXPECT_EQ(GetMenuItemCount(menu), 9);
    EXPECT_EQ(ItemText(menu, 6), "&2 old.bin#40201");
    list.Clear();
    list.BuildMenu(menu, 40200);
    EXPECT_EQ(GetMenuItemCount(menu), 7);
    DestroyMenu(menu);
}

TEST(RecentMenuLabel, FallsBackToTheNamePartForPathsTheSystemRefuses)
{
    EXPECT_EQ(RecentMenuLabel(1, "C:\\dir\\"), "&1 C:\\dir\\");
    EXPECT_EQ(RecentMenuLabel(2, ("C:\\" + std::string(300, 'n')).c_str()), "&2 " + std::string(255, 'n'));
}
