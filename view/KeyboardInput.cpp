// Keys and typed characters: caret moves, Shift selection, hexadecimal
// typing in insert or overwrite mode, Backspace and Delete. The frame keeps
// the keyboard focus and hands these messages on.
#include "app/FrameWindow.h"
#include "document/Document.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"
#include "view/InputRules.h"

RefreshCode HexView::OnKeyDown(WPARAM key, LPARAM keyData)
{
    const uint32_t row = displayMetrics.bytesPerRow;
    switch (key) {
    case VK_BACK:
        return Backspace();
    case VK_SHIFT:
        shiftState = ShiftArmed;
        return RedrawNothing;
    case VK_PRIOR:
        return ScrollPageUp();
    case VK_NEXT:
        return ScrollPageDown();
    case VK_LEFT:
        return caret == 0 ? RedrawNothing : MoveCaret(caret - 1);
    case VK_UP:
        return caret < row ? RedrawNothing : MoveCaret(caret - row);
    case VK_RIGHT:
        return caret >= document->size ? RedrawNothing : MoveCaret(caret + 1);
    case VK_DOWN:
        return document->size - caret < row ? RedrawNothing : MoveCaret(caret + row);
    case VK_INSERT:
        frame->SetInsertMode(!frame->insertMode);
        return RedrawNothing;
    case VK_DELETE:
        return DeleteKey();
    default:
        TypeNumpadLetter(key, keyData);
        return RedrawNothing;
    }
}

void HexView::OnKeyUp(WPARAM key)
{
    if (key == VK_SHIFT)
        shiftState = ShiftIdle;
}

// A caret key: one step of the caret, which starts or extends the selection while Shift is down.
RefreshCode HexView::MoveCaret(uint32_t offset)
{
    RefreshCode candidate = StepCaret(offset);
    return TrackShiftSelection() == RedrawAll ? RedrawAll : candidate;
}

// The view follows the caret by at most one row.
RefreshCode HexView::StepCaret(uint32_t offset)
{
    const uint32_t row = displayMetrics.bytesPerRow;
    const bool towardStart = offset < caret;
    previousCaret = caret;
    previousLowNibble = lowNibble;
    caret = offset;
    lowNibble = 0;
    RefreshCode candidate = CaretOnly;
    if (towardStart && caret < row * topRow) {
        --topRow;
        candidate = ScrolledTowardStart;
    } else if (!towardStart && caret / row >= topRow + displayMetrics.visibleRows) {
        ++topRow;
        candidate = ScrolledTowardEnd;
    }
    return candidate;
}

void HexView::ForgetShift()
{
    shiftState = ShiftIdle;
}

RefreshCode HexView::TrackShiftSelection()
{
    // Shift may have been pressed or let go while a message box or dialog had
    // the focus; the keyboard state knows, the messages never came here.
    if (GetKeyState(VK_SHIFT) >= 0)
        shiftState = ShiftIdle;
    else if (shiftState == ShiftIdle)
        shiftState = ShiftArmed;
    if (shiftState == ShiftArmed) {
        selectionAnchor = previousCaret;
        shiftState = ShiftExtending;
    }
    if (shiftState != ShiftExtending)
        return RedrawNothing;
    selectionEnd = caret;
    return RedrawAll;
}

RefreshCode HexView::Backspace()
{
    if (document->readOnly)
        return RedrawNothing;
    if (HasSelection())
        return DeleteSelection();
    if (caret == 0 || document->size == 0)
        return RedrawNothing;
    StepCaret(caret - 1);
    return DeleteAtCaret();
}

RefreshCode HexView::DeleteKey()
{
    if (document->readOnly)
        return RedrawNothing;
    if (HasSelection())
        return DeleteSelection();
    if (caret >= document->size)
        return RedrawNothing;
    return DeleteAtCaret();
}

RefreshCode HexView::DeleteAtCaret()
{
    if (!document->DeleteBytes(caret, 1))
        return RedrawAll;
    SettleAfterEdit();
    document->SetModified(true);
    return RedrawAll;
}

RefreshCode HexView::DeleteSelection()
{
    if (!document->DeleteBytes(SelectionStart(), SelectionStop() - SelectionStart()))
        return RedrawNothing;
    SettleAfterEdit();
    document->SetModified(true);
    return RedrawAll;
}

// A keypad key assigned to a letter types that letter as a digit.
void HexView::TypeNumpadLetter(WPARAM key, LPARAM keyData)
{
    char letter = NumpadLetter(frame->numpadKeys, key, keyData);
    if (!letter)
        return;
    // The key's own character ("/", "+", ...) is already queued behind this
    // message; it would only beep as a non-hexadecimal character.
    MSG translated;
    PeekMessageA(&translated, frame->hwndFrame, WM_CHAR, WM_CHAR, PM_REMOVE);
    SendMessageA(frame->hwndFrame, WM_CHAR, static_cast<unsigned char>(letter), 0);
}

// A double-byte character comes as its lead byte, then its trail byte: only
// the pair tells which character it is, and a trail byte may look like a digit.
RefreshCode HexView::OnChar(WPARAM character)
{
    const unsigned char lead = leadByte;
    leadByte = 0;
    // No double-byte code page has a trail byte below 0x40.
    if (lead && character >= 0x40)
        return TypeCharacter(static_cast<WPARAM>(lead) << 8 | character);
    if (lead)
        MessageBeep(0xFFFFFFFF);
    // Backspace, Enter, Esc and Ctrl combinations arrive as control
    // characters after their keys have done their work; they type nothing.
    if (character < 0x20)
        return RedrawNothing;
    if (character <= 0xFF && IsDBCSLeadByte(static_cast<BYTE>(character))) {
        leadByte = static_cast<unsigned char>(character);
        return RedrawNothing;
    }
    return TypeCharacter(character);
}

RefreshCode HexView::OnImeChar(WPARAM character)
{
    return TypeCharacter(character);
}

RefreshCode HexView::TypeCharacter(WPARAM character)
{
    int digit = TypedDigitValue(character);
    if (document->readOnly || digit < 0) {
        MessageBeep(0xFFFFFFFF);
        return RedrawNothing;
    }
    if (lowNibble == 0 || caret >= document->size)
        return TypeHighDigit(digit);
    return TypeLowDigit(digit);
}

RefreshCode HexView::TypeHighDigit(int digit)
{
    const bool inserting = frame->insertMode || caret >= document->size;
    bool recorded = inserting ? document->InsertBytes(caret, 1) : document->PushUndo(Overwritten, caret, 1);
    if (!recorded)
        return RedrawNothing;
    unsigned char& byte = document->data[caret];
    byte = static_cast<unsigned char>(digit << 4 | (byte & 0x0F));
    editedByte = caret;
    lowNibble = 1;
    document->SetModified(true);
    return inserting ? RedrawFromEditedByte : RedrawEditedByte;
}

// The low digit changes the byte whose high digit was just typed; that step's
// undo record already restores the whole byte. Typing never touches the
// selection, also when Shift is down for an upper-case letter.
RefreshCode HexView::TypeLowDigit(int digit)
{
    document->RewriteRecordedByte(caret, static_cast<unsigned char>((document->data[caret] & 0xF0) | digit));
    editedByte = caret;
    RefreshCode moved = StepCaret(caret + 1);
    document->SetModified(true);
    return moved == CaretOnly ? RedrawEditedByte : RedrawAll;
}
