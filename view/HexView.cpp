#include "view/HexView.h"

#include <algorithm>

#include "document/Document.h"
#include "view/DisplayMetrics.h"

HexView::HexView()
{
    ResetView();
}

HexView::~HexView()
{
    if (font)
        DeleteObject(font);
}

uint32_t HexView::SelectionStart() const
{
    return selectionAnchor < selectionEnd ? selectionAnchor : selectionEnd;
}

uint32_t HexView::SelectionStop() const
{
    return selectionAnchor < selectionEnd ? selectionEnd : selectionAnchor;
}

uint32_t HexView::FullRows() const
{
    return document->size / displayMetrics.bytesPerRow;
}

uint32_t HexView::MaxTopRow() const
{
    uint32_t fullRows = FullRows();
    uint32_t visibleRows = displayMetrics.visibleRows;
    return fullRows + 1 > visibleRows ? fullRows - visibleRows + 1 : 0;
}

void HexView::EnsureCaretVisible()
{
    const uint32_t bytesPerRow = displayMetrics.bytesPerRow;
    const uint32_t visibleRows = displayMetrics.visibleRows;
    uint32_t caretRow = caret / bytesPerRow;
    if (caretRow >= topRow + visibleRows)
        topRow = caretRow - visibleRows + 1;
    else if (caretRow < topRow)
        topRow = caretRow;
}

RECT HexView::CaretRowOnScreen() const
{
    const DisplayMetrics& m = displayMetrics;
    const uint32_t row = caret / m.bytesPerRow;
    RECT rect = {};
    if (row < topRow || row - topRow >= m.visibleRows)
        return rect;
    RECT client;
    GetClientRect(window, &client);
    rect.top = m.headerHeight + static_cast<int>(row - topRow) * m.lineHeight;
    rect.bottom = rect.top + m.lineHeight;
    rect.right = std::min<LONG>(client.right, m.textLeft + m.charWidth * m.bytesPerRow);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RefreshCode HexView::GoToOffset(uint32_t offset)
{
    previousCaret = caret;
    caret = offset < document->size ? offset : document->size;
    previousLowNibble = lowNibble;
    lowNibble = 0;
    uint32_t oldTop = topRow;
    EnsureCaretVisible();
    return topRow == oldTop ? CaretOnly : RedrawAll;
}

void HexView::ResetView()
{
    caret = 0;
    lowNibble = 0;
    topRow = 0;
    selectionAnchor = 0;
    selectionEnd = 0;
    marks.Clear();
}

void HexView::SettleAfterEdit()
{
    lowNibble = 0;
    selectionAnchor = selectionEnd = 0;
    if (caret > document->size) {
        caret = document->size;
        topRow = MaxTopRow();
    }
    EnsureCaretVisible();
}

RefreshCode HexView::ScrollLineUp()
{
    if (topRow == 0)
        return RedrawNothing;
    --topRow;
    return ScrolledTowardStart;
}

RefreshCode HexView::ScrollLineDown()
{
    if (topRow >= MaxTopRow())
        return RedrawNothing;
    ++topRow;
    return ScrolledTowardEnd;
}

RefreshCode HexView::ScrollPageUp()
{
    if (topRow == 0)
        return RedrawNothing;
    lowNibble = 0;
    uint32_t visibleRows = displayMetrics.visibleRows;
    topRow = visibleRows >= topRow ? 0 : topRow - visibleRows;
    return RedrawRows;
}

RefreshCode HexView::ScrollPageDown()
{
    uint32_t maxTop = MaxTopRow();
    if (topRow >= maxTop)
        return RedrawNothing;
    lowNibble = 0;
    uint32_t next = topRow + displayMetrics.visibleRows;
    topRow = next < maxTop ? next : maxTop;
    return RedrawRows;
}

RefreshCode HexView::TrackThumb(int position)
{
    // The largest position the bar reports is nMax - nPage + 1; mapping that
    // onto the last top row lets the thumb reach the end of a capped range.
    uint32_t maxTop = MaxTopRow();
    int limit = 32768 - displayMetrics.visibleRows;
    int largest = static_cast<int>(maxTop) < limit ? static_cast<int>(maxTop) : limit;
    if (largest <= 0)
        return RedrawNothing;
    int row = MulDiv(position, static_cast<int>(maxTop), largest);
    topRow = row < 0 ? 0 : (static_cast<uint32_t>(row) > maxTop ? maxTop : row);
    return RedrawRows;
}

RefreshCode HexView::OnVScroll(WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        return ScrollLineUp();
    case SB_LINEDOWN:
        return ScrollLineDown();
    case SB_PAGEUP:
        return ScrollPageUp();
    case SB_PAGEDOWN:
        return ScrollPageDown();
    case SB_THUMBTRACK:
        return TrackThumb(HIWORD(wParam));
    default:
        return RedrawNothing;
    }
}

RefreshCode HexView::OnMouseWheel(WPARAM wParam)
{
    // Three rows for each whole notch the deltas add up to.
    const int notches = wheel.Add(static_cast<short>(HIWORD(wParam)));
    const uint32_t rows = 3u * static_cast<uint32_t>(notches < 0 ? -notches : notches);
    if (notches > 0) {
        if (topRow == 0)
            return RedrawNothing;
        topRow = topRow < rows ? 0 : topRow - rows;
        return RedrawRows;
    }
    uint32_t maxTop = MaxTopRow();
    if (notches == 0 || topRow >= maxTop)
        return RedrawNothing;
    topRow = maxTop - topRow < rows ? maxTop : topRow + rows;
    return RedrawRows;
}

ScrollBarState ComputeScrollBar(uint32_t fullRows, uint32_t topRow, uint16_t visibleRows)
{
    ScrollBarState state;
    state.nMax = fullRows < 0x7FFF ? static_cast<int>(fullRows) : 0x7FFF;
    state.nPage = visibleRows;
    state.nPos = fullRows == 0 ? 0 : MulDiv(static_cast<int>(topRow), state.nMax, static_cast<int>(fullRows));
    return state;
}
