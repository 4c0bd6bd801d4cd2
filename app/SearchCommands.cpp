// The frame's search and navigation commands that run a dialog or repeat a search.
#include "app/Application.h"
#include "dialogs/Pickers.h"
#include "search/CompareDialog.h"
#include "search/FindDialog.h"
#include "search/JumpDialog.h"

RefreshCode FrameWindow::EditFind()
{
    FindDialog dialog;
    lstrcpynA(dialog.text, findValue, sizeof dialog.text);
    dialog.mode = findMode;
    RunDialog(dialog, hwndFrame);
    // Whatever closed the dialog, the last search stays for the repeat commands.
    SetFindValue(dialog.text);
    SetFindMode(dialog.mode);
    return RedrawNothing;
}

RefreshCode FrameWindow::EditFindAgain(SearchDirection direction)
{
    return theView.SearchData(hwndFrame, findValue, findMode, direction);
}

RefreshCode FrameWindow::EditCompare()
{
    if (theDocument.size == 0) {
        ShowMessage(nullptr, "編集中ファイルのサイズが０です。", MB_ICONHAND);
        return RedrawNothing;
    }
    CompareDialog dialog;
    if (ChooseFileName(hwndFrame, dialog.comparePath, false) && dialog.Compare())
        RunDialog(dialog, hwndFrame);
    return RedrawNothing;
}

RefreshCode FrameWindow::EditJump()
{
    JumpDialog dialog;
    RunDialog(dialog, hwndFrame);
    return RedrawNothing;
}
