// The frame's commands that edit settings in a dialog. Each dialog works on a
// copy; only OK puts the copy into effect, at once.
#include "app/Application.h"
#include "dialogs/OptionsDialog.h"
#include "keys/KeyAssignDialog.h"

RefreshCode FrameWindow::KeyAssignmentCommand()
{
    KeyAssignDialog dialog(AssignmentsFrom(*keyTable));
    if (RunDialog(dialog, hwndFrame) != IDOK)
        return RedrawNothing;
    ApplyAssignments(dialog.rows, *keyTable, GetMenu(hwndFrame));
    return RedrawNothing;
}

RefreshCode FrameWindow::SettingOption()
{
    OptionValues current = {{insertAtStart, readOnlyOnLoad, backUp, procUnicode}, {}, {}};
    for (int i = 0; i < numpadKeyCount; ++i)
        current.numpadKeys[i] = numpadKeys[i].vk;
    CopyWholeChars(current.calculator, sizeof current.calculator, GetCalculatorPath());
    OptionsDialog dialog(current);
    if (RunDialog(dialog, hwndFrame) != IDOK)
        return RedrawNothing;
    const OptionValues& chosen = dialog.values;
    SetInsertAtStart(chosen.flags[0]);
    SetReadOnlyOnLoad(chosen.flags[1]);
    SetBackUp(chosen.flags[2]);
    SetProcUnicode(chosen.flags[3]);
    for (int i = 0; i < numpadKeyCount; ++i)
        numpadKeys[i].vk = chosen.numpadKeys[i];
    SetCalculatorPath(chosen.calculator);
    return RedrawAll;
}
