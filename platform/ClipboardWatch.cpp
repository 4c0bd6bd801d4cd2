#include "platform/ClipboardWatch.h"

bool ClipboardWatch::HoldsText()
{
    // Zero means the number is not available; then every call asks.
    DWORD current = GetClipboardSequenceNumber();
    if (!known || current != sequence || current == 0) {
        known = true;
        sequence = current;
        // Only asked, not opened: holding the clipboard keeps other programs from it.
        holdsText = IsClipboardFormatAvailable(CF_TEXT) != 0;
    }
    return holdsText;
}
