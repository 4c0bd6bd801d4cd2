#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

const char duplicateMessage[] = "同じキーが割り当てられている項目があります。";

// Rows of the command table and items of the key list used below.
const int fileNewRow = 0;
const int editFindRow = 10;
const int editReadOnlyRow = 21;
const int f3Item = 2;
const int f5Item = 4;

bool PressAndWaitClosed(HWND dialog, int button)
{
    e2e::PressButton(dialog, button);
    return e2e::WaitUntil([&] { return !IsWindow(dialog); });
}

LRESULT SendTo(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

} // namespace

TEST(KeyAssignDialog, ClearedShortcutIsGoneAndWrittenEmptyAtExit)
{
    Editor editor;
    HWND dialog = editor.OpenDialog(ID_SETTING_KEY);
    ASSERT_NE(dialog, nullptr);
    HWND commands = e2e::DialogItem(dialog, IDC_KEY_COMMANDS);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, fileNewRow, 0), "新規作成");
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, fileNewRow, 1), "Ctrl+N");
    EXPECT_EQ(SendTo(dialog, IDC_KEY_NAMES, LB_GETCOUNT), 15);
    e2e::SettledPicture(dialog).Save("dialog-key-assign");

    e2e::SelectListViewItem(*editor.process, commands, fileNewRow);
    e2e::Click(dialog, IDC_KEY_CLEAR);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, fileNewRow, 1), "");
    ASSERT_TRUE(PressAndWaitClosed(dialog, IDOK));
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Accelerators", "FileNew"), "");
    EXPECT_EQ(editor.Setting("Accelerators", "FileOpen"), "Ctrl+O");
}

TEST(KeyAssignDialog, AnotherRowsShortcutIsRefusedAndARowsOwnIsNot)
{
    Editor editor;
    HWND dialog = editor.OpenDialog(ID_SETTING_KEY);
    ASSERT_NE(dialog, nullptr);
    HWND commands = e2e::DialogItem(dialog, IDC_KEY_COMMANDS);
    e2e::SelectListViewItem(*editor.process, commands, editFindRow);
    SendTo(dialog, IDC_KEY_NAMES, LB_SETCURSEL, f3Item);
    e2e::PressButton(dialog, IDC_KEY_ASSIGN);
    EXPECT_EQ(editor.AnswerMessage(IDOK, dialog), duplicateMessage);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, editFindRow, 1), "Ctrl+F3");

    // Ctrl brings the letters in and keeps F3 chosen; Ctrl+F3 is the row's own.
    e2e::Click(dialog, IDC_KEY_CTRL);
    EXPECT_EQ(SendTo(dialog, IDC_KEY_NAMES, LB_GETCOUNT), 41);
    EXPECT_EQ(SendTo(dialog, IDC_KEY_NAMES, LB_GETCURSEL), f3Item);
    e2e::PressButton(dialog, IDC_KEY_ASSIGN);
    EXPECT_EQ(editor.process->WaitDialog(700, dialog), nullptr);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, editFindRow, 1), "Ctrl+F3");
    EXPECT_TRUE(PressAndWaitClosed(dialog, IDCANCEL));
}

TEST(KeyAssignDialog, NewShortcutWorksAtOnceAndCancelKeepsEverything)
{
    Editor editor;
    for (int button : {IDCANCEL, IDOK}) {
        HWND dialog = editor.OpenDialog(ID_SETTING_KEY);
        ASSERT_NE(dialog, nullptr);
        HWND commands = e2e::DialogItem(dialog, IDC_KEY_COMMANDS);
        e2e::SelectListViewItem(*editor.process, commands, fileNewRow);
        e2e::Click(dialog, IDC_KEY_CLEAR);
        e2e::SelectListViewItem(*editor.process, commands, editReadOnlyRow);
        SendTo(dialog, IDC_KEY_NAMES, LB_SETCURSEL, f5Item);
        e2e::Click(dialog, IDC_KEY_ASSIGN);
        EXPECT_EQ(e2e::ListViewText(*editor.process, commands, editReadOnlyRow, 1), "F5");
        ASSERT_TRUE(PressAndWaitClosed(dialog, button));
        e2e::PostKey(editor.frame, VK_F5);
        SendMessageTimeoutA(editor.frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        if (button == IDCANCEL) {
            EXPECT_NE(editor.Pane(2), "編集禁止");
        } else {
            EXPECT_TRUE(e2e::WaitUntil([&] { return editor.Pane(2) == "編集禁止"; }));
        }
    }
}
