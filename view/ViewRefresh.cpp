// Turning RefreshCodes into invalidation and scrolling of the view window.
#include <algorithm>
#include <cstring>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "resources/resource.h"
#include "view/CharCode.h"
#include "view/CharDecoder.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"

void HexView::MeasureRows()
{
    RECT client;
    GetClientRect(window, &client);
    displayMetrics.FitRows(client.bottom);
}

namespace {

// What the vertical scroll bar shows: where it is, its thumb and its states.
SCROLLBARINFO ScrollBarPicture(HWND window)
{
    SCROLLBARINFO picture = {};
    picture.cbSize = sizeof picture;
    GetScrollBarInfo(window, OBJID_VSCROLL, &picture);
    return picture;
}

} // namespace

// Drawing the scroll bar costs more than scrolling the rows, and in a large
// file its thumb moves by a pixel only every few thousand rows. So the values
// are set without drawing, and the bar is drawn only when what it shows changed.
void HexView::UpdateScrollBar()
{
    ScrollBarState state = ComputeScrollBar(FullRows(), topRow, displayMetrics.visibleRows);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (GetScrollInfo(window, SB_VERT, &info) && info.nMin == 0 && info.nMax == state.nMax &&
        info.nPage == state.nPage && info.nPos == state.nPos)
        return;
    info.nMin = 0;
    info.nMax = state.nMax;
    info.nPage = state.nPage;
    info.nPos = state.nPos;
    const SCROLLBARINFO before = ScrollBarPicture(window);
    SetScrollInfo(window, SB_VERT, &info, FALSE);
    const SCROLLBARINFO after = ScrollBarPicture(window);
    if (std::memcmp(&before, &after, sizeof after) == 0)
        return;
    RECT bar = after.rcScrollBar;
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bar), 2);
    RedrawWindow(window, &bar, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

void HexView::InvalidateFrom(int top)
{
    RECT client;
    GetClientRect(window, &client);
    client.top = top;
    InvalidateRect(window, &client, FALSE);
    UpdateWindow(window);
}

// Repaints the document rows firstRow .. lastRow where they are on screen,
// and the line above them: a glyph reaching above its row, which Paint draws
// for the row below its region, leaves its ink in that line as well.
void HexView::InvalidateRows(uint32_t firstRow, uint32_t lastRow)
{
    const DisplayMetrics& m = displayMetrics;
    const uint32_t bottomRow = topRow + m.visibleRows;
    if (lastRow < topRow || firstRow > bottomRow)
        return;
    RECT client;
    GetClientRect(window, &client);
    const uint32_t shownFirst = firstRow > topRow ? firstRow : topRow;
    const int firstTop = m.headerHeight + static_cast<int>(shownFirst - topRow) * m.lineHeight;
    client.top = std::max(0, firstTop - m.lineHeight);
    client.bottom = m.headerHeight + static_cast<int>((lastRow < bottomRow ? lastRow : bottomRow) - topRow + 1) * m.lineHeight;
    InvalidateRect(window, &client, FALSE);
    UpdateWindow(window);
}

RowSpan RowsShowingEdit(CharCode code, ByteView bytes, uint32_t edited, bool inserted)
{
    const uint32_t bytesPerRow = displayMetrics.bytesPerRow;
    CellSpan cells = CellsReadingByte(code, bytes, edited);
    return {cells.first / bytesPerRow, (inserted ? bytes.size : cells.last) / bytesPerRow};
}

// A typed digit repaints only the rows whose cells read the edited byte and
// the caret's row; the rest of the view would come out the same. An edit
// above the view may change how its first row decodes, so that one repaints
// everything.
bool HexView::RefreshEditedRows(RefreshCode code)
{
    const uint32_t bytesPerRow = displayMetrics.bytesPerRow;
    if (editedByte / bytesPerRow < topRow)
        return false;
    const bool inserted = code == RedrawFromEditedByte;
    RowSpan rows = RowsShowingEdit(charCode, {document->data, document->size}, editedByte, inserted);
    InvalidateRows(rows.first, std::max(rows.last, caret / bytesPerRow));
    if (inserted)
        UpdateScrollBar();
    return true;
}

// The rows' part of the client area from top down: every row right of its
// content shows only the background, which no scroll changes.
RECT HexView::RowArea(int top) const
{
    RECT area;
    GetClientRect(window, &area);
    area.top = top;
    area.right = std::min<LONG>(area.right, displayMetrics.RowContentRight());
    return area;
}

// Brings the rows from the top row shown to topRow. The pixels of the rows
// that stay move, and only the rows that come in are painted. A glyph taller
// than the line reaches up into the row above it, so the header is painted
// again, and so is the partly visible row at the bottom: moved up, its ink from
// the row below is missing; moved down, it would keep ink of a row below it
// that a full repaint does not paint.
void HexView::ShowTopRow()
{
    const DisplayMetrics& m = displayMetrics;
    const int64_t moved = int64_t{topRow} - int64_t{shownTopRow};
    const uint64_t rows = moved < 0 ? -moved : moved;
    if (rows == 0) {
        MoveCaretMark();
        return;
    }
    if (rows >= m.visibleRows) {
        RECT headerAndRows = RowArea(0);
        InvalidateRect(window, &headerAndRows, FALSE);
    } else {
        RECT header = RowArea(0);
        header.bottom = m.headerHeight;
        InvalidateRect(window, &header, FALSE);
        const int shift = static_cast<int>(rows) * m.lineHeight;
        RECT area = RowArea(m.headerHeight);
        // The area the pixels leave is invalidated, and so is any part whose
        // pixels could not be read because a window covers them.
        ScrollWindowEx(window, 0, moved > 0 ? -shift : shift, &area, &area, nullptr, nullptr, SW_INVALIDATE);
        const int partRow = m.visibleRows - (moved > 0 ? static_cast<int>(rows) : 0);
        RECT partlyVisible = RowArea(m.headerHeight + partRow * m.lineHeight);
        InvalidateRect(window, &partlyVisible, FALSE);
        MoveCaretMark();
    }
    UpdateWindow(window);
}

// The caret mark moved with the pixels of its row. Where the caret or its
// digit changed, inverting the old mark again takes it away; a mark in a row
// about to be painted is painted over.
void HexView::MoveCaretMark()
{
    if (shownCaret == caret && shownLowNibble == lowNibble)
        return;
    HDC dc = GetDC(window);
    InvertCaretMark(dc, shownCaret, shownLowNibble);
    ToggleCaretMark(dc, CurrentCaretMark);
    ReleaseDC(window, dc);
}

void HexView::Refresh(RefreshCode code)
{
    // The paint that a refresh causes leaves the command states and the panes
    // to that refresh, which sets them once, after everything is drawn.
    if (!window || refreshing)
        return;
    refreshing = true;
    switch (code) {
    case RedrawAll:
        InvalidateFrom(0);
        UpdateScrollBar();
        break;
    case ScrolledTowardStart:
    case ScrolledTowardEnd:
    case RedrawRows:
        ShowTopRow();
        UpdateScrollBar();
        break;
    case RedrawEditedByte:
    case RedrawFromEditedByte:
        if (!RefreshEditedRows(code)) {
            InvalidateFrom(0);
            UpdateScrollBar();
        }
        break;
    case CaretOnly: {
        HDC dc = GetDC(window);
        ToggleCaretMark(dc, PreviousCaretMark);
        ToggleCaretMark(dc, CurrentCaretMark);
        ReleaseDC(window, dc);
        break;
    }
    default:
        break;
    }
    refreshing = false;
    shownTopRow = topRow;
    shownCaret = caret;
    shownLowNibble = lowNibble;
    if (!frame)
        return;
    UpdateEditCommands();
    // Every handler ends here, so the caret readout follows every caret move and edit.
    frame->UpdatePositionPanes();
}

// Cut, Copy and Paste follow the selection and the clipboard after every change.
void HexView::UpdateEditCommands()
{
    frame->EnableCommand(ID_EDIT_CUT, HasSelection());
    frame->EnableCommand(ID_EDIT_COPY, HasSelection());
    frame->EnableCommand(ID_EDIT_PASTE, clipboard.HoldsText());
}
