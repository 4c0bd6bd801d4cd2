#include <gtest/gtest.h>

#include <string>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"
#include "view/InputRules.h"

// Typing, selecting and deleting with real key presses and the pointer are in
// the end-to-end RealInputTest; these are the rules it cannot see.
namespace {

// A view over a detached document and frame, 10 rows high.
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
    void Load(uint32_t size)
    {
        ASSERT_TRUE(document.Resize(size));
        view.ResetView();
    }
    RefreshCode Key(WPARAM key) { return view.OnKeyDown(key, 0); }

    FrameWindow frame;
    Document document;
    HexView view;
};

} // namespace

// An upper-case digit typed with Shift down advances without selecting.
TEST_F(Input, TypingWithShiftDownSelectsNothing)
{
    Load(40);
    view.caret = 5;
    Key(VK_SHIFT);
    view.OnChar('A');
    view.OnChar('B');
    EXPECT_EQ(view.caret, 6u);
    EXPECT_FALSE(view.HasSelection());
}

TEST_F(Input, CaretKeysScrollOneRowAtTheEdges)
{
    Load(16 * 30);
    view.caret = 16 * 9 + 3;
    EXPECT_EQ(Key(VK_DOWN), ScrolledTowardEnd);
    EXPECT_EQ(view.topRow, 1u);
    view.caret = 16;
    EXPECT_EQ(Key(VK_LEFT), ScrolledTowardStart);
    EXPECT_EQ(view.topRow, 0u);
}

// A settings file may give one keypad key to two letters: the first letter wins.
TEST(InputRules, TheFirstLetterGivenAKeypadKeyWins)
{
    FrameWindow frame;
    frame.numpadKeys[2].vk = VK_DIVIDE;
    frame.numpadKeys[5].vk = VK_DIVIDE;
    EXPECT_EQ(NumpadLetter(frame.numpadKeys, VK_DIVIDE, 0), 'C');
    EXPECT_EQ(NumpadLetter(frame.numpadKeys, VK_ADD, 0), 0);
}
