#include "app/SetWhenDifferent.h"

#include <commctrl.h>

#include <cstring>

void EnableMenuCommand(HMENU menu, UINT id, bool enabled)
{
    UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    bool shownEnabled = state == static_cast<UINT>(-1) || (state & (MF_GRAYED | MF_DISABLED)) == 0;
    if (shownEnabled != enabled)
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void SetToolbarState(HWND toolBar, UINT id, BYTE state)
{
    if (SendMessageA(toolBar, TB_GETSTATE, id, 0) != state)
        SendMessageA(toolBar, TB_SETSTATE, id, state);
}

void CheckMenuRadioCommand(HMENU menu, UINT first, UINT last, UINT checked)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    bool shown = GetMenuItemInfoA(menu, checked, FALSE, &info) && (info.fType & MFT_RADIOCHECK) &&
                 (info.fState & MFS_CHECKED);
    if (!shown)
        CheckMenuRadioItem(menu, first, last, checked, MF_BYCOMMAND);
}

void SetCaption(HWND window, const char* text)
{
    char shown[512];
    int length = GetWindowTextA(window, shown, sizeof shown);
    if (length >= static_cast<int>(sizeof shown) - 1 || std::strcmp(shown, text) != 0)
        SetWindowTextA(window, text);
}
