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
const int dataTextButton = IDC_COLOR_FIRSTBUTTON + 2;
const int dataBackButton = IDC_COLOR_FIRSTBUTTON + 3;

bool PressAndWaitClosed(HWND dialog, int button)
{
    e2e::PressButton(dialog, button);
    return e2e::WaitUntil([&] { return !IsWindow(dialog); });
}

LRESULT SendTo(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

// A file whose sixth byte is 0x41 and whose other bytes are 0.
std::string FileWith41(const e2e::TestFolder& data)
{
    data.Write("bytes.bin", std::string(5, '\0') + "A" + std::string(10, '\0'));
    return "\"" + data.File("bytes.bin") + "\"";
}

} // namespace

// Changing and applying shortcuts by real key presses is in RealInputTest.
TEST(KeyAssignDialog, CancelAfterChangesKeepsEveryShortcut)
{
    Editor editor;
    HWND dialog = editor.OpenDialog(ID_SETTING_KEY);
    ASSERT_NE(dialog, nullptr);
    HWND commands = e2e::DialogItem(dialog, IDC_KEY_COMMANDS);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, fileNewRow, 0), "新規作成");
    EXPECT_EQ(SendTo(dialog, IDC_KEY_NAMES, LB_GETCOUNT), 15);
    e2e::SettledPicture(dialog).Save("dialog-key-assign");

    e2e::SelectListViewItem(*editor.process, commands, fileNewRow);
    e2e::Click(dialog, IDC_KEY_CLEAR);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, fileNewRow, 1), "");
    e2e::SelectListViewItem(*editor.process, commands, editReadOnlyRow);
    SendTo(dialog, IDC_KEY_NAMES, LB_SETCURSEL, f5Item);
    e2e::Click(dialog, IDC_KEY_ASSIGN);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, editReadOnlyRow, 1), "F5");
    ASSERT_TRUE(PressAndWaitClosed(dialog, IDCANCEL));

    e2e::PostKey(editor.frame, VK_F5);
    SendMessageTimeoutA(editor.frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_NE(editor.Pane(2), "編集禁止");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Accelerators", "FileNew"), "Ctrl+N");
    EXPECT_EQ(editor.Setting("Accelerators", "EditReadOnly"), "");
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

TEST(OptionsDialog, OkWritesEveryValueBackWithoutSwitchingTheMode)
{
    e2e::TestFolder data;
    data.Write("calc.exe", "x");
    Editor editor;
    const std::string insertPane = editor.Pane(3);
    HWND dialog = editor.OpenDialog(ID_SETTING_OPTION);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendTo(dialog, IDC_OPTION_FIRSTNUMPAD, CB_GETCOUNT), 7);
    EXPECT_EQ(SendTo(dialog, IDC_OPTION_FIRSTNUMPAD, CB_GETCURSEL), 0);
    e2e::SettledPicture(dialog).Save("dialog-options");

    e2e::Click(dialog, IDC_OPTION_INSERT);
    e2e::Click(dialog, IDC_OPTION_BACKUP);
    SendTo(dialog, IDC_OPTION_FIRSTNUMPAD + 2, CB_SETCURSEL, 4);
    SendTo(dialog, IDC_OPTION_FIRSTNUMPAD + 4, CB_SETCURSEL, 5);
    e2e::PressButton(dialog, IDC_OPTION_BROWSE);
    ASSERT_TRUE(editor.ChooseFile(data.File("calc.exe"), dialog));
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_OPTION_CALCULATOR)), data.File("calc.exe"));
    ASSERT_TRUE(PressAndWaitClosed(dialog, IDOK));
    EXPECT_EQ(editor.Pane(3), insertPane);

    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Settings", "Insert"), "0");
    EXPECT_EQ(editor.Setting("Settings", "ReadOnly"), "1");
    EXPECT_EQ(editor.Setting("Settings", "BackUp"), "0");
    EXPECT_EQ(editor.Setting("Settings", "Calculator"), data.File("calc.exe"));
    EXPECT_EQ(editor.Setting("Numpad", "C"), "+");
    EXPECT_EQ(editor.Setting("Numpad", "E"), "Enter");
    EXPECT_EQ(editor.Setting("Numpad", "A"), "");
}

TEST(OptionsDialog, KeyGivenTwiceIsRefusedUntilOneIsChanged)
{
    Editor editor("", "[Numpad]\r\nA=/\r\nB=/\r\nC=?\r\n");
    HWND dialog = editor.OpenDialog(ID_SETTING_OPTION);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendTo(dialog, IDC_OPTION_FIRSTNUMPAD, CB_GETCURSEL), 1);
    EXPECT_EQ(SendTo(dialog, IDC_OPTION_FIRSTNUMPAD + 1, CB_GETCURSEL), 1);
    EXPECT_EQ(SendTo(dialog, IDC_OPTION_FIRSTNUMPAD + 2, CB_GETCURSEL), 0);
    e2e::PressButton(dialog, IDOK);
    EXPECT_EQ(editor.AnswerMessage(IDOK, dialog), duplicateMessage);
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(e2e::FocusComesTo(dialog, IDC_OPTION_FIRSTNUMPAD + 1));

    SendTo(dialog, IDC_OPTION_FIRSTNUMPAD + 1, CB_SETCURSEL, 0);
    ASSERT_TRUE(PressAndWaitClosed(dialog, IDOK));
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Numpad", "A"), "/");
    EXPECT_EQ(editor.Setting("Numpad", "B"), "");
}

TEST(OptionsDialog, CancelKeepsTheSettingsButNotTheClearedHistory)
{
    Editor editor("", "[Settings]\r\nCalculator=C:\\calc.exe\r\n[Recent File List]\r\nFile1=C:\\one.bin\r\n");
    HWND dialog = editor.OpenDialog(ID_SETTING_OPTION);
    ASSERT_NE(dialog, nullptr);
    e2e::Click(dialog, IDC_OPTION_INSERT);
    e2e::SetItemText(dialog, IDC_OPTION_CALCULATOR, "");
    e2e::PressButton(dialog, IDC_OPTION_CLEARHISTORY);
    EXPECT_EQ(editor.AnswerMessage(IDYES, dialog), "ファイル履歴をクリアしますか？");
    ASSERT_TRUE(PressAndWaitClosed(dialog, IDCANCEL));
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Settings", "Insert"), "1");
    EXPECT_EQ(editor.Setting("Settings", "Calculator"), "C:\\calc.exe");
    EXPECT_EQ(editor.Setting("Recent File List", "File1"), "");
}

TEST(ColoringDialog, RuleSetToAByteValuePaintsItsDigitsInTheRuleColour)
{
    e2e::TestFolder data;
    Editor editor(FileWith41(data));
    const COLORREF ruleColor = RGB(0, 0, 255);
    const e2e::Picture before = e2e::SettledPicture(editor.view);
    const RECT view = e2e::ClientRect(editor.view);
    EXPECT_FALSE(before.Has(view, ruleColor));

    HWND dialog = editor.OpenDialog(ID_VIEW_COLORING);
    ASSERT_NE(dialog, nullptr);
    e2e::SetItemText(dialog, IDC_COLORING_FIRSTVALUE, "00");
    ASSERT_TRUE(PressAndWaitClosed(dialog, IDCANCEL));
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::Picture(editor.view) == before; }));

    dialog = editor.OpenDialog(ID_VIEW_COLORING);
    ASSERT_NE(dialog, nullptr);
    e2e::SettledPicture(dialog).Save("dialog-coloring");
    EXPECT_TRUE(e2e::FocusComesTo(dialog, IDC_COLORING_FIRSTVALUE));
    e2e::SetItemText(dialog, IDC_COLORING_FIRSTVALUE, "41");
    ASSERT_TRUE(PressAndWaitClosed(dialog, IDOK));
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::Picture(editor.view).Has(view, ruleColor); }));
    e2e::SaveScreenshot(editor.view, "coloring-41");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Settings", "Coloring").substr(0, 10), "41,0000FF,");
}

TEST(DisplayColorDialog, PickedColoursShowInTheSamplesAndCancelLeavesTheView)
{
    e2e::TestFolder data;
    Editor editor(FileWith41(data));
    const e2e::Picture before = e2e::SettledPicture(editor.view);
    HWND dialog = editor.OpenDialog(ID_SETTING_COLOR);
    ASSERT_NE(dialog, nullptr);
    e2e::SettledPicture(dialog).Save("dialog-display-color");
    EXPECT_TRUE(e2e::FocusComesTo(dialog, IDC_COLOR_FIRSTBUTTON));

    const COLORREF green = RGB(0, 160, 0);
    const COLORREF cream = RGB(255, 255, 192);
    e2e::PressButton(dialog, dataTextButton);
    ASSERT_TRUE(e2e::ChooseInColorPicker(editor.process->WaitDialog(5000, dialog), green));
    e2e::PressButton(dialog, dataBackButton);
    ASSERT_TRUE(e2e::ChooseInColorPicker(editor.process->WaitDialog(5000, dialog), cream));
    // The mark sample shows the data background too.
    const RECT dataSample = e2e::RectInWindow(e2e::DialogItem(dialog, IDC_COLOR_DATASAMPLE));
    const RECT markSample = e2e::RectInWindow(e2e::DialogItem(dialog, IDC_COLOR_MARKSAMPLE));
    EXPECT_TRUE(e2e::WaitUntil([&] {
        e2e::Picture samples(dialog);
        return samples.Has(dataSample, green) && samples.Has(dataSample, cream) && samples.Has(markSample, cream);
    }));
    e2e::SaveScreenshot(dialog, "dialog-display-color-picked");

    ASSERT_TRUE(PressAndWaitClosed(dialog, IDCANCEL));
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::Picture(editor.view) == before; }));
}
