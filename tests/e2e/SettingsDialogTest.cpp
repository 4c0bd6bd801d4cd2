#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

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

LRESULT SendTo(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

} // namespace

// Changing and applying shortcuts by real key presses is in RealInputTest.
TEST(KeyAssignDialog, DuplicatesAreRefusedAndCancelAfterChangesKeepsEveryShortcut)
{
    Editor editor;
    HWND dialog = editor.OpenDialog(ID_SETTING_KEY);
    ASSERT_NE(dialog, nullptr);
    HWND commands = e2e::DialogItem(dialog, IDC_KEY_COMMANDS);
    e2e::SettledPicture(dialog).Save("dialog-key-assign");

    // F3 is another row's; Ctrl brings the letters in, keeps F3 chosen, and Ctrl+F3 is the row's own.
    e2e::SelectListViewItem(*editor.process, commands, editFindRow);
    SendTo(dialog, IDC_KEY_NAMES, LB_SETCURSEL, f3Item);
    e2e::PressButton(dialog, IDC_KEY_ASSIGN);
    EXPECT_EQ(editor.AnswerMessage(IDOK, dialog), duplicateMessage);
    e2e::Click(dialog, IDC_KEY_CTRL);
    EXPECT_EQ(SendTo(dialog, IDC_KEY_NAMES, LB_GETCOUNT), 41);
    EXPECT_EQ(SendTo(dialog, IDC_KEY_NAMES, LB_GETCURSEL), f3Item);
    e2e::PressButton(dialog, IDC_KEY_ASSIGN);
    EXPECT_EQ(editor.process->WaitDialog(700, dialog), nullptr);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, editFindRow, 1), "Ctrl+F3");
    e2e::Click(dialog, IDC_KEY_CTRL);
    // With no row selected neither button changes a row.
    const std::vector<std::string> rows = e2e::ListViewRows(*editor.process, commands, 2);
    e2e::SelectListViewItem(*editor.process, commands, -1);
    ASSERT_EQ(SendMessageA(commands, LVM_GETNEXTITEM, -1, LVNI_SELECTED), -1);
    SendTo(dialog, IDC_KEY_NAMES, LB_SETCURSEL, f5Item);
    e2e::Click(dialog, IDC_KEY_ASSIGN);
    e2e::Click(dialog, IDC_KEY_CLEAR);
    EXPECT_EQ(e2e::ListViewRows(*editor.process, commands, 2), rows);

    e2e::SelectListViewItem(*editor.process, commands, fileNewRow);
    e2e::Click(dialog, IDC_KEY_CLEAR);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, fileNewRow, 1), "");
    e2e::SelectListViewItem(*editor.process, commands, editReadOnlyRow);
    SendTo(dialog, IDC_KEY_NAMES, LB_SETCURSEL, f5Item);
    e2e::Click(dialog, IDC_KEY_ASSIGN);
    EXPECT_EQ(e2e::ListViewText(*editor.process, commands, editReadOnlyRow, 1), "F5");
    ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL));
    e2e::PostKey(editor.frame, VK_F5);
    SendMessageTimeoutA(editor.frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_NE(editor.Pane(2), "編集禁止");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Accelerators", "FileNew"), "Ctrl+N");
    EXPECT_EQ(editor.Setting("Accelerators", "EditReadOnly"), "");
}

// OK writing every value back is in RealInputTest, beside the keypad key it sets.
// Cancel keeps the settings but not the history cleared meanwhile; a keypad
// key that a hand-edited file gives to two letters shows in both lists and
// OK is refused until one changes.
TEST(OptionsDialog, CancelKeepsAllButTheClearedHistoryAndAKeyGivenTwiceIsRefused)
{
    Editor editor("", "[Settings]\r\nCalculator=C:\\calc.exe\r\n[Numpad]\r\nA=/\r\nB=/\r\nC=?\r\n"
                      "[Recent File List]\r\nFile1=C:\\one.bin\r\n");
    HWND dialog = editor.OpenDialog(ID_SETTING_OPTION);
    ASSERT_NE(dialog, nullptr);
    e2e::Click(dialog, IDC_OPTION_INSERT);
    e2e::SetItemText(dialog, IDC_OPTION_CALCULATOR, "");
    e2e::PressButton(dialog, IDC_OPTION_CLEARHISTORY);
    EXPECT_EQ(editor.AnswerMessage(IDYES, dialog), "ファイル履歴をクリアしますか？");
    ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL));

    dialog = editor.OpenDialog(ID_SETTING_OPTION);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendTo(dialog, IDC_OPTION_FIRSTNUMPAD, CB_GETCURSEL), 1);
    EXPECT_EQ(SendTo(dialog, IDC_OPTION_FIRSTNUMPAD + 1, CB_GETCURSEL), 1);
    EXPECT_EQ(SendTo(dialog, IDC_OPTION_FIRSTNUMPAD + 2, CB_GETCURSEL), 0);
    e2e::PressButton(dialog, IDOK);
    EXPECT_EQ(editor.AnswerMessage(IDOK, dialog), duplicateMessage);
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(e2e::FocusComesTo(dialog, IDC_OPTION_FIRSTNUMPAD + 1));
    SendTo(dialog, IDC_OPTION_FIRSTNUMPAD + 1, CB_SETCURSEL, 0);
    ASSERT_TRUE(e2e::CloseWith(dialog, IDOK));
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Settings", "Insert"), "1");
    EXPECT_EQ(editor.Setting("Settings", "Calculator"), "C:\\calc.exe");
    EXPECT_EQ(editor.Setting("Recent File List", "File1"), "");
    EXPECT_EQ(editor.Setting("Numpad", "A"), "/");
    EXPECT_EQ(editor.Setting("Numpad", "B"), "");
}

// Picked colours show in the samples at once; Cancel in either colour dialog
// leaves the view as it was, and a colouring rule set to 41 paints that byte's
// digits in the rule's colour.
TEST(ColourDialogs, SamplesShowPicksAndOnlyOkReachesTheView)
{
    e2e::EditedFile f(std::string(5, '\0') + "A" + std::string(10, '\0'));
    f.editor.StayOnTop();
    const RECT view = e2e::ClientRect(f.editor.view);
    const COLORREF ruleColor = RGB(0, 0, 255), green = RGB(0, 160, 0), cream = RGB(255, 255, 192);
    // Whether the view shows none of the colours once the editor has handled what came before.
    auto viewLacks = [&](std::initializer_list<COLORREF> colors) {
        SendMessageTimeoutA(f.editor.frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        const e2e::Picture picture = e2e::SettledPicture(f.editor.view);
        for (COLORREF color : colors)
            if (picture.Has(view, color))
                return false;
        return true;
    };
    EXPECT_TRUE(viewLacks({ruleColor}));

    HWND dialog = f.editor.OpenDialog(ID_SETTING_COLOR);
    ASSERT_NE(dialog, nullptr);
    e2e::SettledPicture(dialog).Save("dialog-display-color");
    EXPECT_TRUE(e2e::FocusComesTo(dialog, IDC_COLOR_FIRSTBUTTON));
    e2e::PressButton(dialog, dataTextButton);
    ASSERT_TRUE(e2e::ChooseInColorPicker(f.editor.process->WaitDialog(5000, dialog), green));
    e2e::PressButton(dialog, dataBackButton);
    ASSERT_TRUE(e2e::ChooseInColorPicker(f.editor.process->WaitDialog(5000, dialog), cream));
    // The mark sample shows the data background too.
    const RECT dataSample = e2e::RectInWindow(e2e::DialogItem(dialog, IDC_COLOR_DATASAMPLE));
    const RECT markSample = e2e::RectInWindow(e2e::DialogItem(dialog, IDC_COLOR_MARKSAMPLE));
    EXPECT_TRUE(e2e::WaitUntil([&] {
        e2e::Picture samples(dialog);
        return samples.Has(dataSample, green) && samples.Has(dataSample, cream) && samples.Has(markSample, cream);
    }));
    e2e::SaveScreenshot(dialog, "dialog-display-color-picked");
    ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL));
    EXPECT_TRUE(viewLacks({green, cream}));

    dialog = f.editor.OpenDialog(ID_VIEW_COLORING);
    ASSERT_NE(dialog, nullptr);
    e2e::SetItemText(dialog, IDC_COLORING_FIRSTVALUE, "00");
    ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL));
    EXPECT_TRUE(viewLacks({ruleColor}));
    dialog = f.editor.OpenDialog(ID_VIEW_COLORING);
    ASSERT_NE(dialog, nullptr);
    e2e::SettledPicture(dialog).Save("dialog-coloring");
    EXPECT_TRUE(e2e::FocusComesTo(dialog, IDC_COLORING_FIRSTVALUE));
    e2e::SetItemText(dialog, IDC_COLORING_FIRSTVALUE, "41");
    ASSERT_TRUE(e2e::CloseWith(dialog, IDOK));
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::Picture(f.editor.view).Has(view, ruleColor); }));
    e2e::SaveScreenshot(f.editor.view, "coloring-41");
    ASSERT_TRUE(f.editor.Close());
    EXPECT_EQ(f.editor.Setting("Settings", "Coloring").substr(0, 10), "41,0000FF,");
}
