#include "setup/SetupDialog.h"

#include "setup/SetupPaths.h"
#include "setup/ShellFolders.h"

SetupDialog theSetupDialog;

namespace {

// False when the path did not fit the buffer: a cut path would be another file.
bool ProgramPath(char* out, DWORD outSize)
{
    DWORD length = GetModuleFileNameA(nullptr, out, outSize);
    if (length == 0 || length >= outSize) {
        out[0] = '\0';
        return false;
    }
    return true;
}

} // namespace

void SetupDialog::OnInitDialog(HWND hwnd)
{
    hwndDialog = hwnd;
    if (LoadSettings()) {
        SetWindowTextA(hwndDialog, settings.title);
    } else {
        MessageBoxA(hwndDialog, "設定ファイルが見つかりません。", nullptr, MB_ICONHAND);
        EndDialog(hwndDialog, IDCANCEL);
    }
    PrepareBoxes();
}

void SetupDialog::OnOk()
{
    for (int kind = 0; kind < ShortcutKindCount; ++kind) {
        if (!IsOffered(kind))
            continue;
        if (IsDlgButtonChecked(hwndDialog, shortcutKinds[kind].boxId) == BST_CHECKED)
            CreateShortcut(kind);
        else
            DeleteShortcut(kind);
    }
    EndDialog(hwndDialog, IDOK);
}

void SetupDialog::OnCancel()
{
    EndDialog(hwndDialog, IDCANCEL);
}

bool SetupDialog::LoadSettings()
{
    char programPath[PathBufferSize];
    char iniPath[PathBufferSize];
    if (!ProgramPath(programPath, sizeof programPath) ||
        !SettingsPathFor(programPath, iniPath, sizeof iniPath) || !SettingsFileExists(iniPath))
        return false;
    ReadSettings(iniPath, settings);
    return true;
}

void SetupDialog::PrepareBoxes()
{
    for (int kind = 0; kind < ShortcutKindCount; ++kind)
        EnableWindow(Box(kind), IsOffered(kind));
    for (int kind = 0; kind < ShortcutKindCount; ++kind) {
        char path[PathBufferSize];
        if (IsOffered(kind) && ShortcutPath(kind, path, sizeof path) && ShortcutFileExists(path))
            CheckDlgButton(hwndDialog, shortcutKinds[kind].boxId, BST_CHECKED);
    }
}

// A name that is no plain file name would put the shortcut, or delete a file,
// outside the shell folder; it is treated like a missing one.
bool SetupDialog::IsOffered(int kind) const
{
    return IsValidShortcutName(settings.names[kind]);
}

bool SetupDialog::ShortcutPath(int kind, char* out, size_t outSize) const
{
    return ShortcutFilePath(shortcutKinds[kind].folderValue, settings.names[kind], out, outSize);
}

void SetupDialog::CreateShortcut(int kind) const
{
    char shortcutPath[PathBufferSize];
    char programPath[PathBufferSize];
    char folder[PathBufferSize];
    char target[PathBufferSize];
    if (ShortcutPath(kind, shortcutPath, sizeof shortcutPath) && ProgramPath(programPath, sizeof programPath) &&
        FolderOf(programPath, folder, sizeof folder) && TargetPathFor(folder, settings.file, target, sizeof target))
        CreateShortcutFile(shortcutPath, target, folder);
}

void SetupDialog::DeleteShortcut(int kind) const
{
    char shortcutPath[PathBufferSize];
    if (ShortcutPath(kind, shortcutPath, sizeof shortcutPath))
        DeleteShortcutFile(shortcutPath);
}

HWND SetupDialog::Box(int kind) const
{
    return GetDlgItem(hwndDialog, shortcutKinds[kind].boxId);
}

INT_PTR CALLBACK SetupDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        theSetupDialog.OnInitDialog(hwnd);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            theSetupDialog.OnOk();
        else if (LOWORD(wParam) == IDCANCEL)
            theSetupDialog.OnCancel();
        break;
    }
    // FALSE throughout, so the system sets no default focus.
    return FALSE;
}
