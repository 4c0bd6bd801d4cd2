#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

// Presses the keys in order and releases them in reverse, as a person would.
void PressChord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

TEST(Keyboard, ControlShortcutRunsItsCommand)
{
    Editor editor;
    SetForegroundWindow(editor.frame);
    PressChord({VK_CONTROL, 'N'});
    EXPECT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "無題 - ZORIX Binary Editor"; }));
}

TEST(Keyboard, ShortcutsFollowTheSettingsFile)
{
    Editor editor("", "[Accelerators]\r\nFileNew=\r\nEditReadOnly=Shift+Alt+R\r\n");
    SetForegroundWindow(editor.frame);
    PressChord({VK_CONTROL, 'N'});
    PressChord({VK_SHIFT, VK_MENU, 'R'});
    EXPECT_TRUE(e2e::WaitUntil([&] { return editor.Pane(2) == "編集禁止"; }));
    EXPECT_EQ(editor.Caption(), "ZORIX Binary Editor");
}

TEST(Pointer, ToolbarButtonsShowTheirTooltips)
{
    Editor editor;
    RECT bar;
    GetWindowRect(editor.toolBar, &bar);
    SetForegroundWindow(editor.frame);
    // The first button is New; the pointer has to move within it to arm the tooltip.
    SetCursorPos(bar.left + 10, bar.top + 10);
    SetCursorPos(bar.left + 12, bar.top + 11);
    EXPECT_TRUE(e2e::WaitUntil([&] {
        for (HWND tip : editor.process->TopWindows("tooltips_class32"))
            if (e2e::WindowText(tip) == "新規作成")
                return true;
        return false;
    }));
}

TEST(Keyboard, ShortcutsChangedInTheDialogApplyAtOnce)
{
    Editor editor;
    HWND dialog = editor.OpenDialog(ID_SETTING_KEY);
    ASSERT_NE(dialog, nullptr);
    HWND commands = e2e::DialogItem(dialog, IDC_KEY_COMMANDS);
    const int fileNewRow = 0;
    const int editReadOnlyRow = 21;
    e2e::SelectListViewItem(*editor.process, commands, fileNewRow);
    e2e::Click(dialog, IDC_KEY_CLEAR);
    e2e::SelectListViewItem(*editor.process, commands, editReadOnlyRow);
    e2e::Click(dialog, IDC_KEY_SHIFT);
    e2e::Click(dialog, IDC_KEY_CTRL);
    const int letterR = 15 + ('R' - 'A');
    SendDlgItemMessageA(dialog, IDC_KEY_NAMES, LB_SETCURSEL, letterR, 0);
    e2e::Click(dialog, IDC_KEY_ASSIGN);
    e2e::PressButton(dialog, IDOK);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }));

    SetForegroundWindow(editor.frame);
    PressChord({VK_CONTROL, 'N'});
    PressChord({VK_CONTROL, VK_SHIFT, 'R'});
    EXPECT_TRUE(e2e::WaitUntil([&] { return editor.Pane(2) == "編集禁止"; }));
    EXPECT_EQ(editor.Caption(), "ZORIX Binary Editor");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Accelerators", "FileNew"), "");
    EXPECT_EQ(editor.Setting("Accelerators", "EditReadOnly"), "Shift+Ctrl+R");
}
