// Painting the header and the rows. Every band fills its own background and
// text is drawn transparent over it, so nothing needs erasing first.
#include <cstdio>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "view/CharCode.h"
#include "view/CharDecoder.h"
#include "view/DisplayColors.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"

namespace {

const int paintedWidth = 1600;

void FillBand(HDC dc, int left, int top, int right, int bottom, HBRUSH brush)
{
    RECT rect = {left, top, right, bottom};
    FillRect(dc, &rect, brush);
}

} // namespace

void HexView::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < 3; ++i)
        brushes[i] = CreateSolidBrush(displayColors[AddressBack + 2 * i]);
    HGDIOBJ oldBrush = SelectObject(dc, brushes[0]);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;

    PaintHeader(dc);
    ByteView bytes = {document->data, document->size};
    uint32_t firstOffset = topRow * displayMetrics.bytesPerRow;
    if (charCode == ShiftJis)
        skipNextCell = ShiftJisStartState(bytes, firstOffset);
    else if (charCode == Euc)
        skipNextCell = EucStartState(bytes, firstOffset);
    for (uint32_t i = 0; i <= displayMetrics.visibleRows; ++i)
        PaintRow(dc, i);

    SelectObject(dc, oldBrush);
    for (HBRUSH& brush : brushes) {
        DeleteObject(brush);
        brush = nullptr;
    }
    if (oldFont)
        SelectObject(dc, oldFont);
    ToggleCaretMark(dc, CurrentCaretMark);
    EndPaint(window, &ps);
}

void HexView::PaintHeader(HDC dc)
{
    const DisplayMetrics& m = displayMetrics;
    FillBand(dc, 0, 0, paintedWidth, m.headerHeight, brushes[0]);
    SetTextColor(dc, displayColors[AddressText]);
    RECT addressCell = {0, 0, m.hexLeft - m.charWidth, m.headerHeight};
    DrawTextA(dc, "ADDRESS", 7, &addressCell, DT_CENTER);
    char label[8];
    for (int j = 0; j < m.bytesPerRow; ++j) {
        int length = std::snprintf(label, sizeof label, "+%X", j % 16);
        TextOutA(dc, m.hexLeft + 3 * m.charWidth * j, 0, label, length);
        length = std::snprintf(label, sizeof label, "%X", j % 16);
        TextOutA(dc, m.textLeft + m.charWidth * j, 0, label, length);
    }
}

void HexView::PaintRow(HDC dc, uint32_t i)
{
    const DisplayMetrics& m = displayMetrics;
    const uint32_t first = (topRow + i) * m.bytesPerRow;
    const int y = m.headerHeight + static_cast<int>(i) * m.lineHeight;
    const int bottom = y + m.lineHeight;
    const int addressRight = m.hexLeft - m.charWidth;

    FillBand(dc, 0, y, addressRight, bottom, brushes[0]);
    SetTextColor(dc, displayColors[AddressText]);
    char text[12];
    int length = std::snprintf(text, sizeof text, "%08X", first);
    RECT addressCell = {0, y, addressRight, bottom};
    DrawTextA(dc, text, length, &addressCell, DT_RIGHT);
    FillBand(dc, addressRight, y, paintedWidth, bottom, brushes[1]);

    const uint32_t s = SelectionStart();
    const uint32_t e = SelectionStop();
    const uint32_t rowEnd = first + m.bytesPerRow;
    if (s < rowEnd && first < e) {
        uint32_t from = (s > first ? s : first) - first;
        uint32_t to = (e < rowEnd ? e : rowEnd) - first;
        FillBand(dc, m.hexLeft + 3 * m.charWidth * from, y, m.hexLeft + 3 * m.charWidth * to, bottom, brushes[2]);
    }

    for (uint32_t j = 0; j < m.bytesPerRow; ++j) {
        const uint32_t p = first + j;
        if (p >= document->size)
            break;
        const unsigned char byte = document->data[p];
        COLORREF color = (s <= p && p < e) ? displayColors[SelectedText] : displayColors[DataText];
        if (IsMarked(p))
            color = displayColors[MarkText];
        else
            FindColoringColor(byte, color);
        SetTextColor(dc, color);
        length = std::snprintf(text, sizeof text, "%02X", byte);
        TextOutA(dc, m.hexLeft + 3 * m.charWidth * static_cast<int>(j), y, text, length);
        SetTextColor(dc, displayColors[DataText]);
        PaintCharacterCell(dc, p, m.textLeft + m.charWidth * static_cast<int>(j), y);
    }
}

void HexView::PaintCharacterCell(HDC dc, uint32_t p, int x, int y)
{
    ByteView bytes = {document->data, document->size};
    DecodedCell cell = DecodeCell(charCode, bytes, p, skipNextCell, frame && frame->procUnicode);
    if (cell.kind == DecodedCell::AnsiText)
        TextOutA(dc, x, y, cell.ansi, cell.ansiLength);
    else if (cell.kind == DecodedCell::WideUnit)
        TextOutW(dc, x, y, &cell.unit, 1);
}

void HexView::ToggleCaretMark(HDC dc, CaretMark which)
{
    const DisplayMetrics& m = displayMetrics;
    uint32_t offset = which == CurrentCaretMark ? caret : previousCaret;
    int nibble = which == CurrentCaretMark ? lowNibble : previousLowNibble;
    uint32_t row = offset / m.bytesPerRow;
    if (row < topRow)
        return;
    int column = static_cast<int>(offset % m.bytesPerRow);
    // Rows far below the window are clipped; keep the arithmetic in range.
    uint32_t screenRow = row - topRow;
    if (screenRow > 0xFFFFu)
        return;
    int top = m.headerHeight + static_cast<int>(screenRow) * m.lineHeight;
    int bottom = top + m.lineHeight;
    int digitLeft = m.hexLeft + m.charWidth * (3 * column + nibble);
    RECT digit = {digitLeft, top, digitLeft + m.charWidth, bottom};
    InvertRect(dc, &digit);
    int cellLeft = m.textLeft + m.charWidth * column;
    RECT bar = {cellLeft, bottom - 2, cellLeft + m.charWidth, bottom};
    InvertRect(dc, &bar);
}
