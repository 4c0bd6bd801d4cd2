#pragma once
#include <windows.h>

// A modal dialog of the editor. A derived class names its template and
// overrides only what it handles; DialogProc routes to the dialog being run.
class DialogBase {
public:
    explicit DialogBase(WORD templateId) : templateId(templateId) {}
    virtual ~DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // IDOK after OK, IDCANCEL after cancel, -1 when the dialog cannot be created.
    virtual int Run(HWND owner);
    virtual INT_PTR OnCommand(WPARAM wParam);
    virtual void OnInitDialog();
    virtual void OnNotify(NMHDR* notification);
    virtual void OnOK();
    virtual INT_PTR OnPaint();

    HWND hwnd = nullptr;
    WORD templateId;

protected:
    // The control's text cut to whole characters that fit size - 1 bytes.
    void ReadItemText(int id, char* out, size_t size) const;
};

// The dialog being run; one editor dialog is open at a time.
extern DialogBase* CurrentDialog;

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the dialog current and runs it modally.
int RunDialog(DialogBase& dialog, HWND owner);
