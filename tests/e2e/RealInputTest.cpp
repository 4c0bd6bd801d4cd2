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

std::string Sequence(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}

// The editor on a file of its own, in front, receiving real input.
struct InputFile : e2e::EditedFile {
    explicit InputFile(const std::string& bytes, const std::string& settings = e2e::editableSettings)
        : EditedFile(bytes, settings)
    {
        SetForegroundWindow(editor.frame);
    }
    // Key names as xdotool knows them, pressed one after the other.
    void Keys(const std::string& keys) const { e2e::XdoTool("key --delay 20 " + keys); }
    // Saves with the real shortcut and waits for the file to hold the bytes.
    bool SavedAs(const std::string& expected) const
    {
        Keys("ctrl+s");
        return e2e::WaitUntil([&] { return data.Read("data.bin") == expected; });
    }
    // Moves the pointer to the centre of a byte's hexadecimal or character cell
    // while the top row is shown; the view reads where the pointer is when it
    // handles a button, so the move waits to be seen.
    std::string MoveTo(uint32_t offset, bool characterColumn = false) const
    {
        RECT cell = editor.CellOnScreen(offset, characterColumn);
        return "mousemove " + std::to_string((cell.left + cell.right) / 2) + " " +
               std::to_string((cell.top + cell.bottom) / 2) + " sleep 0.2 ";
    }
};

} // namespace

TEST(Typing, DigitsInBothModesThenShiftSelectionBackspaceAndDelete)
{
    InputFile file(Sequence(16));
    // 41 over the first byte; Insert; AB inserted; at the end CD appended;
    // Insert again; EF appended in overwrite mode too.
    file.Keys("4 1 Insert a b ctrl+End c d Insert E F");
    const std::string typed = "\x41\xAB" + Sequence(16).substr(1) + "\xCD\xEF";
    EXPECT_TRUE(file.SavedAs(typed));
    EXPECT_EQ(file.editor.Pane(3), "上書");
    // Right three times from 5 with Shift held selects 5..7 with the caret on 8.
    file.Keys("ctrl+Home Right Right Right Right Right keydown shift key Right Right Right keyup shift");
    EXPECT_TRUE(e2e::WaitUntil([&] { return file.editor.Caret() == 8; }));
    // Delete takes the selection, and the caret stays at 8; Backspace takes
    // the byte before the caret, Delete the byte at it.
    file.Keys("Delete BackSpace Delete");
    EXPECT_TRUE(file.SavedAs("\x41\xAB\x01\x02\x03\x07\x08\x0B\x0C\x0D\x0E\x0F\xCD\xEF"));
    // Down from the last row is refused; Undo takes each step back.
    file.Keys("ctrl+End Down ctrl+z ctrl+z ctrl+z");
    EXPECT_TRUE(file.SavedAs(typed));
}

// Shift let go while a message box has the focus selects nothing afterwards;
// Shift held through the box still selects.
TEST(Typing, ShiftAcrossAMessageBoxFollowsTheRealKey)
{
    InputFile file(Sequence(16));
    const struct {
        const char* releaseInBox;
        const char* afterBox;
        bool selects;
    } rows[] = {
        {"keyup shift", "Right Right", false},
        {"", "Right Right keyup shift", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.selects ? "held through the box" : "let go in the box");
        file.editor.Command(ID_EDIT_HEAD);
        // F3 with no search text shows a message box.
        file.Keys("keydown shift key F3");
        HWND box = file.editor.process->WaitDialog();
        ASSERT_NE(box, nullptr);
        if (*row.releaseInBox)
            file.Keys(row.releaseInBox);
        file.Keys("Return");
        ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }));
        SetForegroundWindow(file.editor.frame);
        file.Keys(row.afterBox);
        EXPECT_TRUE(e2e::WaitUntil([&] { return file.editor.Caret() == 2; }));
        EXPECT_EQ(file.editor.Enabled(ID_EDIT_CUT), row.selects);
        file.Keys("keyup shift Escape");
    }
}

TEST(Mouse, DragSelectsAndTheCharacterColumnIgnoresClicks)
{
    InputFile file(Sequence(0x40));
    file.editor.Resize(900, 400);
    e2e::XdoTool(file.MoveTo(0x10) + "mousedown 1 sleep 0.2 " + file.MoveTo(0x20) + file.MoveTo(0x25) + "mouseup 1");
    EXPECT_TRUE(e2e::WaitUntil([&] { return file.editor.Caret() == 0x10; }));
    e2e::XdoTool(file.MoveTo(0x30, true) + "click 1 sleep 0.2");
    file.Keys("Delete");
    EXPECT_TRUE(file.SavedAs(Sequence(0x10) + Sequence(0x40).substr(0x25)));
}

// A keypad key of the settings file types its letter, the keypad Enter only as
// the keypad's; one chosen in the options types at once, without switching the
// typing mode, and OK writes every option back at exit.
TEST(Typing, KeypadKeysFromTheSettingsFileAndFromTheOptionsTypeTheirLetters)
{
    e2e::TestFolder tools;
    tools.Write("calc.exe", "x");
    InputFile file(std::string(1, '\0'), std::string(e2e::editableSettings) + "[Numpad]\r\nE=Enter\r\n");
    HWND dialog = file.editor.OpenDialog(ID_SETTING_OPTION);
    ASSERT_NE(dialog, nullptr);
    const int enterItem = 5, plusItem = 4;
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_OPTION_FIRSTNUMPAD + 4, CB_GETCURSEL, 0, 0), enterItem);
    e2e::SettledPicture(dialog).Save("dialog-options");
    e2e::Click(dialog, IDC_OPTION_INSERT);
    e2e::Click(dialog, IDC_OPTION_BACKUP);
    SendDlgItemMessageA(dialog, IDC_OPTION_FIRSTNUMPAD + 2, CB_SETCURSEL, plusItem, 0);
    e2e::PressButton(dialog, IDC_OPTION_BROWSE);
    ASSERT_TRUE(file.editor.ChooseFile(tools.File("calc.exe"), dialog));
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_OPTION_CALCULATOR)), tools.File("calc.exe"));
    ASSERT_TRUE(e2e::CloseWith(dialog, IDOK));
    EXPECT_EQ(file.editor.Pane(3), "上書");

    SetForegroundWindow(file.editor.frame);
    file.Keys("KP_Enter Return KP_Add");
    EXPECT_TRUE(file.SavedAs("\xEC"));
    ASSERT_TRUE(file.editor.Close());
    EXPECT_EQ(file.editor.Setting("Settings", "Insert"), "1");
    EXPECT_EQ(file.editor.Setting("Settings", "BackUp"), "1");
    EXPECT_EQ(file.editor.Setting("Settings", "Calculator"), tools.File("calc.exe"));
    EXPECT_EQ(file.editor.Setting("Numpad", "C"), "+");
    EXPECT_EQ(file.editor.Setting("Numpad", "E"), "Enter");
    EXPECT_EQ(file.editor.Setting("Numpad", "A"), "");
}

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

TEST(Keyboard, F1OpensTheHelpAndTheEditorGoesOn)
{
    Editor editor;
    editor.folder.CopyProgram("zorix.CHM");
    SetForegroundWindow(editor.frame);
    PressChord({VK_F1});
    EXPECT_NE(editor.process->WaitTopWindow("HH Parent"), nullptr);
    editor.Command(ID_EDIT_READONLY);
    EXPECT_EQ(editor.Pane(2), "編集禁止");
}

TEST(Keyboard, ShortcutsChangedInTheDialogApplyAtOnce)
{
    Editor editor;
    HWND dialog = editor.OpenDialog(ID_SETTING_KEY);
    ASSERT_NE(dialog, nullptr);
    HWND commands = e2e::DialogItem(dialog, IDC_KEY_COMMANDS);
    const int fileNewRow = 0, editReadOnlyRow = 21, letterR = 15 + ('R' - 'A');
    e2e::SelectListViewItem(*editor.process, commands, fileNewRow);
    e2e::Click(dialog, IDC_KEY_CLEAR);
    e2e::SelectListViewItem(*editor.process, commands, editReadOnlyRow);
    e2e::Click(dialog, IDC_KEY_SHIFT);
    e2e::Click(dialog, IDC_KEY_CTRL);
    SendDlgItemMessageA(dialog, IDC_KEY_NAMES, LB_SETCURSEL, letterR, 0);
    e2e::Click(dialog, IDC_KEY_ASSIGN);
    ASSERT_TRUE(e2e::CloseWith(dialog, IDOK));

    SetForegroundWindow(editor.frame);
    PressChord({VK_CONTROL, 'N'});
    PressChord({VK_CONTROL, VK_SHIFT, 'R'});
    EXPECT_TRUE(e2e::WaitUntil([&] { return editor.Pane(2) == "編集禁止"; }));
    EXPECT_EQ(editor.Caption(), "ZORIX Binary Editor");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Accelerators", "FileNew"), "");
    EXPECT_EQ(editor.Setting("Accelerators", "EditReadOnly"), "Shift+Ctrl+R");
}
