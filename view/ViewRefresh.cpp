// Turning RefreshCodes into invalidation and scrolling of the view window.
#include <algorithm>

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

// Setting the scroll bar draws it, so an unchanged one is left alone.
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
    SetScrollInfo(window, SB_VERT, &info, TRUE);
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

// Moves the pixels of the rows by one line and repaints the band that came into view.
void HexView::ScrollRows(int dy, int scrollTop, int invalidTop)
{
    const int lineHeight = displayMetrics.lineHeight;
    RECT client;
    GetClientRect(window, &client);
    RECT rows = client;
    rows.top = lineHeight;
    RECT scroll = client;
    scroll.top = scrollTop;
    if (dy > 0)
        scroll.bottom -= lineHeight;
    ScrollWindowEx(window, 0, dy, &scroll, &rows, nullptr, nullptr, 0);
    RECT band = client;
    band.top = invalidTop;
    if (dy > 0)
        band.bottom = 3 * lineHeight;
    InvalidateRect(window, &band, FALSE);
    UpdateWindow(window);
}

void HexView::Refresh(RefreshCode code)
{
    if (!window)
        return;
    const int lineHeight = displayMetrics.lineHeight;
    switch (code) {
    case RedrawAll:
        InvalidateFrom(0);
        UpdateScrollBar();
        break;
    case ScrolledTowardStart:
        ScrollRows(lineHeight, lineHeight, lineHeight);
        UpdateScrollBar();
        break;
    case ScrolledTowardEnd:
        ScrollRows(-lineHeight, 2 * lineHeight, (displayMetrics.visibleRows - 1) * lineHeight);
        UpdateScrollBar();
        break;
    case RedrawRows:
        InvalidateFrom(lineHeight);
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
