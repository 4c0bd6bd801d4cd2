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
