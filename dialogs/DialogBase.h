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

    // Centres the dialog on the window that owns it, inside that window's monitor.
    void PlaceOnOwner();

    HWND hwnd = nullptr;
    WORD templateId;

protected:
    // The control's text cut to whole characters that fit size - 1 bytes.
    void ReadItemText(int id, char* out, size_t size) const;
    // Lets the dialog and its controls paint themselves now, so that a sample
    // drawn into a control afterwards is not painted over by them.
    void PaintControlsFirst();
    // Moves the dialog off the row (screen coordinates), for a dialog that
    // stays open while it moves the caret to what the user looks for.
    void KeepClearOf(const RECT& row);
};

// The dialog being run; one editor dialog is open at a time.
extern DialogBase* CurrentDialog;

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the dialog current and runs it modally.
int RunDialog(DialogBase& dialog, HWND owner);
