#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "document/Document.h"
#include "search/ByteSum.h"
#include "search/MarkTable.h"
#include "view/HexView.h"

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
}

TEST(MarkTable, MarksPastTheEndCountAgainOnceTheDataGrows)
{
    MarkTable marks;
    for (uint32_t offset : {8u, 2u, 5u})
        marks.Toggle(offset);
    std::vector<unsigned char> data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(NearestMark(marks, 2, 8, true), 5u);
    EXPECT_EQ(NearestMark(marks, 5, 8, true), MarkTable::emptyMark);
    EXPECT_EQ(NearestMark(marks, 8, 8, false), 5u);
    EXPECT_EQ(NearestMark(marks, 2, 8, false), MarkTable::emptyMark);
    EXPECT_EQ(marks.MarkedSum(data.data(), 8), 9u);
    EXPECT_EQ(NearestMark(marks, 5, 10, true), 8u);
    EXPECT_EQ(marks.MarkedSum(data.data(), 10), 18u);
}

TEST(MarkCommands, ToggleActsOnTheCaretOnlyInsideTheData)
{
    Document document;
    ASSERT_TRUE(document.Resize(4));
    HexView view;
    view.document = &document;
    view.caret = 4;
    view.ToggleMark();
    EXPECT_FALSE(view.marks.Contains(4));
    view.caret = 3;
    view.selectionAnchor = 1;
    view.ToggleMark();
    EXPECT_TRUE(view.marks.Contains(3));
    EXPECT_FALSE(view.marks.Contains(1));
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
