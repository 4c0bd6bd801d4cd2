// The left mouse button: a click puts the caret on a byte of the hexadecimal
// column, a drag selects. The view window gets these messages; the frame keeps
// the keyboard focus.
#include "document/Document.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"

int64_t HexView::HitTest() const
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    return HitTestPoint(cursor);
}

int64_t HexView::HitTestPoint(POINT client) const
{
    const DisplayMetrics& m = displayMetrics;
    if (client.y < m.headerHeight)
        return AboveRows;
    if (client.y > m.headerHeight + m.visibleRows * m.lineHeight)
        return BelowRows;
    const int cellWidth = 3 * m.charWidth;
    if (client.x < m.hexLeft || client.x >= m.hexLeft + cellWidth * m.bytesPerRow)
        return OutsideHex;
    int64_t row = topRow + (client.y - m.headerHeight) / m.lineHeight;
    int64_t offset = row * m.bytesPerRow + (client.x - m.hexLeft) / cellWidth;
    return offset > document->size ? OutsideHex : offset;
}

RefreshCode HexView::OnLButtonDown()
{
    int64_t hit = HitTest();
    if (hit < 0)
        return RedrawNothing;
    caret = selectionAnchor = selectionEnd = static_cast<uint32_t>(hit);
    lowNibble = 0;
    dragging = TRUE;
    SetCapture(window);
    return RedrawAll;
}

RefreshCode HexView::OnMouseMove()
{
    if (!dragging)
        return RedrawNothing;
    int64_t hit = HitTest();
    return hit == selectionEnd ? RedrawNothing : DragTo(hit);
}

// Beyond the top or bottom edge the selection grows by one row, and the view
// scrolls by at most one row, per mouse move.
RefreshCode HexView::DragTo(int64_t hit)
{
    const uint32_t row = displayMetrics.bytesPerRow;
    switch (hit) {
    case AboveRows:
        if (selectionEnd < row)
            return RedrawNothing;
        selectionEnd -= row;
        if (selectionEnd < row * topRow)
            --topRow;
        return RedrawAll;
    case BelowRows:
        if (uint64_t{selectionEnd} + row > document->size)
            return RedrawNothing;
        selectionEnd += row;
        if (selectionEnd / row >= topRow + displayMetrics.visibleRows)
            ++topRow;
        return RedrawAll;
    case OutsideHex:
        return RedrawNothing;
    default:
        selectionEnd = static_cast<uint32_t>(hit);
        return RedrawAll;
    }
}

void HexView::OnLButtonUp()
{
    dragging = FALSE;
    ReleaseCapture();
}
