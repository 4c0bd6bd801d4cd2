#include <gtest/gtest.h>

#include <string>

#include "keys/CommandTable.h"
#include "keys/KeyTable.h"
#include "resources/resource.h"

namespace {

// The program's own menu, linked into the tests together with its resources.
class MenuResource : public ::testing::Test {
protected:
    void SetUp() override { menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU)); }
    void TearDown() override { DestroyMenu(menu); }
    std::string Label(WORD id) const
    {
        char text[128] = {};
        GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }
    HMENU menu = nullptr;
};

} // namespace

TEST_F(MenuResource, EveryCommandOfTheTableHasItsLabelInTheMenu)
{
    ASSERT_NE(menu, nullptr);
    for (const CommandEntry& command : commandTable)
        EXPECT_EQ(Label(command.id), MenuLabel(command)) << command.iniKey;
}

TEST_F(MenuResource, LabelsShowTheShortcutAfterATab)
{
    KeyTable keys;
    keys.ReadAssignments("", false);
    keys.SetAllMenuTexts(menu);
    EXPECT_EQ(Label(ID_EDIT_UNDO), "元に戻す(&U)\tCtrl+Z");
    EXPECT_EQ(Label(ID_EDIT_FINDPREV), "前を検索(&D)\tShift+F3");
    EXPECT_EQ(Label(ID_FILE_SAVEAS), "名前を付けて保存(&A)");
    EXPECT_EQ(Label(ID_HELP_ABOUT), "バージョン情報(&A)");
}

TEST(KeyTableReading, DefaultsApplyOnlyToMissingKeys)
{
    char path[MAX_PATH], folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "zkt", 0, path);
    WritePrivateProfileStringA("Accelerators", "FileNew", "", path);
    WritePrivateProfileStringA("Accelerators", "EditCut", "f7", path);
    WritePrivateProfileStringA("Accelerators", "EditCopy", "F7", path);

    KeyTable keys;
    keys.ReadAssignments(path, true);
    EXPECT_EQ(keys.Find(ID_FILE_NEW), nullptr);
    ASSERT_NE(keys.Find(ID_FILE_OPEN), nullptr);
    EXPECT_EQ(keys.Find(ID_FILE_OPEN)->key, 'O');
    EXPECT_EQ(keys.Find(ID_FILE_OPEN)->fVirt, FVIRTKEY | FNOINVERT | FCONTROL);
    // The same key for two commands is taken as it stands.
    EXPECT_EQ(keys.Find(ID_EDIT_CUT)->key, VK_F7);
    EXPECT_EQ(keys.Find(ID_EDIT_COPY)->key, VK_F7);
    ASSERT_NE(keys.Find(ID_FILE_EXIT), nullptr);
    EXPECT_EQ(keys.Find(ID_FILE_EXIT)->key, VK_ESCAPE);

    keys.WriteAssignments(path);
    char text[64] = {};
    GetPrivateProfileStringA("Accelerators", "FileNew", "?", text, sizeof text, path);
    EXPECT_STREQ(text, "");
    GetPrivateProfileStringA("Accelerators", "EditCut", "?", text, sizeof text, path);
    EXPECT_STREQ(text, "F7");
    GetPrivateProfileStringA("Accelerators", "FileExit", "?", text, sizeof text, path);
    EXPECT_STREQ(text, "Esc");
    DeleteFileA(path);
}

TEST(KeyTableHandle, NoEntriesBuildNoTable)
{
    KeyTable keys;
    EXPECT_EQ(keys.BuildHandle(), nullptr);
    keys.AddEntry(FVIRTKEY | FNOINVERT, VK_F5, ID_EDIT_READONLY);
    EXPECT_NE(keys.BuildHandle(), nullptr);
    keys.DestroyHandle();
    EXPECT_EQ(keys.handle, nullptr);
}
