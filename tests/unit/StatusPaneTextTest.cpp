#include <gtest/gtest.h>

#include "app/StatusPaneText.h"
#include "app/StatusPaneWidths.h"

TEST(PositionPane, ValuesFollowTheByteOrder)
{
    const unsigned char data[] = {0x12, 0x34, 0x56, 0x78, 0x9A};
    EXPECT_EQ(PositionPaneText(data, 5, 0, LittleEndian), "0x00000000 :  18 , 13330 , 2018915346");
    EXPECT_EQ(PositionPaneText(data, 5, 0, BigEndian), "0x00000000 :  18 ,  4660 ,  305419896");
    EXPECT_EQ(PositionPaneText(data, 5, 1, BigEndian), "0x00000001 :  52 , 13398 ,  878082202");
}

TEST(PositionPane, BytesPastTheEndCountAsZero)
{
    const unsigned char data[] = {0xAA, 0x12};
    EXPECT_EQ(PositionPaneText(data, 2, 1, LittleEndian), "0x00000001 :  18 ,    18 ,         18");
    EXPECT_EQ(PositionPaneText(data, 2, 1, BigEndian), "0x00000001 :  18 ,  4608 ,  301989888");
    EXPECT_EQ(PositionPaneText(data, 2, 2, LittleEndian), "0x00000002 :   0 ,     0 ,          0");
    EXPECT_EQ(PositionPaneText(nullptr, 0, 0, BigEndian), "0x00000000 :   0 ,     0 ,          0");
    EXPECT_EQ(BitPaneText(data, 2, 2), "00000000");
    EXPECT_EQ(BitPaneText(data, 2, 0), "10101010");
}

TEST(ModePanes, TextsOfTheModes)
{
    EXPECT_STREQ(CharCodePaneText(1), "S-JIS");
    EXPECT_STREQ(CharCodePaneText(4), "UTF-8");
    EXPECT_STREQ(CharCodePaneText(9), "ASCII");
    EXPECT_STREQ(InsertModePaneText(true), "挿入");
    EXPECT_STREQ(InsertModePaneText(false), "上書");
    EXPECT_STREQ(ReadOnlyPaneText(true), "編集禁止");
    EXPECT_STREQ(ReadOnlyPaneText(false), "");
}

TEST(Caption, UntitledAndModifiedDocuments)
{
    EXPECT_EQ(CaptionText("無題", false), "無題 - ZORIX Binary Editor");
    EXPECT_EQ(CaptionText("data.bin", true), "data.bin * - ZORIX Binary Editor");
}

TEST(StatusPanes, DesignedWidthsAreTheLeastAndWiderTextsPushTheFollowingPanes)
{
    const PaneEdges cases[][2] = {
        // text widths (margins 12), right edges
        {{100, 40, 40, 20, 30}, {210, 270, 330, 365, 410}},
        {{198, 48, 48, 23, 33}, {210, 270, 330, 365, 410}},
        {{199, 48, 48, 23, 33}, {211, 271, 331, 366, 411}},
        {{262, 52, 60, 24, 40}, {274, 338, 410, 446, 498}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FittedPaneEdges(c[0], 12, 96), c[1]);
    // On denser screens the designed edges grow, each to the nearest pixel.
    EXPECT_EQ(FittedPaneEdges(cases[0][0], 15, 120), (PaneEdges{263, 338, 413, 456, 513}));
    EXPECT_EQ(FittedPaneEdges(cases[0][0], 18, 144), (PaneEdges{315, 405, 495, 548, 615}));
    EXPECT_EQ(FittedPaneEdges({400, 40, 40, 20, 30}, 24, 192), (PaneEdges{424, 544, 664, 734, 824}));
}
