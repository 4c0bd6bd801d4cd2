#include <gtest/gtest.h>

#include "view/DisplayFont.h"

TEST(DisplayFont, DefaultDescriptionAsksForAFixedShiftJisFont)
{
    LOGFONTA font = DisplayFontDescription("FixedSys", 14, false, false, 96);
    EXPECT_STREQ(font.lfFaceName, "FixedSys");
    EXPECT_EQ(font.lfHeight, -19);
    EXPECT_EQ(font.lfWidth, 0);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(font.lfPitchAndFamily, 0x31);
    LOGFONTA bold = DisplayFontDescription("ＭＳ ゴシック", 9, true, true, 96);
    EXPECT_EQ(bold.lfWeight, FW_BOLD);
    EXPECT_EQ(bold.lfItalic, 1);
}

TEST(DisplayFont, PointSizeSurvivesTheWayThroughTheFontHeight)
{
    for (int dpi : {72, 96, 120, 144, 192})
        for (int points = MinFontPoints; points <= MaxFontPoints; ++points)
            EXPECT_EQ(PointSizeOfHeight(DisplayFontDescription("x", points, false, false, dpi).lfHeight, dpi), points)
                << points << " points at " << dpi << " dpi";
}

TEST(DisplayFont, OverlongFaceNamesAreCut)
{
    std::string face(100, 'f');
    LOGFONTA font = DisplayFontDescription(face.c_str(), 14, false, false, 96);
    EXPECT_EQ(std::string(font.lfFaceName), std::string(LF_FACESIZE - 1, 'f'));
}
