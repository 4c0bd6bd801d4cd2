// The frame's own services: a dropped file, the help file, the calculator and the about box.
#include <windows.h>

#include <htmlhelp.h>
#include <shellapi.h>

#include "app/Application.h"
#include "dialogs/AboutDialog.h"
#include "document/PathText.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer is loaded on first use, so that a system without it still runs the editor.
HtmlHelpFunction LoadHtmlHelp()
{
    HMODULE viewer = LoadLibraryA("hhctrl.ocx");
    if (!viewer)
        return nullptr;
    return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")));
}

bool IsExistingFile(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

RefreshCode FrameWindow::OnDropFiles(HDROP drop)
{
    // Only the first file counts. A path that does not fit is refused rather
    // than cut, since the cut path could name another file.
    UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    PathBuffer path = {};
    if (length < MAX_PATH)
        DragQueryFileA(drop, 0, path, MAX_PATH);
    DragFinish(drop);
    if (length >= MAX_PATH) {
        ShowMessage(nullptr, "ドロップされたファイル名が長すぎます。", MB_ICONHAND);
        return RedrawNothing;
    }
    if (length == 0)
        return RedrawNothing;
    return OpenAsDocument(path);
}

void FrameWindow::ShowHelp()
{
    static const HtmlHelpFunction htmlHelp = LoadHtmlHelp();
    PathBuffer helpFile;
    // Without the file the viewer would show an error of its own; help failures stay silent.
    if (!htmlHelp || !ProgramCompanionPath("CHM", helpFile) || !IsExistingFile(helpFile))
        return;
    htmlHelp(hwndFrame, helpFile, HH_DISPLAY_TOPIC, 0);
}

void FrameWindow::StartCalculator()
{
    // An empty path would make the shell open the current folder instead.
    if (calculator[0] == '\0')
        return;
    ShellExecuteA(hwndFrame, nullptr, calculator, nullptr, nullptr, SW_SHOWNORMAL);
}

void FrameWindow::ShowAbout()
{
    AboutDialog dialog;
    RunDialog(dialog, hwndFrame);
}
