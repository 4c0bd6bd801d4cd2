// Copying bytes out as hexadecimal text and pasting such text back in.
#include "app/FrameWindow.h"
#include "document/ClipboardText.h"
#include "document/Document.h"

namespace {

const char clipboardUnusableMessage[] = "クリップボードを使用できません。";

// Another program may hold the clipboard open for a moment; wait that out.
bool OpenClipboardPatiently(HWND owner)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(20);
    }
    return false;
}

enum class PasteOutcome { Done, NoMemory, Unreadable };

// The part of a paste that needs the clipboard open.
PasteOutcome PasteOpenClipboard(Document& document, uint32_t position, bool insert)
{
    HANDLE handle = GetClipboardData(CF_TEXT);
    // No text pastes nothing; a text the system cannot hand over must not pass for none.
    if (!handle)
        return IsClipboardFormatAvailable(CF_TEXT) ? PasteOutcome::Unreadable : PasteOutcome::Done;
    const char* text = static_cast<const char*>(GlobalLock(handle));
    if (!text)
        return PasteOutcome::Unreadable;
    bool pasted = document.PasteText(position, text, TextLength(text, GlobalSize(handle)), insert);
    GlobalUnlock(handle);
    return pasted ? PasteOutcome::Done : PasteOutcome::NoMemory;
}

} // namespace

HWND Document::ClipboardOwner() const
{
    return frame ? frame->hwndFrame : nullptr;
}

bool Document::RefuseClipboard()
{
    if (frame)
        frame->ShowMessage(nullptr, clipboardUnusableMessage, MB_ICONHAND);
    return false;
}

bool Document::CopyToClipboard(uint32_t position, uint32_t len)
{
    if (len == 0)
        return true;
    // Hundreds of MiB of text may be more than a 32-bit process has left.
    HGLOBAL block = len <= (SIZE_MAX - 1) / 2 ? GlobalAlloc(GMEM_MOVEABLE, 2 * size_t{len} + 1) : nullptr;
    char* text = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (!text) {
        GlobalFree(block);
        return RefuseForMemory();
    }
    FormatHexText(data + position, len, text);
    GlobalUnlock(block);
    if (!OpenClipboardPatiently(ClipboardOwner())) {
        GlobalFree(block);
        return RefuseClipboard();
    }
    // Without emptying, a Unicode text another program left would stay beside
    // ours, and programs that prefer Unicode would paste that old text.
    EmptyClipboard();
    bool taken = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!taken) {
        GlobalFree(block);
        return RefuseClipboard();
    }
    return true;
}

bool Document::PasteFromClipboard(uint32_t position)
{
    if (!OpenClipboardPatiently(ClipboardOwner()))
        return RefuseClipboard();
    PasteOutcome outcome = PasteOpenClipboard(*this, position, frame && frame->insertMode);
    CloseClipboard();
    // Told only now, so that other programs can use the clipboard while the message shows.
    switch (outcome) {
    case PasteOutcome::NoMemory:
        return RefuseForMemory();
    case PasteOutcome::Unreadable:
        return RefuseClipboard();
    default:
        return true;
    }
}

bool Document::PasteText(uint32_t position, const char* text, size_t length, bool insert)
{
    // A text in a 32-bit address space has fewer than 2^32 pairs.
    uint32_t pairs = static_cast<uint32_t>(length / 2);
    if (!MakeRoomToWrite(position, pairs, insert))
        return false;
    ParseHexText(text, pairs, data + position);
    return true;
}
