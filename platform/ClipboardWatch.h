#pragma once
#include <windows.h>

// Whether the clipboard holds text. Refresh wants to know after every
// message, so the clipboard is asked again only after its contents changed.
class ClipboardWatch {
public:
    bool HoldsText();

private:
    bool known = false;
    DWORD sequence = 0;
    bool holdsText = false;
};
