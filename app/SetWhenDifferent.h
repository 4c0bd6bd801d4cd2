#pragma once
#include <windows.h>

// Menu, toolbar and caption states set only when they differ from what is
// shown: Refresh sets them after every message, and each real change makes
// its window draw again.
void EnableMenuCommand(HMENU menu, UINT id, bool enabled);
void SetToolbarState(HWND toolBar, UINT id, BYTE state);
void CheckMenuRadioCommand(HMENU menu, UINT first, UINT last, UINT checked);
void SetCaption(HWND window, const char* text);
