#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "view/CharCode.h"
#include "view/CharDecoder.h"
#include "view/DisplayColors.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"

namespace {

// A view painted into a real window of its own, read back pixel by pixel.
class Painter : public ::testing::Test {
protected:
    void SetUp() override
    {
        current = this;
        WNDCLASSA wc = {};
        // A DC of its own keeps what a test sets on it from paint to paint.
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "PainterTestWindow";
        RegisterClassA(&wc);
        // Below where the editors of the end-to-end tests running beside this one open.
        window = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 440, 900, 300, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        view.window = window;
        view.document = &document;
        view.CreateDisplayFont("FixedSys", 14, false, false, WindowDpi(view.window));
        displayMetrics.FitRows(300);
        for (ColoringRule& rule : coloringRules)
            rule = {NoColoringValue, 0};
    }
    void TearDown() override
    {
        DestroyWindow(window);
        current = nullptr;
    }

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_PAINT && current && current->view.window == hwnd) {
            ++current->paints;
            current->view.Paint();
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    void Fill(uint32_t size, unsigned char byte)
    {
        ASSERT_TRUE(document.Resize(size));
        std::memset(document.data, byte, size);
    }
    // Everything again, the scroll bar included.
    void Repaint()
    {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        GdiFlush();
    }
    COLORREF Pixel(int x, int y) const
    {
        HDC dc = GetDC(window);
        COLORREF color = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return color;
    }
    // Whether any pixel of the box has exactly the colour.
    bool BoxHas(int left, int top, int right, int bottom, COLORREF color) const
    {
        HDC dc = GetDC(window);
        bool found = false;
        for (int y = top; y < bottom && !found; ++y)
            for (int x = left; x < right && !found; ++x)
                found = GetPixel(dc, x, y) == color;
        ReleaseDC(window, dc);
        return found;
    }
    // The digits of byte column j in screen row i.
    bool DigitsHave(int j, int i, COLORREF color) const
    {
        const DisplayMetrics& m = displayMetrics;
        int x = m.hexLeft + 3 * m.charWidth * j;
        int y = m.headerHeight + i * m.lineHeight;
        return BoxHas(x, y, x + 2 * m.charWidth, y + m.lineHeight, color);
    }
    // A pixel of the blank cell after byte column j in screen row i.
    COLORREF BlankAfter(int j, int i) const
    {
        const DisplayMetrics& m = displayMetrics;
        return Pixel(m.hexLeft + m.charWidth * (3 * j + 2) + m.charWidth / 2, m.headerHeight + i * m.lineHeight + 2);
    }
    COLORREF CellCorner(int j, int nibble, int i) const
    {
        const DisplayMetrics& m = displayMetrics;
        return Pixel(m.hexLeft + m.charWidth * (3 * j + nibble) + 1, m.headerHeight + i * m.lineHeight + 1);
    }

    // The window's size, its scroll bar included.
    RECT WindowArea() const
    {
        RECT area;
        GetWindowRect(window, &area);
        OffsetRect(&area, -area.left, -area.top);
        return area;
    }
    // The window's pixels, read in one piece.
    std::vector<uint32_t> Capture() const
    {
        const RECT client = WindowArea();
        HDC dc = GetWindowDC(window);
        HDC memory = CreateCompatibleDC(dc);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const uint32_t*>(bits);
        std::vector<uint32_t> pixels(first, first + client.right * client.bottom);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, dc);
        return pixels;
    }
    // Where two captures first differ, as "x,y", or "same".
    std::string FirstDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) const
    {
        const RECT client = WindowArea();
        for (size_t i = 0; i < a.size() && i < b.size(); ++i)
            if (a[i] != b[i])
                return std::to_string(i % client.right) + "," + std::to_string(i / client.right);
        return a.size() == b.size() ? "same" : "sizes differ";
    }
    // The view as drawing every label, digit pair and character cell with a
    // call of its own shows it: what the painter's runs of cells must match.
    void PaintCellByCell()
    {
        const DisplayMetrics& m = displayMetrics;
        HDC dc = GetDC(window);
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ previousFont = SelectObject(dc, view.font);
        auto fill = [dc](int left, int top, int right, int bottom, DisplayColorIndex color) {
            HBRUSH brush = CreateSolidBrush(displayColors[color]);
            RECT rect = {left, top, right, bottom};
            FillRect(dc, &rect, brush);
            DeleteObject(brush);
        };
        auto text = [dc](int x, int y, COLORREF color, const std::string& characters) {
            SetTextColor(dc, color);
            TextOutA(dc, x, y, characters.data(), static_cast<int>(characters.size()));
        };
        auto hex = [](unsigned value, int digits) {
            char buffer[12];
            std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
            return std::string(buffer);
        };
        const int addressRight = m.hexLeft - m.charWidth;
        fill(0, 0, 1600, m.headerHeight, AddressBack);
        RECT cell = {0, 0, addressRight, m.headerHeight};
        SetTextColor(dc, displayColors[AddressText]);
        DrawTextA(dc, "ADDRESS", 7, &cell, DT_CENTER);
        for (int j = 0; j < 16; ++j) {
            text(m.hexLeft + 3 * m.charWidth * j, 0, displayColors[AddressText], "+" + hex(j, 1));
            text(m.textLeft + m.charWidth * j, 0, displayColors[AddressText], hex(j, 1));
        }
        ByteView bytes = {document.data, document.size};
        BOOL skip = charCode == ShiftJis ? ShiftJisStartState(bytes, view.topRow * 16)
                    : charCode == Euc    ? EucStartState(bytes, view.topRow * 16)
                                         : FALSE;
        for (uint32_t i = 0; i <= m.visibleRows; ++i) {
            const uint32_t first = (view.topRow + i) * 16;
            const int y = m.headerHeight + static_cast<int>(i) * m.lineHeight;
            fill(0, y, addressRight, y + m.lineHeight, AddressBack);
            RECT address = {0, y, addressRight, y + m.lineHeight};
            SetTextColor(dc, displayColors[AddressText]);
            DrawTextA(dc, hex(first, 8).c_str(), 8, &address, DT_RIGHT);
            fill(addressRight, y, 1600, y + m.lineHeight, DataBack);
            for (uint32_t p = first; p < first + 16 && p < document.size; ++p)
                if (view.SelectionStart() <= p && p < view.SelectionStop())
                    fill(m.hexLeft + 3 * m.charWidth * (p - first), y, m.hexLeft + 3 * m.charWidth * (p - first + 1),
                         y + m.lineHeight, SelectionBack);
            for (uint32_t p = first; p < first + 16 && p < document.size; ++p) {
                COLORREF color = displayColors[view.SelectionStart() <= p && p < view.SelectionStop() ? SelectedText
                                                                                                       : DataText];
                if (view.IsMarked(p))
                    color = displayColors[MarkText];
                else
                    FindColoringColor(document.data[p], color);
                text(m.hexLeft + 3 * m.charWidth * (p - first), y, color, hex(document.data[p], 2));
                const int x = m.textLeft + m.charWidth * (p - first);
                DecodedCell decoded = DecodeCell(charCode, bytes, p, skip, frame.procUnicode);
                // Every character the system reads from the cell's text, in a cell of its own.
                wchar_t units[3] = {decoded.unit};
                int count = decoded.kind == DecodedCell::WideUnit ? 1 : 0;
                if (decoded.kind == DecodedCell::AnsiText)
                    count = MultiByteToWideChar(CP_ACP, 0, decoded.ansi, decoded.ansiLength, units, 3);
                SetTextColor(dc, displayColors[DataText]);
                for (int k = 0; k < count; ++k)
                    TextOutW(dc, x + k * m.charWidth, y, &units[k], 1);
            }
        }
        view.ToggleCaretMark(dc, HexView::CurrentCaretMark);
        SelectObject(dc, previousFont);
        ReleaseDC(window, dc);
    }

    // Scrolls the view every way and compares each step with a full repaint.
    void ScrollEveryWay(const char* textAlignment);
    // The display font, or one turned slightly so that each run climbs above its line.
    void SetLeaning(bool leaning)
    {
        LOGFONTA description;
        GetObjectA(view.font, sizeof description, &description);
        description.lfEscapement = description.lfOrientation = leaning ? 8 : 0;
        DeleteObject(view.font);
        view.font = CreateFontIndirectA(&description);
    }

    static Painter* current;
    FrameWindow frame;
    Document document;
    HexView view;
    HWND window = nullptr;
    int paints = 0;
};

Painter* Painter::current = nullptr;

const COLORREF white = RGB(255, 255, 255);
const COLORREF black = RGB(0, 0, 0);
const COLORREF navy = RGB(0, 0, 0x80);
const COLORREF red = RGB(255, 0, 0);
const COLORREF grey = RGB(0xC0, 0xC0, 0xC0);

} // namespace

TEST_F(Painter, EmptyDocumentShowsOnlyAddresses)
{
    Repaint();
    const DisplayMetrics& m = displayMetrics;
    EXPECT_EQ(Pixel(1, 1), grey);
    EXPECT_TRUE(BoxHas(0, m.headerHeight + m.lineHeight, m.hexLeft - m.charWidth, m.headerHeight + 2 * m.lineHeight,
                       black));
    EXPECT_FALSE(DigitsHave(1, 0, black));
    EXPECT_FALSE(DigitsHave(0, 1, black));
    // The caret mark sits on the first digit cell.
    EXPECT_EQ(CellCorner(0, 0, 0), black);
}

TEST_F(Painter, SelectionBandCoversExactlyTheSelectedBytes)
{
    Fill(32, 0x11);
    view.selectionAnchor = 10;
    view.selectionEnd = 5;
    Repaint();
    EXPECT_EQ(BlankAfter(4, 0), white);
    EXPECT_EQ(BlankAfter(5, 0), navy);
    EXPECT_EQ(BlankAfter(9, 0), navy);
    EXPECT_EQ(BlankAfter(10, 0), white);
    EXPECT_TRUE(DigitsHave(7, 0, white));
    EXPECT_TRUE(DigitsHave(3, 0, black));
    EXPECT_EQ(BlankAfter(7, 1), white);
}

TEST_F(Painter, MarkBeatsColouringAndSelectionTextColours)
{
    Fill(32, 0x41);
    document.data[20] = 0x42;
    coloringRules[1] = {0x41, RGB(0, 0xA0, 0)};
    coloringRules[3] = {0x41, RGB(0, 0, 0xFF)};
    coloringRules[4] = {0x42, RGB(0xA0, 0, 0xA0)};
    view.marks.slots[7] = 3;
    view.marks.slots[8] = 18;
    view.selectionAnchor = 16;
    view.selectionEnd = 24;
    Repaint();
    EXPECT_TRUE(DigitsHave(1, 0, RGB(0, 0xA0, 0)));
    EXPECT_FALSE(DigitsHave(1, 0, RGB(0, 0, 0xFF)));
    EXPECT_TRUE(DigitsHave(3, 0, red));
    EXPECT_FALSE(DigitsHave(3, 0, RGB(0, 0xA0, 0)));
    // Marked and selected: red digits on the selection band.
    EXPECT_TRUE(DigitsHave(2, 1, red));
    EXPECT_EQ(BlankAfter(2, 1), navy);
    EXPECT_TRUE(DigitsHave(4, 1, RGB(0xA0, 0, 0xA0)));
}

TEST_F(Painter, CaretMarkMovesByInversionWithoutRepainting)
{
    Fill(48, 0x00);
    Repaint();
    ASSERT_EQ(CellCorner(0, 0, 0), black);
    const int paintsBefore = paints;
    EXPECT_EQ(view.GoToOffset(0x13), CaretOnly);
    view.Refresh(CaretOnly);
    GdiFlush();
    EXPECT_EQ(CellCorner(0, 0, 0), white);
    EXPECT_EQ(CellCorner(3, 0, 1), black);
    view.previousCaret = view.caret;
    view.previousLowNibble = 0;
    view.lowNibble = 1;
    view.Refresh(CaretOnly);
    GdiFlush();
    EXPECT_EQ(CellCorner(3, 0, 1), white);
    EXPECT_EQ(CellCorner(3, 1, 1), black);
    EXPECT_EQ(paints, paintsBefore);
}

namespace {

// Sixteen-byte rows of Japanese words in each character code; a Shift-JIS
// pair and a UTF-8 sequence cross row ends.
std::string JapaneseRows()
{
    return std::string("SJIS \x93\xfa\x96\x7b\x8c\xea \xb1\xb2 \x82") + "\xa0" + "EUC \xc6\xfc\xcb\xdc\x8e\xb1 x\xa4\xa2 " +
           std::string("\xe5\x65\x2c\x67\x9e\x8a\x42\x30\x41\x00\x0a\x00 U2 ", 16) +
           "UTF8  \xe6\x97\xa5\xe6\x9c\xac A\xe3\x81" + "\x82 \xcf\x80 tail \x82\xa0\x82";
}

// Every lead byte before 00, 20, 7F and itself, and last of all; before them
// Shift-JIS pairs like that and EUC kana that are lead bytes, then pairs.
std::string LeadBytesBeforeOddBytes()
{
    std::string bytes = std::string("\xFF\x81\x00\x81\x81\xF8\x00", 7) + std::string(9, 'A') +
                        "\x8E\x81\xA4\xA2\x8E\x8E\xA4\xA2\x8E\xE0\xA4\xA2\x8E\xFC\xA4\xA2";
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        if (IsDBCSLeadByteEx(932, static_cast<BYTE>(lead)))
            for (char after : {'\x00', '\x20', '\x7F', static_cast<char>(lead)})
                bytes += {static_cast<char>(lead), after};
    return bytes + "\x81";
}

} // namespace

// Each state is painted twice, a page at a time: by the painter, and cell by
// cell as the reference. Then one digit is typed at the caret, and what
// Refresh repaints of the rows must equal a full repaint.
TEST_F(Painter, RunsOfCellsDrawWhatSeparateCellsDraw)
{
    view.frame = &frame;
    frame.insertMode = FALSE;
    coloringRules[0] = {0x20, RGB(0, 0x80, 0x80)};
    coloringRules[1] = {0x82, RGB(0xC0, 0, 0xC0)};
    const struct {
        std::string (*bytes)();
        CharCode code;
        BOOL unicode;
        uint32_t caret;
        BOOL insert;
        bool leaning = false;
    } states[] = {
        {JapaneseRows, Ascii, TRUE, 15, FALSE},    {JapaneseRows, ShiftJis, TRUE, 16, FALSE},
        {JapaneseRows, ShiftJis, TRUE, 14, TRUE},  {JapaneseRows, Euc, TRUE, 25, FALSE},
        {JapaneseRows, Ucs2, TRUE, 40, FALSE},     {JapaneseRows, Ucs2, FALSE, 34, FALSE},
        {JapaneseRows, Utf8, TRUE, 64, FALSE},     {JapaneseRows, Utf8, FALSE, 66, FALSE},
        {JapaneseRows, Utf8, TRUE, 47, FALSE, true}, {LeadBytesBeforeOddBytes, ShiftJis, TRUE, 17, FALSE},
        {LeadBytesBeforeOddBytes, ShiftJis, FALSE, 33, TRUE}, {LeadBytesBeforeOddBytes, Euc, TRUE, 16, FALSE},
    };
    for (const auto& state : states) {
        const std::string bytes = state.bytes();
        ASSERT_TRUE(document.Resize(static_cast<uint32_t>(bytes.size())));
        std::memcpy(document.data, bytes.data(), bytes.size());
        SetCharCode(state.code);
        SetLeaning(state.leaning);
        frame.procUnicode = state.unicode;
        frame.insertMode = state.insert;
        view.marks.slots[0] = 3;
        view.marks.slots[1] = 21;
        view.selectionAnchor = 20;
        view.selectionEnd = 9;
        view.caret = state.caret;
        view.lowNibble = 0;
        // A leaning run climbs with its length, a cell by itself does not.
        for (view.topRow = 0; view.topRow * 16 < bytes.size() && !state.leaning;
             view.topRow += displayMetrics.visibleRows) {
            Repaint();
            const std::vector<uint32_t> painted = Capture();
            PaintCellByCell();
            GdiFlush();
            EXPECT_EQ(FirstDifference(painted, Capture()), "same")
                << "code " << int(state.code) << ", top row " << view.topRow;
        }
        view.topRow = 0;
        Repaint();
        for (char digit : {'7', 'C'}) {
            view.Refresh(view.OnChar(digit));
            GdiFlush();
            const std::vector<uint32_t> refreshed = Capture();
            Repaint();
            EXPECT_EQ(FirstDifference(refreshed, Capture()), "same")
                << "code " << int(state.code) << ", caret " << state.caret << ", digit " << digit;
        }
    }
    SetCharCode(Ascii);
}

// Every way the view scrolls, one after the other in every character code,
// from a view with a selection, marks and a half-typed byte: what Refresh
// leaves on screen, scroll bar included, must equal a full repaint of the same
// top row. Then again with text set on its baseline, so that every glyph
// reaches up into the row above, as a glyph taller than the line does.
TEST_F(Painter, ScrollsDrawWhatAFullRepaintDraws)
{
    view.frame = &frame;
    std::string bytes;
    for (int i = 0; i < 16; ++i)
        bytes += JapaneseRows();
    ASSERT_TRUE(document.Resize(static_cast<uint32_t>(bytes.size())));
    std::memcpy(document.data, bytes.data(), bytes.size());
    ScrollEveryWay("top");
    SetTextAlign(GetDC(window), TA_BASELINE);
    ScrollEveryWay("baseline");
}

void Painter::ScrollEveryWay(const char* textAlignment)
{
    const uint32_t rows = displayMetrics.visibleRows;
    const uint32_t end = view.MaxTopRow();
    ASSERT_GT(end, 2 * rows);
    const WPARAM small = MAKEWPARAM(0, static_cast<WORD>(-40));
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        RefreshCode expected;
    } steps[] = {
        {"PageDown to the end, ending the typed byte", WM_KEYDOWN, VK_NEXT, RedrawRows},
        {"wheel up", WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), RedrawRows},
        {"small wheel delta", WM_MOUSEWHEEL, small, RedrawNothing},
        {"small wheel delta", WM_MOUSEWHEEL, small, RedrawNothing},
        {"small wheel deltas making a notch", WM_MOUSEWHEEL, small, RedrawRows},
        {"arrow up", WM_VSCROLL, SB_LINEUP, ScrolledTowardStart},
        {"arrow down", WM_VSCROLL, SB_LINEDOWN, ScrolledTowardEnd},
        {"page area up", WM_VSCROLL, SB_PAGEUP, RedrawRows},
        {"thumb by a few rows", WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, end - rows + 4), RedrawRows},
        {"page area down to the end", WM_VSCROLL, SB_PAGEDOWN, RedrawRows},
        {"PageUp", WM_KEYDOWN, VK_PRIOR, RedrawRows},
        {"thumb to the caret on the first row", WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, end), RedrawRows},
        {"Up at the top edge", WM_KEYDOWN, VK_UP, ScrolledTowardStart},
        {"thumb to the caret on the last whole row", WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, end - rows), RedrawRows},
        {"Down at the bottom edge", WM_KEYDOWN, VK_DOWN, ScrolledTowardEnd},
        {"thumb to the top", WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), RedrawRows},
    };
    for (CharCode code : {Ascii, ShiftJis, Euc, Ucs2, Utf8}) {
        SetCharCode(code);
        view.marks.slots[0] = end * 16 + 2;
        view.marks.slots[1] = end * 16 + 40;
        view.selectionAnchor = end * 16 - 20;
        view.selectionEnd = end * 16 + 9;
        view.topRow = end - 5;
        view.caret = end * 16 + 3;
        view.lowNibble = 1;
        view.Refresh(RedrawAll);
        for (const auto& step : steps) {
            const RefreshCode refresh = step.message == WM_KEYDOWN      ? view.OnKeyDown(step.wParam, 1)
                                        : step.message == WM_MOUSEWHEEL ? view.OnMouseWheel(step.wParam)
                                                                        : view.OnVScroll(step.wParam);
            EXPECT_EQ(refresh, step.expected) << step.name;
            view.Refresh(refresh);
            const std::vector<uint32_t> refreshed = Capture();
            Repaint();
            EXPECT_EQ(FirstDifference(refreshed, Capture()), "same")
                << "code " << int(code) << ", text on its " << textAlignment << ", " << step.name;
        }
    }
    SetCharCode(Ascii);
}
