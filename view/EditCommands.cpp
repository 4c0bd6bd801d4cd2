// The Edit menu's commands on the bytes.
#include "document/Document.h"
#include "view/HexView.h"

RefreshCode HexView::EditUndo()
{
    uint32_t position = 0;
    if (!document->Undo(position))
        return RedrawNothing;
    caret = position;
    SettleAfterEdit();
    return RedrawAll;
}

RefreshCode HexView::EditCut()
{
    if (document->readOnly) {
        MessageBeep(MB_ICONHAND);
        return RedrawNothing;
    }
    if (!HasSelection() || !document->CopyToClipboard(SelectionStart(), SelectionStop() - SelectionStart()))
        return RedrawNothing;
    return DeleteSelection();
}

RefreshCode HexView::EditCopy()
{
    document->CopyToClipboard(SelectionStart(), SelectionStop() - SelectionStart());
    return RedrawNothing;
}

// The pasted bytes go in at the caret, which stays where it is, as does the
// selection. A half-typed byte ends: the next digit starts a byte of its own
// instead of changing a pasted one.
RefreshCode HexView::EditPaste()
{
    if (document->readOnly) {
        MessageBeep(MB_ICONHAND);
        return RedrawNothing;
    }
    if (!document->PasteFromClipboard(caret))
        return RedrawNothing;
    lowNibble = 0;
    document->SetModified(true);
    return RedrawAll;
}

RefreshCode HexView::EditSelectAll()
{
    if (document->size == 0)
        return RedrawNothing;
    selectionAnchor = 0;
    selectionEnd = document->size;
    return RedrawAll;
}
