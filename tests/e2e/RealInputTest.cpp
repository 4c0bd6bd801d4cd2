#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"
#include "view/DisplayFont.h"

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

// Files open for editing, typing overwrites, saving keeps no backup.
const char overwriteSettings[] = "[Settings]\r\nInsert=0\r\nReadOnly=0\r\nBackUp=0\r\n";

std::string Bytes(std::initializer_list<unsigned char> values)
{
    return std::string(values.begin(), values.end());
}

std::string Sequence(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}

// The editor on a file of its own folder, receiving real input.
struct EditedFile {
    EditedFile(const std::string& bytes, const std::string& settings = overwriteSettings)
        : editor(Start(bytes, settings))
    {
        SetForegroundWindow(editor.frame);
    }
    Editor Start(const std::string& bytes, const std::string& settings)
    {
        data.Write("data.bin", bytes);
        return Editor("\"" + data.File("data.bin") + "\"", settings);
    }
    // Key names as xdotool knows them, pressed one after the other.
    void Keys(const std::string& keys) const { e2e::XdoTool("key --delay 20 " + keys); }
    // Pointer actions; the view reads where the pointer is when it handles a
    // button, so each action waits for the last to be seen.
    void Pointer(const std::string& actions) const { e2e::XdoTool(actions); }
    // Saves with the real shortcut and waits for the file to hold the bytes.
    bool SavedAs(const std::string& expected) const
    {
        Keys("ctrl+s");
        return e2e::WaitUntil([&] { return data.Read("data.bin") == expected; });
    }
    bool CaretAt(const char* pane) const
    {
        return e2e::WaitUntil([&] { return editor.Pane(0).rfind(pane, 0) == 0; });
    }
    // The centres of a byte's hexadecimal and character cells on the screen, while the top row is shown.
    POINT ByteCell(uint32_t offset) const { return Cell(offset, false); }
    POINT CharacterCell(uint32_t offset) const { return Cell(offset, true); }
    POINT Cell(uint32_t offset, bool characterColumn) const
    {
        HDC dc = GetDC(editor.view);
        LOGFONTA description =
            DisplayFontDescription("FixedSys", 14, false, false, GetDeviceCaps(dc, LOGPIXELSY));
        HFONT font = CreateFontIndirectA(&description);
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE digits = {};
        GetTextExtentPoint32A(dc, "00000000", 8, &digits);
        SelectObject(dc, previous);
        DeleteObject(font);
        ReleaseDC(editor.view, dc);
        const int charWidth = digits.cx / 8;
        const int hexLeft = digits.cx + charWidth;
        const int column = static_cast<int>(offset % 16);
        int x = characterColumn ? hexLeft + charWidth * (49 + column) : hexLeft + 3 * charWidth * column;
        POINT cell = {x + charWidth / 2, digits.cy * (1 + static_cast<int>(offset / 16)) + digits.cy / 2};
        ClientToScreen(editor.view, &cell);
        return cell;
    }
    std::string MoveTo(POINT point) const
    {
        return "mousemove " + std::to_string(point.x) + " " + std::to_string(point.y) + " sleep 0.2 ";
    }

    e2e::TestFolder data;
    Editor editor;
};

} // namespace

TEST(Typing, OverwriteAndInsertDigitsAndAppendInBothModes)
{
    EditedFile file(Sequence(4));
    // 41 over the first byte; Insert; AB inserted; at the end CD appended;
    // Insert again; EF appended in overwrite mode too.
    file.Keys("4 1 Insert a b ctrl+End c d Insert E F");
    EXPECT_TRUE(file.SavedAs(Bytes({0x41, 0xAB, 0x01, 0x02, 0x03, 0xCD, 0xEF})));
    EXPECT_EQ(file.editor.Pane(3), "上書");
}

TEST(Typing, BackspaceDeleteAndShiftSelection)
{
    EditedFile file(Sequence(16));
    // Right three times from 5 with Shift held selects 5..7 with the caret on 8.
    file.Keys("Right Right Right Right Right keydown shift key Right Right Right keyup shift");
    EXPECT_TRUE(file.CaretAt("0x00000008"));
    // Delete takes the selection; Backspace the byte before the caret; Delete the byte at it.
    file.Keys("Delete BackSpace Delete");
    EXPECT_TRUE(file.SavedAs(Bytes({0x00, 0x01, 0x02, 0x03, 0x04, 0x08, 0x09, 0x0C, 0x0D, 0x0E, 0x0F})));
    // Down from the last row is refused; Undo takes each step back.
    file.Keys("ctrl+End Down ctrl+z ctrl+z ctrl+z");
    EXPECT_TRUE(file.SavedAs(Sequence(16)));
}

TEST(Mouse, DragSelectsAndTheCharacterColumnIgnoresClicks)
{
    EditedFile file(Sequence(0x40));
    file.editor.Resize(900, 400);
    file.Pointer(file.MoveTo(file.ByteCell(0x10)) + "mousedown 1 sleep 0.2 " + file.MoveTo(file.ByteCell(0x20)) +
                 file.MoveTo(file.ByteCell(0x25)) + "mouseup 1");
    EXPECT_TRUE(file.CaretAt("0x00000010"));
    file.Pointer(file.MoveTo(file.CharacterCell(0x30)) + "click 1 sleep 0.2");
    file.Keys("Delete");
    EXPECT_TRUE(file.SavedAs(Sequence(0x10) + Sequence(0x40).substr(0x25)));
}

TEST(Typing, KeypadKeysAssignedToLettersTypeThem)
{
    EditedFile file(std::string(1, '\0'),
                    std::string(overwriteSettings) + "[Numpad]\r\nC=/\r\nE=Enter\r\n");
    file.Keys("KP_Divide KP_Enter Return");
    EXPECT_TRUE(file.SavedAs("\xCE"));
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
