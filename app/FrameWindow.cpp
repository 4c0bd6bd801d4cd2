#include "app/FrameWindow.h"

#include "app/Application.h"
#include "document/PathText.h"
#include "resources/resource.h"
#include "view/CharCode.h"

FrameWindow::FrameWindow() : keyTable(std::make_unique<KeyTable>()), recentFiles(std::make_unique<RecentFileList>())
{
    for (int i = 0; i < 6; ++i)
        numpadKeys[i] = {static_cast<char>('A' + i), 0};
}

FrameWindow::~FrameWindow()
{
    if (statusFont)
        DeleteObject(statusFont);
}

void FrameWindow::SetCalculatorPath(const char* path)
{
    CopyWholeChars(calculator, sizeof calculator, path);
}

void FrameWindow::SetFindValue(const char* text)
{
    CopyWholeChars(findValue, sizeof findValue, text);
}

RefreshCode FrameWindow::OnCommand(WORD id)
{
    switch (id) {
    case ID_FILE_EXIT:
        SendMessageA(hwndFrame, WM_CLOSE, 0, 0);
        return RedrawNothing;
    case ID_FILE_NEW:
        return FileNew();
    case ID_FILE_OPEN:
        return FileOpen();
    case ID_FILE_SAVE:
        SaveCommand(false);
        return RedrawNothing;
    case ID_FILE_SAVEAS:
        SaveCommand(true);
        return RedrawNothing;
    case ID_EDIT_UNDO:
        return theView.EditUndo();
    case ID_EDIT_CUT:
        return theView.EditCut();
    case ID_EDIT_COPY:
        return theView.EditCopy();
    case ID_EDIT_PASTE:
        return theView.EditPaste();
    case ID_EDIT_SELECTALL:
        return theView.EditSelectAll();
    case ID_EDIT_FIND:
        return EditFind();
    case ID_EDIT_FINDPREV:
        return EditFindAgain(SearchBackward);
    case ID_EDIT_FINDNEXT:
        return EditFindAgain(SearchForward);
    case ID_EDIT_COMPARE:
        return EditCompare();
    case ID_EDIT_MARK:
        return theView.ToggleMark();
    case ID_EDIT_MARKPREV:
        return theView.GoToMark(false);
    case ID_EDIT_MARKNEXT:
        return theView.GoToMark(true);
    case ID_EDIT_SUM:
        return theView.ShowByteSum();
    case ID_EDIT_HEAD:
        return theView.GoToOffset(0);
    case ID_EDIT_LAST:
        return theView.GoToOffset(0xFFFFFFFF);
    case ID_EDIT_JUMP:
        return EditJump();
    case ID_EDIT_READONLY:
        return EditReadOnly();
    case ID_VIEW_TOOLBAR:
        return ToggleBar(ID_VIEW_TOOLBAR, hwndToolBar);
    case ID_VIEW_STATUSBAR:
        return ToggleBar(ID_VIEW_STATUSBAR, hwndStatusBar);
    case ID_VIEW_CALC:
        StartCalculator();
        return RedrawNothing;
    case ID_SETTING_FONT:
        return SettingFont();
    case ID_SETTING_COLOR:
        return SettingColor();
    case ID_VIEW_COLORING:
        return ViewColoring();
    case ID_SETTING_KEY:
        return KeyAssignmentCommand();
    case ID_SETTING_OPTION:
        return SettingOption();
    case ID_NEXT_CHARCODE:
        CycleCharCode();
        return CharCodeChanged();
    case ID_SETTING_ASCII:
    case ID_SETTING_SJIS:
    case ID_SETTING_EUC:
    case ID_SETTING_UCS2:
    case ID_SETTING_UTF8:
        SetCharCode(id - ID_SETTING_ASCII);
        return CharCodeChanged();
    case ID_SETTING_LENDIAN:
    case ID_SETTING_BENDIAN:
        SetByteOrder(id - ID_SETTING_LENDIAN);
        return ByteOrderChanged();
    case ID_HELP_FINDER:
        ShowHelp();
        return RedrawNothing;
    case ID_HELP_ABOUT:
        ShowAbout();
        return RedrawNothing;
    default:
        return OpenRecentFile(id);
    }
}

void FrameWindow::OnClose()
{
    if (theDocument.ConfirmSave() == IDCANCEL)
        return;
    SaveSettings();
    DestroyWindow(hwndFrame);
}

void FrameWindow::OnDestroy()
{
    inputContexts.RestoreAll();
}

bool FrameWindow::StartNewDocument()
{
    if (!theDocument.Reset())
        return false;
    theView.ResetView();
    return true;
}

RefreshCode FrameWindow::FileNew()
{
    if (!StartNewDocument())
        return RedrawNothing;
    UpdateReadOnlyState();
    return RedrawAll;
}

RefreshCode FrameWindow::EditReadOnly()
{
    theDocument.ToggleReadOnly();
    UpdateReadOnlyState();
    return RedrawNothing;
}

RefreshCode FrameWindow::ToggleBar(WORD id, HWND bar)
{
    SetBarVisible(id, !IsWindowVisible(bar));
    SendMessageA(hwndFrame, WM_SIZE, 0, 0);
    return RedrawNothing;
}

RefreshCode FrameWindow::SettingFont()
{
    theView.ChooseDisplayFont();
    SendMessageA(hwndFrame, WM_SIZE, 0, 0);
    return RedrawAll;
}

RefreshCode FrameWindow::CharCodeChanged()
{
    UpdateModePanes();
    return RedrawAll;
}

RefreshCode FrameWindow::ByteOrderChanged()
{
    UpdateModePanes();
    return RedrawNothing;
}
