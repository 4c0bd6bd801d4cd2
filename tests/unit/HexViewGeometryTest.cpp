#include <gtest/gtest.h>

#include "document/Document.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"

namespace {

// A view over a detached document, with a chosen number of visible rows.
class Geometry : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.document = &document;
        displayMetrics.visibleRows = 10;
    }
    void SetSize(uint32_t size)
    {
        ASSERT_TRUE(document.Resize(size));
        view.ResetView();
    }
    Document document;
    HexView view;
};

} // namespace

TEST_F(Geometry, EmptyDocumentNeverScrolls)
{
    EXPECT_EQ(view.FullRows(), 0u);
    EXPECT_EQ(view.MaxTopRow(), 0u);
    EXPECT_EQ(view.ScrollPageDown(), RedrawNothing);
    EXPECT_EQ(view.OnVScroll(SB_LINEDOWN), RedrawNothing);
    EXPECT_EQ(view.OnMouseWheel(MAKEWPARAM(0, static_cast<WORD>(-120))), RedrawNothing);
    EXPECT_EQ(view.GoToOffset(0xFFFFFFFF), CaretOnly);
    EXPECT_EQ(view.caret, 0u);
}

TEST_F(Geometry, MaxTopRowKeepsTheLastRowOnTheLastWholeLine)
{
    SetSize(16 * 25);        // 25 full rows plus the append row
    EXPECT_EQ(view.MaxTopRow(), 16u);
    SetSize(16 * 9 + 3);     // fits the window
    EXPECT_EQ(view.MaxTopRow(), 0u);
    SetSize(16 * 10);        // the append row needs one more line
    EXPECT_EQ(view.MaxTopRow(), 1u);
}

TEST_F(Geometry, GoToOffsetOnScreenOnlyMovesTheCaret)
{
    SetSize(0x20);
    EXPECT_EQ(view.GoToOffset(0xFFFFFFFF), CaretOnly);
    EXPECT_EQ(view.caret, 0x20u);
    EXPECT_EQ(view.topRow, 0u);
    EXPECT_EQ(view.previousCaret, 0u);
}

TEST_F(Geometry, GoToOffsetOffScreenScrollsToShowIt)
{
    SetSize(0x1000);
    view.lowNibble = 1;
    EXPECT_EQ(view.GoToOffset(0x805), RedrawAll);
    EXPECT_EQ(view.topRow, 0x80u - 10 + 1);   // caret row is the last whole row
    EXPECT_EQ(view.lowNibble, 0);
    EXPECT_EQ(view.previousLowNibble, 1);
    EXPECT_EQ(view.GoToOffset(0x100), RedrawAll);
    EXPECT_EQ(view.topRow, 0x10u);            // caret row is the first row
    EXPECT_EQ(view.GoToOffset(0x120), CaretOnly);
    EXPECT_EQ(view.topRow, 0x10u);
}

TEST_F(Geometry, PageScrollsStopAtBothEndsAndEndTheTypedByte)
{
    SetSize(16 * 25);
    EXPECT_EQ(view.ScrollPageUp(), RedrawNothing);
    view.lowNibble = 1;
    EXPECT_EQ(view.ScrollPageDown(), RedrawRows);
    EXPECT_EQ(view.topRow, 10u);
    EXPECT_EQ(view.lowNibble, 0);
    EXPECT_EQ(view.ScrollPageDown(), RedrawRows);
    EXPECT_EQ(view.topRow, 16u);
    EXPECT_EQ(view.ScrollPageDown(), RedrawNothing);
    EXPECT_EQ(view.ScrollPageUp(), RedrawRows);
    EXPECT_EQ(view.topRow, 6u);
    EXPECT_EQ(view.ScrollPageUp(), RedrawRows);
    EXPECT_EQ(view.topRow, 0u);
    EXPECT_EQ(view.caret, 0u);
}

TEST_F(Geometry, LineScrollsReportTheirDirection)
{
    SetSize(16 * 11);   // maxTopRow 2
    EXPECT_EQ(view.OnVScroll(SB_LINEUP), RedrawNothing);
    EXPECT_EQ(view.OnVScroll(SB_LINEDOWN), ScrolledTowardEnd);
    EXPECT_EQ(view.OnVScroll(SB_LINEDOWN), ScrolledTowardEnd);
    EXPECT_EQ(view.OnVScroll(SB_LINEDOWN),RedrawNothing);
}

TEST_F(Geometry, WheelScrollsThreeRowsAndClampsAtBothEnds)
{
    SetSize(16 * 15);   // maxTopRow 6
    const WPARAM down = MAKEWPARAM(0, static_cast<WORD>(-120));
    const WPARAM up = MAKEWPARAM(0, 120);
    EXPECT_EQ(view.OnMouseWheel(up), RedrawNothing);
    EXPECT_EQ(view.OnMouseWheel(down), RedrawRows);
    EXPECT_EQ(view.topRow, 3u);
    EXPECT_EQ(view.OnMouseWheel(down), RedrawRows);
    EXPECT_EQ(view.topRow, 6u);
    EXPECT_EQ(view.OnMouseWheel(down), RedrawNothing);
    view.topRow = 2;
    EXPECT_EQ(view.OnMouseWheel(up), RedrawRows);
    EXPECT_EQ(view.topRow, 0u);
}

TEST_F(Geometry, ThumbTrackingMapsACappedRangeOntoAllRows)
{
    SetSize(16u * 0x100000);   // 16 MiB
    const uint32_t maxTop = view.MaxTopRow();
    ScrollBarState bar = ComputeScrollBar(view.FullRows(), maxTop, displayMetrics.visibleRows);
    EXPECT_EQ(bar.nMax, 32767);
    EXPECT_EQ(bar.nPage, 10u);
    EXPECT_EQ(bar.nPos, MulDiv(static_cast<int>(maxTop), 32767, 0x100000));

    const int lastThumb = bar.nMax - static_cast<int>(bar.nPage) + 1;
    EXPECT_EQ(view.OnVScroll(MAKEWPARAM(SB_THUMBTRACK, lastThumb)), RedrawRows);
    EXPECT_EQ(view.topRow, maxTop);
    EXPECT_EQ(view.OnVScroll(MAKEWPARAM(SB_THUMBTRACK, 0)), RedrawRows);
    EXPECT_EQ(view.topRow, 0u);
    EXPECT_EQ(view.OnVScroll(MAKEWPARAM(SB_THUMBPOSITION, 100)), RedrawNothing);
    EXPECT_EQ(view.topRow, 0u);
}

TEST_F(Geometry, ScrollBarOfSmallAndEmptyDocuments)
{
    ScrollBarState empty = ComputeScrollBar(0, 0, 10);
    EXPECT_EQ(empty.nMax, 0);
    EXPECT_EQ(empty.nPos, 0);
    ScrollBarState small = ComputeScrollBar(100, 40, 10);
    EXPECT_EQ(small.nMax, 100);
    EXPECT_EQ(small.nPos, 40);
}

TEST_F(Geometry, SettleAfterEditPullsTheCaretBackToTheData)
{
    SetSize(16 * 30);
    view.caret = 16 * 30;
    view.topRow = 21;
    view.selectionAnchor = 4;
    view.selectionEnd = 9;
    ASSERT_TRUE(document.Resize(16 * 3 + 2));
    view.SettleAfterEdit();
    EXPECT_EQ(view.caret, 16u * 3 + 2);
    EXPECT_EQ(view.topRow, 0u);
    EXPECT_FALSE(view.HasSelection());

    SetSize(16 * 30);
    view.caret = 16 * 30;
    ASSERT_TRUE(document.Resize(16 * 20));
    view.SettleAfterEdit();
    EXPECT_EQ(view.caret, 16u * 20);
    EXPECT_EQ(view.topRow, 11u);   // the append row is the last whole row
}

TEST(DisplayMetricsRows, AtLeastOneRowFitsBelowTheHeader)
{
    DisplayMetrics metrics;
    metrics.MeasureFromAddressText(64, 16);
    EXPECT_EQ(metrics.charWidth, 8);
    EXPECT_EQ(metrics.hexLeft, 72);
    EXPECT_EQ(metrics.textLeft, 72 + 8 * 49);
    metrics.FitRows(16 * 11 + 5);
    EXPECT_EQ(metrics.visibleRows, 10);
    metrics.FitRows(20);
    EXPECT_EQ(metrics.visibleRows, 1);
    metrics.FitRows(0);
    EXPECT_EQ(metrics.visibleRows, 1);
}
