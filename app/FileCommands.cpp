// The frame's file commands: open, save, the command line and recent files.
#include "app/Application.h"
#include "dialogs/Pickers.h"
#include "document/PathText.h"
#include "resources/resource.h"
#include "settings/RecentFileList.h"

HMENU FrameWindow::FileMenu() const
{
    return GetSubMenu(GetMenu(hwndFrame), 0);
}

void FrameWindow::RememberRecentFile(const char* path)
{
    recentFiles->Add(path);
    recentFiles->BuildMenu(FileMenu(), ID_RECENT_FIRST);
}

RefreshCode FrameWindow::FileOpen()
{
    if (theDocument.ConfirmSave() == IDCANCEL)
        return RedrawNothing;
    return OpenCommand();
}

RefreshCode FrameWindow::OpenCommand()
{
    PathBuffer path = {};
    if (!ChooseFileName(hwndFrame, path, false))
        return RedrawNothing;
    return OpenAsDocument(path);
}

RefreshCode FrameWindow::OpenAsDocument(const char* path)
{
    if (!StartNewDocument())
        return RedrawNothing;
    if (theDocument.Load(path))
        RememberRecentFile(path);
    UpdateReadOnlyState();
    return RedrawAll;
}

void FrameWindow::SaveCommand(bool asNew)
{
    PathBuffer path;
    lstrcpynA(path, theDocument.FileName(), sizeof path);
    if (!asNew && !theDocument.IsUntitled()) {
        theDocument.Save(path);
        return;
    }
    if (!ChooseFileName(hwndFrame, path, true))
        return;
    if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES &&
        ShowMessage(nullptr, "ファイルは既に存在します。上書きしますか？", MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return;
    theDocument.Save(path);
    RememberRecentFile(path);
}

void FrameWindow::OpenCommandLineFile(const char* commandLine)
{
    PathBuffer path;
    switch (CommandLinePath(commandLine, path)) {
    case CommandLineStatus::Empty:
        return;
    case CommandLineStatus::TooLong:
        ShowMessage(nullptr, "コマンドラインで指定されたファイル名が長すぎます。", MB_ICONHAND);
        break;
    case CommandLineStatus::Path:
        if (theDocument.Load(path))
            RememberRecentFile(path);
        break;
    }
    UpdateReadOnlyState();
}

RefreshCode FrameWindow::OpenRecentFile(UINT id)
{
    int index = recentFiles->IndexOfCommand(id, ID_RECENT_FIRST);
    if (index < 0)
        return RedrawNothing;
    if (!StartNewDocument())
        return RedrawNothing;
    PathBuffer path;
    lstrcpynA(path, recentFiles->MoveToFront(index), sizeof path);
    if (!theDocument.Load(path))
        recentFiles->Remove(0);
    recentFiles->BuildMenu(FileMenu(), ID_RECENT_FIRST);
    UpdateReadOnlyState();
    return RedrawAll;
}

void FrameWindow::ClearRecentFiles()
{
    recentFiles->Clear();
    recentFiles->BuildMenu(FileMenu(), ID_RECENT_FIRST);
}
