#include <gtest/gtest.h>

#include <string>

#include "settings/SettingsFormat.h"

namespace {

constexpr COLORREF red = RGB(0xFF, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 0xFF);
constexpr COLORREF black = 0;

} // namespace

TEST(SettingsFormatColor, SwapRedBlueIsItsOwnInverseWithoutTheTopByte)
{
    EXPECT_EQ(SwapRedBlue(0xAB112233), 0x00332211u);
    EXPECT_EQ(SwapRedBlue(SwapRedBlue(0xAB112233)), 0x00112233u);
}

TEST(SettingsFormatColor, FieldsAtFixedPositionsAndBlackWhenUnreadable)
{
    EXPECT_EQ(ReadColorTriple("FF0000"), (std::array<COLORREF, 3>{red, black, black}));
    EXPECT_EQ(ReadColorTriple("C0C0C0,ff,000080"), (std::array<COLORREF, 3>{RGB(0xC0, 0xC0, 0xC0), blue, RGB(0, 0, 0x80)}));
    EXPECT_EQ(ReadColorField("zz0000", 0), black);
    EXPECT_EQ(ReadColorField("FF0000", 1000), black);
    EXPECT_EQ(FormatColorTriple(ReadColorTriple("abcdef,ff")), "ABCDEF,0000FF,000000");
    EXPECT_EQ(FormatColor(0xFF0000FF), "FF0000");
}

TEST(SettingsFormatColoring, ReadsTenCharacterEntries)
{
    const char* value = "0a,FF0000,--,00FF00,00,0000FF";
    ColoringRule first = ReadColoringRule(value, 0);
    EXPECT_EQ(first.value, 10);
    EXPECT_EQ(first.color, red);
    EXPECT_EQ(ReadColoringRule(value, 1).value, NoColoringValue);
    EXPECT_EQ(ReadColoringRule(value, 2).value, 0);
    ColoringRule missing = ReadColoringRule(value, 3);
    EXPECT_EQ(missing.value, NoColoringValue);
    EXPECT_EQ(missing.color, black);
}

TEST(SettingsFormatColoring, WritesUpperCaseWithDashesAndRoundTripsTheDefault)
{
    ColoringRule rules[5] = {{10, red}, {NoColoringValue, blue}, {0, black}, {0x1AB, RGB(1, 2, 3)}, {NoColoringValue, 0}};
    EXPECT_EQ(FormatColoring(rules), "0A,FF0000,--,0000FF,00,000000,AB,010203,--,000000");
    const char* defaultValue = "--,0000FF,--,FF00FF,--,00A000,--,00A0A0,--,A0A000";
    for (int i = 0; i < 5; ++i)
        rules[i] = ReadColoringRule(defaultValue, i);
    EXPECT_EQ(FormatColoring(rules), defaultValue);
}

TEST(SettingsFormatNumpad, ExactNamesOnlyInBothDirections)
{
    const std::pair<const char*, WORD> names[] = {{"/", VK_DIVIDE}, {"*", VK_MULTIPLY}, {"-", VK_SUBTRACT},
                                                  {"+", VK_ADD}, {"Enter", VK_RETURN}, {".", VK_DECIMAL}};
    for (const auto& [name, vk] : names) {
        EXPECT_EQ(NumpadKeyFromName(name), vk) << name;
        EXPECT_STREQ(NumpadKeyName(vk), name);
    }
    for (const char* text : {"", "enter", "Enter ", "//"})
        EXPECT_EQ(NumpadKeyFromName(text), 0) << '"' << text << '"';
    EXPECT_STREQ(NumpadKeyName(0), "");
}

TEST(SettingsFormatFindMode, LowEightBitsAbove2MeanText)
{
    EXPECT_EQ(FindModeFromSetting(2), 2);
    EXPECT_EQ(FindModeFromSetting(3), 0);
    EXPECT_EQ(FindModeFromSetting(0x101), 1);
}

TEST(SettingsFormatFontSize, SizesTheViewCannotOfferMeanTheDefault)
{
    EXPECT_EQ(FontSizeFromSetting(1), 1);
    EXPECT_EQ(FontSizeFromSetting(999), 999);
    for (int points : {0, -1, -14, 1000, 2147483647, -2147483647 - 1})
        EXPECT_EQ(FontSizeFromSetting(points), 14) << points;
}

TEST(SettingsFormatCalculatorPath, BackslashOnlyWhenMissingAndTrailByte5CIsNone)
{
    EXPECT_EQ(DefaultCalculatorPath("C:\\WINDOWS"), "C:\\WINDOWS\\CALC.EXE");
    EXPECT_EQ(DefaultCalculatorPath("C:\\"), "C:\\CALC.EXE");
    // 表 is 0x95 0x5C.
    EXPECT_EQ(DefaultCalculatorPath("C:\\表"), "C:\\表\\CALC.EXE");
}

TEST(SettingsFormatCalculatorPath, CutToAPathBufferOnACharacterBoundary)
{
    EXPECT_EQ(DefaultCalculatorPath(std::string(300, 'x').c_str()).size(), 259u);
    std::string wide = "CC";
    for (int i = 0; i < 129; ++i)
        wide += "表";
    // Byte 259 is a lead byte, so its character goes whole.
    EXPECT_EQ(DefaultCalculatorPath(wide.c_str()), wide.substr(0, 258));
}
