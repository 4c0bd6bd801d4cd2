#include <gtest/gtest.h>

#include <vector>

#include "search/ByteSum.h"
#include "search/MarkTable.h"

namespace {

uint32_t NearestMark(const MarkTable& marks, uint32_t caret, uint32_t size, bool forward)
{
    uint32_t mark = 0xDEAD;
    return marks.Nearest(caret, size, forward, mark) ? mark : MarkTable::emptyMark;
}

} // namespace

TEST(MarkTable, TogglingTwiceRemovesAndAFullTableTakesNoMore)
{
    MarkTable marks;
    marks.Toggle(7);
    EXPECT_TRUE(marks.Contains(7));
    marks.Toggle(7);
    EXPECT_FALSE(marks.Contains(7));
    for (uint32_t i = 0; i < 64; ++i)
        marks.Toggle(100 + i);
    marks.Toggle(5);
    EXPECT_FALSE(marks.Contains(5));
    // Removing any mark frees a slot for the next one.
    marks.Toggle(130);
    marks.Toggle(5);
    EXPECT_TRUE(marks.Contains(5));
    EXPECT_FALSE(marks.Contains(130));
}

TEST(MarkTable, NearestMarkOnEachSideOfTheCaret)
{
    MarkTable marks;
    for (uint32_t offset : {40u, 10u, 30u, 20u})
        marks.Toggle(offset);
    EXPECT_EQ(NearestMark(marks, 0, 100, true), 10u);
    EXPECT_EQ(NearestMark(marks, 20, 100, true), 30u);
    EXPECT_EQ(NearestMark(marks, 20, 100, false), 10u);
    EXPECT_EQ(NearestMark(marks, 25, 100, false), 20u);
    EXPECT_EQ(NearestMark(marks, 40, 100, true), MarkTable::emptyMark);
    EXPECT_EQ(NearestMark(marks, 10, 100, false), MarkTable::emptyMark);
    EXPECT_EQ(NearestMark(MarkTable(), 0, 0xFFFFFFFF, true), MarkTable::emptyMark);
}

TEST(MarkTable, MarksPastTheEndCountAgainOnceTheDataGrows)
{
    MarkTable marks;
    marks.Toggle(2);
    marks.Toggle(8);
    std::vector<unsigned char> data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(NearestMark(marks, 2, 8, true), MarkTable::emptyMark);
    EXPECT_EQ(NearestMark(marks, 8, 8, false), 2u);
    EXPECT_EQ(marks.MarkedSum(data.data(), 8), 3u);
    EXPECT_EQ(NearestMark(marks, 2, 10, true), 8u);
    EXPECT_EQ(marks.MarkedSum(data.data(), 10), 12u);
}

TEST(ByteSum, WrapsAtThirtyTwoBits)
{
    // 16,843,009 bytes of FF sum to FFFFFFFF; one more wraps around.
    std::vector<unsigned char> data(16843010, 0xFF);
    EXPECT_EQ(SumBytes(data.data(), 16843009), 0xFFFFFFFFu);
    EXPECT_EQ(SumBytes(data.data(), 16843010), 0xFEu);
    EXPECT_EQ(SumBytes(nullptr, 0), 0u);
    MarkTable marks;
    marks.Toggle(0);
    marks.Toggle(1);
    EXPECT_EQ(marks.MarkedSum(data.data(), 16843010), 0x1FEu);
}
