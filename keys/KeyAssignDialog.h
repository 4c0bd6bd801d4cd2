#pragma once
#include "dialogs/DialogBase.h"
#include "keys/KeyAssignment.h"

// Gives each command of the command table one shortcut or none. It edits a
// working copy; the opener applies it to the key table after OK.
class KeyAssignDialog : public DialogBase {
public:
    explicit KeyAssignDialog(const KeyAssignments& current);

    KeyAssignments rows;

    void OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam) override;

private:
    HWND CommandList() const;
    HWND KeyList() const;
    bool IsChecked(int id) const;
    BYTE CheckedModifiers() const;
    // The list-view row that is selected, or -1.
    int SelectedRow() const;
    WORD SelectedKey() const;
    void FillKeyColumn();
    void FillKeyList();
    void AssignKey();
    void ClearKey();
};
