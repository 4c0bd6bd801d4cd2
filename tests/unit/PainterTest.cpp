#include <gtest/gtest.h>

#include <cstring>

#include "document/Document.h"
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
        view.CreateDisplayFont("FixedSys", 14, false, false);
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
    void Repaint()
    {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
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

    static Painter* current;
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
