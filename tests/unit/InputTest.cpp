#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"
#include "view/InputRules.h"

namespace {

// A view over a detached document and frame, 10 rows high, in 8-pixel cells.
class Input : public ::testing::Test {
protected:
    void SetUp() override
    {
        document.frame = &frame;
        view.frame = &frame;
        view.document = &document;
        displayMetrics.MeasureFromAddressText(64, 16);
        displayMetrics.visibleRows = 10;
    }
    void Load(const std::string& bytes)
    {
        ASSERT_TRUE(document.Resize(static_cast<uint32_t>(bytes.size())));
        std::memcpy(document.data, bytes.data(), bytes.size());
        view.ResetView();
    }
    std::string Bytes() const { return std::string(reinterpret_cast<const char*>(document.data), document.size); }
    void Type(const char* text)
    {
        for (; *text; ++text)
            view.OnChar(static_cast<unsigned char>(*text));
    }
    RefreshCode Key(WPARAM key) { return view.OnKeyDown(key, 0); }
    // The centre of the hexadecimal cell of an offset on screen.
    POINT CellOf(uint32_t offset) const
    {
        const DisplayMetrics& m = displayMetrics;
        int column = static_cast<int>(offset % 16);
        int row = static_cast<int>(offset / 16 - view.topRow);
        return {m.hexLeft + 3 * m.charWidth * column + m.charWidth, m.headerHeight + row * m.lineHeight + 4};
    }

    FrameWindow frame;
    Document document;
    HexView view;
};

} // namespace

TEST_F(Input, InsertTypingInsertsOneByteForTwoDigits)
{
    Load("ab");
    view.caret = 1;
    Type("41");
    EXPECT_EQ(Bytes(), "aAb");
    EXPECT_EQ(view.caret, 2u);
    view.EditUndo();
    EXPECT_EQ(Bytes(), "ab");
    EXPECT_EQ(view.caret, 1u);
    EXPECT_FALSE(document.modified);
}

TEST_F(Input, RefusedCharactersChangeNothing)
{
    Load("ab");
    Type("g\b\r\x1B");
    document.readOnly = TRUE;
    Type("4");
    EXPECT_EQ(Bytes(), "ab");
    EXPECT_TRUE(document.undoRecords.empty());
}

TEST_F(Input, ShiftArrowsSelectFromTheCaretAndTypingNeverSelects)
{
    Load(std::string(40, 'x'));
    view.caret = 5;
    Key(VK_SHIFT);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Key(VK_RIGHT), RedrawAll);
    EXPECT_EQ(view.selectionAnchor, 5u);
    EXPECT_EQ(view.selectionEnd, 8u);
    EXPECT_EQ(view.caret, 8u);
    view.OnKeyUp(VK_SHIFT);
    EXPECT_EQ(Key(VK_RIGHT), CaretOnly);
    EXPECT_EQ(view.selectionEnd, 8u);

    // An upper-case digit typed with Shift down advances without selecting.
    Key(VK_SHIFT);
    Type("AB");
    EXPECT_EQ(view.caret, 10u);
    EXPECT_EQ(view.selectionEnd, 8u);
}

TEST_F(Input, DownNeedsAWholeRowAfterTheCaret)
{
    Load(std::string(40, 'x'));
    view.caret = 25;
    EXPECT_EQ(Key(VK_DOWN), RedrawNothing);
    view.caret = 24;
    EXPECT_EQ(Key(VK_DOWN), CaretOnly);
    EXPECT_EQ(view.caret, 40u);
}

TEST_F(Input, CaretKeysScrollOneRowAtTheEdges)
{
    Load(std::string(16 * 30, 'x'));
    view.caret = 16 * 9 + 3;
    EXPECT_EQ(Key(VK_DOWN), ScrolledTowardEnd);
    EXPECT_EQ(view.topRow, 1u);
    view.caret = 16;
    EXPECT_EQ(Key(VK_LEFT), ScrolledTowardStart);
    EXPECT_EQ(view.topRow, 0u);
}

TEST_F(Input, HitTestFindsBytesOnlyInTheHexadecimalColumn)
{
    Load(std::string(0x30, 'x'));
    EXPECT_EQ(view.HitTestPoint(CellOf(0x25)), 0x25);
    EXPECT_EQ(view.HitTestPoint(CellOf(0x30)), 0x30);
    EXPECT_EQ(view.HitTestPoint(CellOf(0x31)), HexView::OutsideHex);
    const DisplayMetrics& m = displayMetrics;
    EXPECT_EQ(view.HitTestPoint({m.textLeft + 2, m.headerHeight + 2}), HexView::OutsideHex);
    EXPECT_EQ(view.HitTestPoint({m.hexLeft + 2, 2}), HexView::AboveRows);
    EXPECT_EQ(view.HitTestPoint({m.hexLeft + 2, m.headerHeight + 11 * m.lineHeight}), HexView::BelowRows);
}

// A settings file may give one keypad key to two letters: the first letter wins.
TEST(InputRules, KeypadLettersAndTheKeypadEnter)
{
    FrameWindow frame;
    frame.numpadKeys[2].vk = VK_DIVIDE;
    frame.numpadKeys[4].vk = VK_RETURN;
    frame.numpadKeys[5].vk = VK_DIVIDE;
    EXPECT_EQ(NumpadLetter(frame.numpadKeys, VK_DIVIDE, 0), 'C');
    EXPECT_EQ(NumpadLetter(frame.numpadKeys, VK_RETURN, 0), 0);
    EXPECT_EQ(NumpadLetter(frame.numpadKeys, VK_RETURN, 1 << 24), 'E');
    EXPECT_EQ(NumpadLetter(frame.numpadKeys, VK_ADD, 0), 0);
}
