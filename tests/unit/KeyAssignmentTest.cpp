#include <gtest/gtest.h>

#include <string>

#include "keys/KeyAssignment.h"
#include "keys/KeyTable.h"
#include "resources/resource.h"

namespace {

const BYTE none = FVIRTKEY | FNOINVERT;
const BYTE ctrl = none | FCONTROL;

std::string Names(const std::vector<const KeyName*>& keys)
{
    std::string names;
    for (const KeyName* key : keys)
        names += std::string(key->name) + " ";
    return names;
}

int RowOf(WORD cmd)
{
    for (int i = 0; i < commandCount; ++i)
        if (commandTable[i].id == cmd)
            return i;
    return -1;
}

} // namespace

TEST(KeyAssignmentRules, LettersAreListedOnlyWithCtrlOrAlt)
{
    const std::string functionKeys = "F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 Esc Home End ";
    const std::string letters = "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z ";
    EXPECT_EQ(Names(ListedKeys(ModifierMask(false, false, false))), functionKeys);
    EXPECT_EQ(Names(ListedKeys(ModifierMask(true, false, false))), functionKeys);
    EXPECT_EQ(Names(ListedKeys(ModifierMask(false, true, false))), functionKeys + letters);
    EXPECT_EQ(Names(ListedKeys(ModifierMask(true, false, true))), functionKeys + letters);
}

TEST(KeyAssignmentRules, TheChosenKeyStaysChosenWhileItIsListed)
{
    // Ctrl and E, then Ctrl unchecked: E leaves the list and F1 is chosen.
    EXPECT_EQ(KeyListSelection(ListedKeys(none), 'E'), 0);
    // Ctrl, Alt and E, then Alt unchecked: E itself, not Esc.
    std::vector<const KeyName*> listed = ListedKeys(ctrl);
    EXPECT_STREQ(listed[KeyListSelection(listed, 'E')]->name, "E");
}

// The duplicate rule, and the new handle at work, are in the end-to-end tests of the dialog.
TEST(KeyAssignmentRules, ApplyingRebuildsTheEntriesAndTheMenuLabels)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    ASSERT_NE(menu, nullptr);
    KeyTable keys;
    keys.ReadAssignments("", false);
    // Only the first shortcut of a command has a row; Esc added for Exit keeps one.
    keys.AddEntry(none, VK_F9, ID_FILE_NEW);
    keys.AddEntry(none, VK_ESCAPE, ID_FILE_EXIT);
    KeyAssignments rows = AssignmentsFrom(keys);
    rows[RowOf(ID_FILE_NEW)] = {0, 0, ID_FILE_NEW};
    rows[RowOf(ID_EDIT_READONLY)] = {ctrl, 'R', ID_EDIT_READONLY};
    ApplyAssignments(rows, keys, menu);

    EXPECT_EQ(keys.Find(ID_FILE_NEW), nullptr);
    ASSERT_NE(keys.Find(ID_FILE_EXIT), nullptr);
    EXPECT_EQ(keys.Find(ID_FILE_EXIT)->key, VK_ESCAPE);
    EXPECT_EQ(keys.Find(ID_EDIT_UNDO)->key, 'Z');
    char label[64] = {};
    GetMenuStringA(menu, ID_FILE_NEW, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ(label, "新規作成(&N)");
    GetMenuStringA(menu, ID_EDIT_READONLY, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ(label, "編集禁止(&R)\tCtrl+R");
    DestroyMenu(menu);
}
