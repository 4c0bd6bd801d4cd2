#include "tests/e2e/Editor.h"

#include <commctrl.h>
#include <shlobj.h>

#include <sstream>

#include <cstdlib>

#include "resources/resource.h"
#include "view/DisplayFont.h"

namespace e2e {

namespace {

const int childViewId = 2000;
const int childToolBarId = 2001;
const int childStatusBarId = 2002;

} // namespace

Editor::Editor(const std::string& arguments, const std::string& settings, const std::string& programName)
    : programName(programName)
{
    std::string exe = folder.CopyProgram("zorix.exe", programName);
    if (!settings.empty())
        folder.Write(CompanionName("INI"), settings);
    process = std::make_unique<Process>(exe, arguments, folder.Path());
    frame = process->WaitTopWindow("ZORIXBinaryEditorClass");
    view = GetDlgItem(frame, childViewId);
    toolBar = GetDlgItem(frame, childToolBarId);
    statusBar = GetDlgItem(frame, childStatusBarId);
    // The frame shows before start-up has finished. The mode panes are filled
    // at the end of reading the settings; a sent message is answered only once
    // the program waits in a message loop (its own, or a message box's).
    WaitUntil([&] {
        DWORD_PTR length = 0;
        return SendMessageTimeoutA(statusBar, SB_GETTEXTLENGTHA, 3, 0, SMTO_ABORTIFHUNG, 1000, &length) &&
               LOWORD(length) > 0;
    }, 10000);
    SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
}

Editor::~Editor()
{
    process.reset();
}

void Editor::Command(WORD id) const
{
    SendMessageTimeoutA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_ABORTIFHUNG, 10000, nullptr);
}

void Editor::Type(const std::string& characters) const
{
    for (char c : characters)
        SendMessageTimeoutA(frame, WM_CHAR, static_cast<unsigned char>(c), 1, SMTO_ABORTIFHUNG, 10000, nullptr);
}

LRESULT Editor::ToolbarState(WORD id) const
{
    DWORD_PTR state = 0;
    SendMessageTimeoutA(toolBar, TB_GETSTATE, id, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return static_cast<LRESULT>(state);
}

bool Editor::Enabled(WORD id) const
{
    return (ToolbarState(id) & TBSTATE_ENABLED) != 0;
}

void Editor::Resize(int width, int height) const
{
    SetWindowPos(frame, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitUntil([&] { return ChildRect(view).right == ClientRect(frame).right; });
}

std::string Editor::AnswerMessage(int button, HWND over) const
{
    HWND box = process->WaitDialog(5000, over);
    if (!box)
        return "<no message box>";
    std::string text = MessageBoxText(box);
    PressButton(box, button);
    WaitUntil([&] { return !IsWindow(box); });
    return text;
}

HWND Editor::OpenDialog(WORD id) const
{
    PostCommand(id);
    return process->WaitDialog();
}

unsigned long Editor::Caret() const
{
    return std::strtoul(Pane(0).c_str(), nullptr, 16);
}

bool Editor::ChooseFile(const std::string& path, HWND over) const
{
    HWND picker = process->WaitDialog(5000, over);
    if (!picker || !ChooseInFilePicker(picker, path))
        return false;
    return WaitUntil([&] { return !IsWindow(picker); });
}

RECT Editor::CellOnScreen(uint32_t offset, bool characterColumn, int dpi) const
{
    HDC dc = GetDC(view);
    LOGFONTA description = DisplayFontDescription("FixedSys", 14, false, false, dpi);
    HFONT font = CreateFontIndirectA(&description);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE digits = {};
    GetTextExtentPoint32A(dc, "00000000", 8, &digits);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(view, dc);
    const int charWidth = digits.cx / 8;
    const int hexLeft = digits.cx + charWidth;
    const int column = static_cast<int>(offset % 16);
    const int left = characterColumn ? hexLeft + charWidth * (49 + column) : hexLeft + 3 * charWidth * column;
    const int top = digits.cy * (1 + static_cast<int>(offset / 16));
    RECT cell = {left, top, left + charWidth, top + digits.cy};
    MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&cell), 2);
    return cell;
}

void Editor::StayOnTop() const
{
    SetWindowPos(frame, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Editor::Close() const
{
    e2e::PostCommand(frame, 40001);
    return process->WaitExit();
}

void Editor::DropFiles(const std::vector<std::string>& paths) const
{
    // A DROPFILES header followed by the ANSI paths, each NUL-terminated, and
    // one more NUL. The block is fixed memory of the editor's own process, so
    // its address serves as the drop handle.
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.pt = {20, 20};
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : paths)
        block += path + '\0';
    block += '\0';
    void* remote = VirtualAllocEx(process->Handle(), nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process->Handle(), remote, block.data(), block.size(), nullptr);
    PostMessageA(frame, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

std::string Editor::CompanionName(const std::string& extension) const
{
    return programName.substr(0, programName.size() - 3) + extension;
}

std::string Editor::Setting(const std::string& section, const std::string& key) const
{
    return SettingsValue(SettingsText(), section, key);
}

const char editableSettings[] = "[Settings]\r\nInsert=0\r\nReadOnly=0\r\nBackUp=0\r\n";

EditedFile::EditedFile(const std::string& bytes, const std::string& settings)
    : editor((data.Write("data.bin", bytes), "\"" + data.File("data.bin") + "\""), settings)
{
}

bool EditedFile::Saved(const std::string& expected) const
{
    editor.Command(ID_FILE_SAVE);
    return data.Read("data.bin") == expected;
}

std::string SettingsLines(const std::string& text)
{
    std::istringstream in(text);
    std::string line, lines;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines += line + "\n";
    }
    return lines;
}

std::string SettingsValue(const std::string& text, const std::string& section, const std::string& key)
{
    std::istringstream in(SettingsLines(text));
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        if (line.front() == '[')
            inSection = line == "[" + section + "]";
        else if (inSection && line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    }
    return "<missing>";
}

} // namespace e2e
