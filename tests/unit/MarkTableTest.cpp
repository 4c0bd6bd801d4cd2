#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "search/ByteSum.h"
#include "search/MarkTable.h"

// Setting, jumping, summing and marks past the end are in the end-to-end SearchTest.
TEST(MarkTable, AFullTableTakesNoMoreUntilAMarkIsRemoved)
{
    MarkTable marks;
    for (uint32_t i = 0; i < 64; ++i)
        marks.Toggle(100 + i);
    marks.Toggle(5);
    EXPECT_FALSE(marks.Contains(5));
    marks.Toggle(130);
    marks.Toggle(5);
    EXPECT_TRUE(marks.Contains(5));
}

TEST(ByteSum, EqualsAPlainSumAtAnyLengthAndWrapsAtThirtyTwoBits)
{
    std::vector<unsigned char> data(4000);
    std::mt19937 random(3);
    for (unsigned char& b : data)
        b = static_cast<unsigned char>(random() % 2 ? 0xFF : random());
    for (uint32_t start : {0u, 1u, 3u})
        for (uint32_t length : {0u, 1u, 5u, 511u, 512u, 513u, 3990u}) {
            uint32_t plain = 0;
            for (uint32_t i = start; i < start + length; ++i)
                plain += data[i];
            ASSERT_EQ(SumBytes(data.data() + start, length), plain) << start << " " << length;
        }
    // 16,843,009 bytes of FF sum to FFFFFFFF; one more wraps around.
    std::vector<unsigned char> ones(16843010, 0xFF);
    EXPECT_EQ(SumBytes(ones.data(), 16843009), 0xFFFFFFFFu);
    EXPECT_EQ(SumBytes(ones.data(), 16843010), 0xFEu);
}
