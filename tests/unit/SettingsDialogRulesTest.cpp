#include <gtest/gtest.h>

#include "dialogs/ColoringDialog.h"
#include "dialogs/OptionsDialog.h"

TEST(ColoringValueFromEdit, ReadsTwoHexadecimalCharacters)
{
    EXPECT_EQ(ColoringValueFromEdit(""), NoColoringValue);
    EXPECT_EQ(ColoringValueFromEdit("G1"), NoColoringValue);
    EXPECT_EQ(ColoringValueFromEdit("0"), 0);
    EXPECT_EQ(ColoringValueFromEdit("00"), 0);
    EXPECT_EQ(ColoringValueFromEdit("1G"), 1);
    EXPECT_EQ(ColoringValueFromEdit("41"), 0x41);
    EXPECT_EQ(ColoringValueFromEdit("FF"), 0xFF);
    EXPECT_EQ(ColoringValueFromEdit("ff"), 0xFF);
    EXPECT_EQ(ColoringValueFromEdit(" 7"), 7);
    EXPECT_EQ(ColoringValueFromEdit("123"), 0x12);
    // A sign is no digit: the rule goes off rather than taking a value no byte has.
    EXPECT_EQ(ColoringValueFromEdit("-1"), NoColoringValue);
    EXPECT_EQ(ColoringValueFromEdit("+1"), NoColoringValue);
}

TEST(FirstRepeatedNumpadKey, NamesTheLaterListOfTheFirstPair)
{
    EXPECT_EQ(FirstRepeatedNumpadKey({0, 0, 0, 0, 0, 0}), -1);
    EXPECT_EQ(FirstRepeatedNumpadKey({VK_DIVIDE, VK_MULTIPLY, VK_SUBTRACT, VK_ADD, VK_RETURN, VK_DECIMAL}), -1);
    EXPECT_EQ(FirstRepeatedNumpadKey({VK_DIVIDE, VK_DIVIDE, 0, 0, 0, 0}), 1);
    // Pairs are taken from the first list on: A with F comes before B with C.
    EXPECT_EQ(FirstRepeatedNumpadKey({VK_ADD, VK_RETURN, VK_RETURN, 0, 0, VK_ADD}), 5);
}
