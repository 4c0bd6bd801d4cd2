#include <gtest/gtest.h>

#include "view/CharCode.h"

TEST(CharCodeSetting, OnlyTheLowEightBitsCountAndOutOfRangeMeansTheFirst)
{
    SetCharCode(0x104);
    EXPECT_EQ(charCode, Utf8);
    SetCharCode(7);
    EXPECT_EQ(charCode, Ascii);
    SetCharCode(0xFFFFFF02u);
    EXPECT_EQ(charCode, Euc);
    SetByteOrder(0x101);
    EXPECT_EQ(byteOrder, BigEndian);
    SetByteOrder(2);
    EXPECT_EQ(byteOrder, LittleEndian);
}

TEST(CharCodeSetting, CyclingWrapsFromUtf8ToAscii)
{
    SetCharCode(Ucs2);
    CycleCharCode();
    EXPECT_EQ(charCode, Utf8);
    CycleCharCode();
    EXPECT_EQ(charCode, Ascii);
    CycleCharCode();
    EXPECT_EQ(charCode, ShiftJis);
}
