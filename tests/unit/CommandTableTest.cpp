#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "keys/CommandTable.h"
#include "keys/KeyNameTable.h"
#include "keys/KeyText.h"
#include "resources/resource.h"

namespace {

const CommandEntry& Command(const char* iniKey)
{
    for (const CommandEntry& entry : commandTable)
        if (std::strcmp(entry.iniKey, iniKey) == 0)
            return entry;
    ADD_FAILURE() << iniKey << " missing";
    return commandTable[0];
}

std::string DefaultText(const char* iniKey)
{
    return FormatKeyText(Command(iniKey).defaultModifiers, Command(iniKey).defaultKey);
}

} // namespace

TEST(CommandTable, MenuCommandsInMenuOrderWithExitAfterSaveAs)
{
    std::set<WORD> ids, expected;
    WORD previous = 0;
    for (const CommandEntry& entry : commandTable) {
        ids.insert(entry.id);
        if (entry.id == ID_FILE_EXIT)
            continue;
        EXPECT_LT(previous, entry.id) << entry.iniKey;
        previous = entry.id;
    }
    for (WORD id = ID_FILE_EXIT; id <= ID_HELP_FINDER; ++id)
        if (id != ID_NEXT_CHARCODE)
            expected.insert(id);
    EXPECT_EQ(ids, expected);
    EXPECT_EQ(commandTable[4].id, ID_FILE_EXIT);
}

TEST(CommandTable, TextsAreUniqueAndFitTheirFields)
{
    std::set<std::string> keys;
    for (const CommandEntry& entry : commandTable) {
        EXPECT_TRUE(keys.insert(entry.iniKey).second) << entry.iniKey;
        EXPECT_LE(std::strlen(entry.iniKey), 14u) << entry.iniKey;
        EXPECT_GT(std::strlen(entry.label), 0u) << entry.iniKey;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(entry.mnemonic))) << entry.iniKey;
    }
    // Shift-JIS bytes, and the longest label uses the whole field.
    EXPECT_STREQ(commandTable[0].label, "\x90\x56\x8B\x4B\x8D\xEC\x90\xAC");
    EXPECT_EQ(std::strlen(Command("SettingLEndian").label), 18u);
}

TEST(CommandTable, DefaultShortcutsAreDistinctAndAssignableInTheDialog)
{
    std::set<std::pair<BYTE, WORD>> shortcuts;
    for (const CommandEntry& entry : commandTable) {
        EXPECT_EQ(entry.defaultKey == 0, entry.defaultModifiers == 0) << entry.iniKey;
        if (entry.defaultKey == 0)
            continue;
        const KeyName* key = FindKeyByVk(entry.defaultKey);
        ASSERT_NE(key, nullptr) << entry.iniKey;
        EXPECT_TRUE(IsKeyListed(*key, entry.defaultModifiers)) << entry.iniKey;
        EXPECT_EQ(entry.defaultModifiers & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT) << entry.iniKey;
        EXPECT_TRUE(shortcuts.insert({entry.defaultModifiers, entry.defaultKey}).second) << entry.iniKey;
    }
    EXPECT_EQ(shortcuts.size(), 17u);
    EXPECT_EQ(DefaultText("FileNew"), "Ctrl+N");
    EXPECT_EQ(DefaultText("FileSaveAs"), "");
    EXPECT_EQ(DefaultText("EditFind"), "Ctrl+F3");
    EXPECT_EQ(DefaultText("EditFindPrev"), "Shift+F3");
    EXPECT_EQ(DefaultText("EditMarkNext"), "F2");
    EXPECT_EQ(DefaultText("EditLast"), "Ctrl+End");
}

TEST(CommandTable, MenuLabelAppendsTheAccessKey)
{
    EXPECT_EQ(MenuLabel(Command("EditUndo")), "元に戻す(&U)");
    EXPECT_EQ(MenuLabel(Command("SettingUtf8")), "Unicode(UTF-8)(&F)");
}
