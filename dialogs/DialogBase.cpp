#include "dialogs/DialogBase.h"

#include <string>

#include "dialogs/DialogPlacement.h"
#include "document/PathText.h"

DialogBase* CurrentDialog = nullptr;

namespace {

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

void MoveWindowTo(HWND window, const RECT& rect)
{
    SetWindowPos(window, nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

int DialogBase::Run(HWND owner)
{
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, DialogProc, 0));
}

INT_PTR DialogBase::OnCommand(WPARAM)
{
    return 0;
}

void DialogBase::OnInitDialog()
{
}

void DialogBase::OnNotify(NMHDR*)
{
}

void DialogBase::OnOK()
{
    EndDialog(hwnd, IDOK);
}

INT_PTR DialogBase::OnPaint()
{
    return 0;
}

void DialogBase::PlaceOnOwner()
{
    HWND owner = GetWindow(hwnd, GW_OWNER);
    if (!owner)
        return;
    MoveWindowTo(hwnd, CentreOnOwner(WindowRect(hwnd), WindowRect(owner), WorkAreaOf(owner)));
}

void DialogBase::KeepClearOf(const RECT& row)
{
    const RECT current = WindowRect(hwnd);
    const RECT clear = ClearOfRow(current, row, WorkAreaOf(hwnd));
    if (!EqualRect(&clear, &current))
        MoveWindowTo(hwnd, clear);
}

void DialogBase::ReadItemText(int id, char* out, size_t size) const
{
    HWND item = GetDlgItem(hwnd, id);
    std::string text(GetWindowTextLengthA(item) + 1, '\0');
    GetWindowTextA(item, &text[0], static_cast<int>(text.size()));
    CopyWholeChars(out, size, text.c_str());
}

void DialogBase::PaintControlsFirst()
{
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogBase* dialog = CurrentDialog;
    if (!dialog)
        return FALSE;
    dialog->hwnd = hwnd;
    switch (message) {
    case WM_INITDIALOG:
        dialog->PlaceOnOwner();
        dialog->OnInitDialog();
        return TRUE;
    case WM_PAINT:
        return dialog->OnPaint();
    case WM_NOTIFY:
        dialog->OnNotify(reinterpret_cast<NMHDR*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            dialog->OnOK();
            return TRUE;
        case IDCANCEL:
            EndDialog(hwnd, IDCANCEL);
            return TRUE;
        default:
            return dialog->OnCommand(wParam);
        }
    default:
        return FALSE;
    }
}

int RunDialog(DialogBase& dialog, HWND owner)
{
    CurrentDialog = &dialog;
    int result = dialog.Run(owner);
    CurrentDialog = nullptr;
    return result;
}
