#include <gtest/gtest.h>

#include "search/JumpDialog.h"

TEST(JumpText, ReadsLikeStrtoulInBaseSixteen)
{
    EXPECT_EQ(ReadJumpText("1f"), 0x1Fu);
    EXPECT_EQ(ReadJumpText("  \t0X10"), 0x10u);
    EXPECT_EQ(ReadJumpText("+0x10"), 0x10u);
    EXPECT_EQ(ReadJumpText("-0x10"), 0xFFFFFFF0u);
    EXPECT_EQ(ReadJumpText("12G4"), 0x12u);
    EXPECT_EQ(ReadJumpText("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadJumpText("123456789"), 0xFFFFFFFFu);
    for (const char* text : {"", "   ", "XYZ", "0x", "0xG", "-", "\x82\x60", "\xFF"})
        EXPECT_EQ(ReadJumpText(text), 0u) << text;
}

TEST(JumpText, RelativeTargetsStayInsideTheData)
{
    EXPECT_EQ(JumpBackTarget(0x30, 0x10), 0x20u);
    EXPECT_EQ(JumpBackTarget(0x30, 0x31), 0u);
    EXPECT_EQ(JumpForwardTarget(0x30, 0xD0, 0x100), 0x100u);
    EXPECT_EQ(JumpForwardTarget(0x30, 0xD1, 0x100), 0x100u);
    // The sum would wrap around 32 bits to a small number.
    EXPECT_EQ(JumpForwardTarget(0x30, 0xFFFFFFFF, 0x100), 0x100u);
}
