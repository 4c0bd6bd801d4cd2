// The frame's commands that edit settings in a dialog. Each dialog works on a
// copy; only OK puts the copy into effect, at once.
#include "app/Application.h"
#include "keys/KeyAssignDialog.h"

RefreshCode FrameWindow::KeyAssignmentCommand()
{
    KeyAssignDialog dialog(AssignmentsFrom(*keyTable));
    if (RunDialog(dialog, hwndFrame) != IDOK)
        return RedrawNothing;
    ApplyAssignments(dialog.rows, *keyTable, GetMenu(hwndFrame));
    return RedrawNothing;
}
