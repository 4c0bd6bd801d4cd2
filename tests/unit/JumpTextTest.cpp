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
