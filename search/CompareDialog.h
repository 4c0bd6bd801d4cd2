#pragma once
#include <windows.h>

#include <commctrl.h>

#include "dialogs/DialogBase.h"
#include "search/FileCompare.h"

// The differences between the edited bytes and another file, listed row by
// row; "移動" or a double click moves the caret to the selected one and
// leaves the dialog open.
class CompareDialog : public DialogBase {
public:
    CompareDialog();

    char comparePath[MAX_PATH] = {};

    // Compares before the dialog is run, under the wait cursor; false, after
    // telling the user why, when there is nothing to show.
    bool Compare();
    void OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam) override;
    void OnNotify(NMHDR* notification) override;

private:
    FileComparison comparison;

    void FillRowText(LVITEMA& item) const;
    void GoToSelectedDifference();
};
