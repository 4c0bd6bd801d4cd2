// The frame's commands that edit settings in a dialog. Each dialog works on a
// copy; only OK puts the copy into effect, at once.
#include "app/Application.h"
#include "dialogs/ColoringDialog.h"
#include "dialogs/DisplayColorDialog.h"
#include "dialogs/OptionsDialog.h"
#include "keys/KeyAssignDialog.h"
#include "view/DisplayColors.h"

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

RefreshCode FrameWindow::SettingColor()
{
    DisplayColorDialog dialog(displayColors);
    if (RunDialog(dialog, hwndFrame) != IDOK)
        return RedrawNothing;
    for (size_t i = 0; i < dialog.colors.size(); ++i)
        SetDisplayColor(static_cast<int>(i), dialog.colors[i]);
    return RedrawAll;
}

RefreshCode FrameWindow::ViewColoring()
{
    ColoringDialog dialog(coloringRules, displayColors[DataBack]);
    if (RunDialog(dialog, hwndFrame) != IDOK)
        return RedrawNothing;
    for (size_t i = 0; i < dialog.rules.size(); ++i)
        coloringRules[i] = dialog.rules[i];
    return RedrawAll;
}
