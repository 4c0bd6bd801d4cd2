#pragma once
// The setup program's one dialog: three boxes, one per shortcut kind.
#include <windows.h>

#include "setup/SetupSettings.h"

class SetupDialog {
public:
    void OnInitDialog(HWND hwnd);
    void OnOk();
    void OnCancel();

private:
    bool LoadSettings();
    void PrepareBoxes();
    bool IsOffered(int kind) const;
    bool ShortcutPath(int kind, char* out, size_t outSize) const;
    void CreateShortcut(int kind) const;
    void DeleteShortcut(int kind) const;
    HWND Box(int kind) const;

    HWND hwndDialog = nullptr;
    SetupSettings settings;
};

// The settings and the dialog's window handle live as long as the process.
extern SetupDialog theSetupDialog;

INT_PTR CALLBACK SetupDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
