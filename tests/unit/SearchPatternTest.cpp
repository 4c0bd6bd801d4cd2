#include <gtest/gtest.h>

#include <string>

#include "search/SearchPattern.h"

namespace {

// The sample text in code page 932, then iconv's EUC-JP, UTF-16LE and UTF-8 of it.
const char* const iconvSample[] = {
#include "SearchSample.inc"
};

// iconv's Shift-JIS for each JIS X 0208 code, rows 0x21..0x7E, cells 0x21..0x7E.
const uint16_t iconvShiftJis[] = {
#include "JisToCp932.inc"
};

std::string Bytes(std::initializer_list<unsigned char> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

std::string Hex(const char* text)
{
    SearchPattern pattern;
    return MakeHexPattern(text, pattern) ? pattern : "<invalid>";
}

std::string Decimal(const char* text, ByteOrder order = LittleEndian)
{
    SearchPattern pattern;
    return MakeDecimalPattern(text, order, pattern) ? pattern : "<invalid>";
}

} // namespace

TEST(TextPattern, EveryCharacterCodeAgreesWithIconv)
{
    const char* sample = iconvSample[0];
    EXPECT_EQ(MakeTextPattern(sample, Ascii), sample);
    EXPECT_EQ(MakeTextPattern(sample, ShiftJis), sample);
    EXPECT_EQ(MakeTextPattern(sample, Euc), iconvSample[1]);
    EXPECT_EQ(MakeTextPattern(sample, Utf8), iconvSample[3]);
    // The UTF-16 reference holds zero bytes, so its length comes from UTF-8's units.
    std::string ucs2 = MakeTextPattern(sample, Ucs2);
    ASSERT_EQ(ucs2.size() % 2, 0u);
    EXPECT_EQ(ucs2, std::string(iconvSample[2], ucs2.size()));
    EXPECT_EQ(iconvSample[2][ucs2.size()], '\0');
}

TEST(TextPattern, EucOfEveryJisCodeIsItsCodeWithHighBitsSet)
{
    int checked = 0;
    for (int j1 = 0x21; j1 <= 0x7E; ++j1)
        for (int j2 = 0x21; j2 <= 0x7E; ++j2) {
            uint16_t sjis = iconvShiftJis[(j1 - 0x21) * 94 + (j2 - 0x21)];
            if (sjis < 0x100)
                continue;
            const char text[] = {static_cast<char>(sjis >> 8), static_cast<char>(sjis & 0xFF), 0};
            ASSERT_EQ(MakeTextPattern(text, Euc), Bytes({static_cast<unsigned char>(j1 | 0x80),
                                                         static_cast<unsigned char>(j2 | 0x80)}))
                << std::hex << sjis;
            ++checked;
        }
    EXPECT_GT(checked, 6800);
}

TEST(TextPattern, EucOfPairsWithoutJisCodeAndOfKatakana)
{
    // User-defined area, a trail byte of 7F and one below 40 have no JIS X 0208 code.
    EXPECT_EQ(MakeTextPattern("\xF0\x40" "A", Euc), "\x80\x80" "A");
    EXPECT_EQ(MakeTextPattern("\x88\x7F", Euc), "\x80\x80");
    EXPECT_EQ(MakeTextPattern("\x88\x30" "B", Euc), "\x80\x80" "B");
    EXPECT_EQ(MakeTextPattern("\xB1\xDF", Euc), "\x8E\xB1\x8E\xDF");
    EXPECT_EQ(MakeTextPattern("\x80\xFD\xFF", Euc), "\x80\xFD\xFF");
}

TEST(TextPattern, LeadByteCutOffByTheTerminatorEndsTheConversion)
{
    // Each text is followed in memory by bytes a read past the terminator would take in.
    const char euc[] = "A\x88\0\x9F";
    EXPECT_EQ(MakeTextPattern(euc, Euc), "A\x80\x80");
    const char wide[] = "A\x88\0B";
    std::string ucs2 = MakeTextPattern(wide, Ucs2);
    EXPECT_EQ(ucs2.substr(0, 2), Bytes({'A', 0}));
    EXPECT_LE(ucs2.size(), 4u);
    EXPECT_EQ(ucs2.find('B'), std::string::npos);
}

TEST(TextPattern, Ucs2IsLowByteFirstAndUtf8EncodesUnitByUnit)
{
    EXPECT_EQ(MakeTextPattern("A", Ucs2), Bytes({0x41, 0x00}));
    EXPECT_EQ(MakeTextPattern("\x82\xA0", Ucs2), Bytes({0x42, 0x30}));
    EXPECT_EQ(EncodeUnitsAsUtf8(L"\u007F\u0080\u07FF\u0800\uFFFF"),
              Bytes({0x7F, 0xC2, 0x80, 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xEF, 0xBF, 0xBF}));
    // A surrogate pair (U+1F600) gives two three-byte sequences, not one of four bytes.
    EXPECT_EQ(EncodeUnitsAsUtf8(std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}),
              Bytes({0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80}));
}

TEST(HexPattern, DigitPairsFromTheLeftInEitherCase)
{
    EXPECT_EQ(Hex("ab"), Bytes({0xAB}));
    EXPECT_EQ(Hex("AB"), Bytes({0xAB}));
    EXPECT_EQ(Hex("ABC"), Bytes({0xAB, 0xC0}));
    EXPECT_EQ(Hex("00ff10"), Bytes({0x00, 0xFF, 0x10}));
    EXPECT_EQ(Hex(std::string(32, 'F').c_str()), std::string(16, '\xFF'));
}

TEST(HexPattern, AnythingButDigitsIsInvalid)
{
    for (const char* text : {"0x41", "41 42", "-41", "4G", "\x82\x60"})
        EXPECT_EQ(Hex(text), "<invalid>") << text;
}

TEST(DecimalPattern, FewestBytesInTheByteOrder)
{
    EXPECT_EQ(Decimal("0"), Bytes({0x00}));
    EXPECT_EQ(Decimal("255"), Bytes({0xFF}));
    EXPECT_EQ(Decimal("256"), Bytes({0x00, 0x01}));
    EXPECT_EQ(Decimal("256", BigEndian), Bytes({0x01, 0x00}));
    EXPECT_EQ(Decimal("65536"), Bytes({0x00, 0x00, 0x01}));
    EXPECT_EQ(Decimal("16777216", BigEndian), Bytes({0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Decimal("000000000000000000000000000007"), Bytes({0x07}));
}

TEST(DecimalPattern, BeyondThirtyTwoBitsIsTheLargestNumber)
{
    EXPECT_EQ(Decimal("4294967295"), std::string(4, '\xFF'));
    EXPECT_EQ(Decimal("4294967296"), std::string(4, '\xFF'));
    EXPECT_EQ(Decimal("99999999999999999999999999999999"), std::string(4, '\xFF'));
}

TEST(DecimalPattern, AnythingButDigitsIsInvalid)
{
    for (const char* text : {"1.5", "-1", "+1", "1e3", "0x10", " 1", "A"})
        EXPECT_EQ(Decimal(text), "<invalid>") << text;
}

TEST(SearchPattern, ModeChoosesTheForm)
{
    SearchPattern pattern;
    ASSERT_TRUE(MakeSearchPattern("41", FindModeText, Ucs2, BigEndian, pattern));
    EXPECT_EQ(pattern, Bytes({'4', 0, '1', 0}));
    ASSERT_TRUE(MakeSearchPattern("41", FindModeHex, Ucs2, BigEndian, pattern));
    EXPECT_EQ(pattern, "A");
    ASSERT_TRUE(MakeSearchPattern("41", FindModeDecimal, Ucs2, BigEndian, pattern));
    EXPECT_EQ(pattern, ")");
    EXPECT_FALSE(MakeSearchPattern("4.1", FindModeDecimal, Ascii, LittleEndian, pattern));
}
