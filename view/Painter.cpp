// Painting the header and the rows. Every band fills its own background and
// text is drawn transparent over it, so nothing needs erasing first.
#include "app/FrameWindow.h"
#include "document/Document.h"
#include "view/CharCode.h"
#include "view/CharDecoder.h"
#include "view/DisplayColors.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"

namespace {

// At 96 dpi; both grow with the density.
const int paintedWidth = 1600;
const int caretBarHeight = 2;
const char hexDigits[] = "0123456789ABCDEF";

void FillBand(HDC dc, int left, int top, int right, int bottom, HBRUSH brush)
{
    RECT rect = {left, top, right, bottom};
    FillRect(dc, &rect, brush);
}

} // namespace

// Glyphs of one colour along a row, drawn by one call instead of one call a
// cell. Each byte keeps the origin that drawing its cell by itself gave it;
// the trail byte of a double-byte character adds its step to the lead byte's.
class GlyphRun {
public:
    // advances: those of the printable ASCII characters in the font.
    explicit GlyphRun(const int* advances) : advances(advances) {}
    // Glyphs of another colour go into a call of their own.
    void SetColor(HDC dc, COLORREF next, int y)
    {
        if (next == color)
            return;
        Draw(dc, y);
        SetTextColor(dc, next);
        color = next;
    }
    void Add(int x, char byte)
    {
        text[length] = byte;
        origin[length] = x;
        ++length;
    }
    void Draw(HDC dc, int y)
    {
        if (length == 0)
            return;
        char spaced[spacedCapacity];
        int spacedLength = 0;
        if (SpaceOut(spaced, spacedLength)) {
            ExtTextOutA(dc, origin[0], y, 0, nullptr, spaced, spacedLength, nullptr);
            length = 0;
            return;
        }
        int steps[capacity];
        for (int i = 0; i + 1 < length; ++i)
            steps[i] = origin[i + 1] - origin[i];
        steps[length - 1] = 0;
        ExtTextOutA(dc, origin[0], y, 0, nullptr, text, length, steps);
        length = 0;
    }

private:
    // A step array doubles what a call costs the platform. A run of ASCII
    // whose origins the font's own advances reach, with spaces in the gaps,
    // needs none: false when the run is not such a run.
    bool SpaceOut(char* spaced, int& spacedLength) const
    {
        const int space = advances[0];
        for (int i = 0; i < length; ++i) {
            const unsigned char byte = static_cast<unsigned char>(text[i]);
            if (byte < ' ' || byte > '~')
                return false;
            const int gap = i + 1 < length ? origin[i + 1] - origin[i] - advances[byte - ' '] : 0;
            const int spaces = space > 0 && gap > 0 ? gap / space : 0;
            if (gap != spaces * space || spacedLength + 1 + spaces > spacedCapacity)
                return false;
            spaced[spacedLength++] = text[i];
            for (int k = 0; k < spaces; ++k)
                spaced[spacedLength++] = ' ';
        }
        return true;
    }

    const int* advances;
    COLORREF color = CLR_INVALID;
    // The most one row needs: two digits and two bytes of text per column.
    static const int capacity = 4 * 16;
    static const int spacedCapacity = 2 * capacity;
    char text[capacity];
    int origin[capacity];
    int length = 0;
};

namespace {

// The code page ExtTextOutA reads the display font's text in.
UINT TextCodePage(HDC dc)
{
    CHARSETINFO info;
    const UINT_PTR charset = static_cast<UINT_PTR>(GetTextCharset(dc));
    return TranslateCharsetInfo(reinterpret_cast<DWORD*>(charset), &info, TCI_SRCCHARSET) ? info.ciACP : CP_ACP;
}

// ExtTextOutA gives every lead byte and the byte after it one step together,
// though its conversion may read a lead byte before 00 as two characters, and
// a lead byte alone (the kana byte of an EUC pair) would take the next cell's
// byte along. In a run such a cell moves every glyph after it out of its cell.
bool ReadAsOneCharacter(UINT codePage, const DecodedCell& cell)
{
    if (!IsDBCSLeadByteEx(codePage, static_cast<BYTE>(cell.ansi[0])))
        return cell.ansiLength == 1;
    return cell.ansiLength == 2 && MultiByteToWideChar(codePage, 0, cell.ansi, 2, nullptr, 0) == 1;
}

// Each character the system reads from the cell's text, a cell apart from x,
// so that none reaches past the cells of the bytes it came from.
void DrawCharactersInCells(HDC dc, int x, int y, UINT codePage, const DecodedCell& cell, int cellWidth)
{
    wchar_t units[sizeof cell.ansi];
    const int count = MultiByteToWideChar(codePage, 0, cell.ansi, cell.ansiLength, units, sizeof cell.ansi);
    INT steps[sizeof cell.ansi] = {cellWidth, cellWidth, cellWidth};
    ExtTextOutW(dc, x, y, 0, nullptr, units, count, steps);
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
    MeasureAsciiAdvances(dc);
    textCodePage = TextCodePage(dc);

    const DisplayMetrics& m = displayMetrics;
    if (ps.rcPaint.top < m.headerHeight)
        PaintHeader(dc);
    ByteView bytes = {document->data, document->size};
    uint32_t firstOffset = topRow * m.bytesPerRow;
    if (charCode == ShiftJis)
        skipNextCell = ShiftJisStartState(bytes, firstOffset);
    else if (charCode == Euc)
        skipNextCell = EucStartState(bytes, firstOffset);
    for (uint32_t i = 0; i <= m.visibleRows; ++i) {
        const int y = m.headerHeight + static_cast<int>(i) * m.lineHeight;
        // A row below the update region is drawn as well: a glyph taller than
        // the line reaches up into the row above it. The region itself is
        // asked, not its bounds: a scroll leaves bands apart at top and bottom.
        const RECT reach = {0, y - m.lineHeight, ScaledToDpi(paintedWidth, dpi), y + m.lineHeight};
        if (RectVisible(dc, &reach))
            PaintRow(dc, i);
        else
            CarryDecoding(i);
    }

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

// The second digit of a pair or label stands where the first one's advance
// puts it, which a proportional font makes differ from the cell width. Runs
// of ASCII use the advances to do without a step array.
void HexView::MeasureAsciiAdvances(HDC dc)
{
    if (GetCharWidth32A(dc, ' ', '~', asciiAdvance))
        return;
    for (int& advance : asciiAdvance)
        advance = displayMetrics.charWidth;
}

int HexView::AdvanceOf(char c) const
{
    return asciiAdvance[c - ' '];
}

void HexView::PaintHeader(HDC dc)
{
    const DisplayMetrics& m = displayMetrics;
    FillBand(dc, 0, 0, ScaledToDpi(paintedWidth, dpi), m.headerHeight, brushes[0]);
    SetTextColor(dc, displayColors[AddressText]);
    RECT addressCell = {0, 0, m.hexLeft - m.charWidth, m.headerHeight};
    DrawTextA(dc, "ADDRESS", 7, &addressCell, DT_CENTER);
    GlyphRun labels(asciiAdvance);
    for (int j = 0; j < m.bytesPerRow; ++j) {
        const int x = m.hexLeft + 3 * m.charWidth * j;
        labels.Add(x, '+');
        labels.Add(x + AdvanceOf('+'), hexDigits[j % 16]);
    }
    for (int j = 0; j < m.bytesPerRow; ++j)
        labels.Add(m.textLeft + m.charWidth * j, hexDigits[j % 16]);
    labels.Draw(dc, 0);
}

void HexView::PaintRow(HDC dc, uint32_t i)
{
    const DisplayMetrics& m = displayMetrics;
    const uint32_t first = (topRow + i) * m.bytesPerRow;
    const int y = m.headerHeight + static_cast<int>(i) * m.lineHeight;
    const int bottom = y + m.lineHeight;
    const int addressRight = m.hexLeft - m.charWidth;

    // The address right-aligned and clipped to its cell as DrawText would
    // place it, with the cell's background in the same call.
    char address[8];
    int width = 0;
    for (int k = 0; k < 8; ++k) {
        const unsigned digit = first >> (28 - 4 * k) & 0x0F;
        address[k] = hexDigits[digit];
        width += AdvanceOf(hexDigits[digit]);
    }
    RECT addressCell = {0, y, addressRight, bottom};
    SetTextColor(dc, displayColors[AddressText]);
    SetBkColor(dc, displayColors[AddressBack]);
    ExtTextOutA(dc, addressRight - width, y, ETO_OPAQUE | ETO_CLIPPED, &addressCell, address, 8, nullptr);
    FillBand(dc, addressRight, y, ScaledToDpi(paintedWidth, dpi), bottom, brushes[1]);

    const uint32_t s = SelectionStart();
    const uint32_t e = SelectionStop();
    const uint32_t rowEnd = first + m.bytesPerRow;
    if (s < rowEnd && first < e) {
        uint32_t from = (s > first ? s : first) - first;
        uint32_t to = (e < rowEnd ? e : rowEnd) - first;
        FillBand(dc, m.hexLeft + 3 * m.charWidth * from, y, m.hexLeft + 3 * m.charWidth * to, bottom, brushes[2]);
    }
    const uint32_t end = rowEnd < document->size ? rowEnd : (first < document->size ? document->size : first);
    GlyphRun run(asciiAdvance);
    PaintDigits(dc, first, end, y, run);
    PaintCharacters(dc, first, end, y, run);
    run.Draw(dc, y);
}

// The digit pairs of the bytes first .. end - 1, one call for each run of
// bytes that share a colour.
void HexView::PaintDigits(HDC dc, uint32_t first, uint32_t end, int y, GlyphRun& digits)
{
    const DisplayMetrics& m = displayMetrics;
    const uint32_t s = SelectionStart();
    const uint32_t e = SelectionStop();
    for (uint32_t p = first; p < end; ++p) {
        const unsigned char byte = document->data[p];
        COLORREF color = (s <= p && p < e) ? displayColors[SelectedText] : displayColors[DataText];
        if (IsMarked(p))
            color = displayColors[MarkText];
        else
            FindColoringColor(byte, color);
        digits.SetColor(dc, color, y);
        const int x = m.hexLeft + 3 * m.charWidth * static_cast<int>(p - first);
        digits.Add(x, hexDigits[byte >> 4]);
        digits.Add(x + AdvanceOf(hexDigits[byte >> 4]), hexDigits[byte & 0x0F]);
    }
}

// The character column of the bytes first .. end - 1: ANSI text in one call
// with the digits before it that share its colour, a UTF-16 unit or text
// the system reads otherwise than the decoder by itself.
void HexView::PaintCharacters(HDC dc, uint32_t first, uint32_t end, int y, GlyphRun& characters)
{
    const DisplayMetrics& m = displayMetrics;
    characters.SetColor(dc, displayColors[DataText], y);
    ByteView bytes = {document->data, document->size};
    const bool unicode = frame && frame->procUnicode;
    for (uint32_t p = first; p < end; ++p) {
        const int x = m.textLeft + m.charWidth * static_cast<int>(p - first);
        DecodedCell cell = DecodeCell(charCode, bytes, p, skipNextCell, unicode);
        if (cell.kind == DecodedCell::AnsiText && ReadAsOneCharacter(textCodePage, cell)) {
            for (int k = 0; k < cell.ansiLength; ++k)
                characters.Add(x + k * m.charWidth, cell.ansi[k]);
        } else if (cell.kind == DecodedCell::AnsiText) {
            characters.Draw(dc, y);
            DrawCharactersInCells(dc, x, y, textCodePage, cell, m.charWidth);
        } else if (cell.kind == DecodedCell::WideUnit) {
            characters.Draw(dc, y);
            TextOutW(dc, x, y, &cell.unit, 1);
        }
    }
}

// A row left out of the paint still passes a two-byte character on to the next.
void HexView::CarryDecoding(uint32_t i)
{
    if (charCode != ShiftJis && charCode != Euc)
        return;
    ByteView bytes = {document->data, document->size};
    const uint32_t first = (topRow + i) * displayMetrics.bytesPerRow;
    for (uint32_t p = first; p < first + displayMetrics.bytesPerRow && p < document->size; ++p)
        DecodeCell(charCode, bytes, p, skipNextCell, false);
}
void HexView::ToggleCaretMark(HDC dc, CaretMark which)
{
    if (which == CurrentCaretMark)
        InvertCaretMark(dc, caret, lowNibble);
    else
        InvertCaretMark(dc, previousCaret, previousLowNibble);
}

void HexView::InvertCaretMark(HDC dc, uint32_t offset, int nibble)
{
    const DisplayMetrics& m = displayMetrics;
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
    RECT bar = {cellLeft, bottom - ScaledToDpi(caretBarHeight, dpi), cellLeft + m.charWidth, bottom};
    InvertRect(dc, &bar);
}
