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

std::string Pattern(const char* text, unsigned char mode, ByteOrder order = LittleEndian, CharCode code = Ascii)
{
    SearchPattern pattern;
    return MakeSearchPattern(text, mode, code, order, pattern) ? pattern : "<invalid>";
}

} // namespace

TEST(TextPattern, EveryCharacterCodeAgreesWithIconv)
{
    const char* sample = iconvSample[0];
    EXPECT_EQ(MakeTextPattern(sample, Ascii), sample);
    EXPECT_EQ(MakeTextPattern(sample, ShiftJis), sample);
    EXPECT_EQ(MakeTextPattern(sample, Euc), iconvSample[1]);
    EXPECT_EQ(MakeTextPattern(sample, Utf8), iconvSample[3]);
    // The UTF-16 reference holds zero bytes: its length is two bytes for each
    // character, which UTF-8 starts with a byte outside 80..BF.
    size_t characters = 0;
    for (const char* p = iconvSample[3]; *p; ++p)
        characters += (*p & 0xC0) != 0x80;
    EXPECT_EQ(MakeTextPattern(sample, Ucs2), std::string(iconvSample[2], 2 * characters));
    // UCS-2 text is low byte first whatever order the numbers are shown in.
    EXPECT_EQ(Pattern("A", FindModeText, BigEndian, Ucs2), Bytes({'A', 0}));
}

TEST(TextPattern, EucOfEveryJisCodeIsItsCodeWithHighBitsSet)
{
    for (int j1 = 0x21; j1 <= 0x7E; ++j1)
        for (int j2 = 0x21; j2 <= 0x7E; ++j2) {
            uint16_t sjis = iconvShiftJis[(j1 - 0x21) * 94 + (j2 - 0x21)];
            const char text[] = {static_cast<char>(sjis >> 8), static_cast<char>(sjis & 0xFF), 0};
            if (sjis < 0x100)
                continue;
            ASSERT_EQ(MakeTextPattern(text, Euc), Bytes({static_cast<unsigned char>(j1 | 0x80),
                                                         static_cast<unsigned char>(j2 | 0x80)}))
                << std::hex << sjis;
        }
}

TEST(TextPattern, EucOfPairsWithoutJisCodeOfKatakanaAndOfACutOffLeadByte)
{
    // The user-defined area, and trail bytes of 7F or below 40, have no JIS X 0208 code.
    EXPECT_EQ(MakeTextPattern("\xF0\x40" "A\x88\x7F\x88\x30" "B", Euc), "\x80\x80" "A\x80\x80\x80\x80" "B");
    EXPECT_EQ(MakeTextPattern("\xB1\xDF\x80\xFD", Euc), "\x8E\xB1\x8E\xDF\x80\xFD");
    // A lead byte right before the terminator must not take in what follows it in memory.
    const char cut[] = "A\x88\0\x9F" "B";
    EXPECT_EQ(MakeTextPattern(cut, Euc), "A\x80\x80");
    std::string ucs2 = MakeTextPattern(cut, Ucs2);
    EXPECT_EQ(ucs2.substr(0, 2), Bytes({'A', 0}));
    EXPECT_LE(ucs2.size(), 4u);
}

TEST(TextPattern, Utf8EncodesEachUnitByItself)
{
    EXPECT_EQ(EncodeUnitsAsUtf8(L"\u007F\u0080\u07FF\u0800\uFFFF"),
              Bytes({0x7F, 0xC2, 0x80, 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xEF, 0xBF, 0xBF}));
    // A surrogate pair (U+1F600) gives two three-byte sequences, not one of four bytes.
    EXPECT_EQ(EncodeUnitsAsUtf8(std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}),
              Bytes({0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80}));
}

TEST(NumberPattern, HexadecimalDigitPairsFromTheLeft)
{
    EXPECT_EQ(Pattern("ab", FindModeHex), Bytes({0xAB}));
    EXPECT_EQ(Pattern("AB", FindModeHex), Bytes({0xAB}));
    EXPECT_EQ(Pattern("ABC", FindModeHex), Bytes({0xAB, 0xC0}));
    EXPECT_EQ(Pattern("00ff10", FindModeHex), Bytes({0x00, 0xFF, 0x10}));
    for (const char* text : {"0x41", "41 42", "-41", "4G", "\x82\x60"})
        EXPECT_EQ(Pattern(text, FindModeHex), "<invalid>") << text;
}

TEST(NumberPattern, DecimalInTheFewestBytesAndTheByteOrder)
{
    EXPECT_EQ(Pattern("0", FindModeDecimal), Bytes({0x00}));
    EXPECT_EQ(Pattern("255", FindModeDecimal), Bytes({0xFF}));
    EXPECT_EQ(Pattern("256", FindModeDecimal), Bytes({0x00, 0x01}));
    EXPECT_EQ(Pattern("256", FindModeDecimal, BigEndian), Bytes({0x01, 0x00}));
    EXPECT_EQ(Pattern("65536", FindModeDecimal), Bytes({0x00, 0x00, 0x01}));
    EXPECT_EQ(Pattern("16777216", FindModeDecimal, BigEndian), Bytes({0x01, 0x00, 0x00, 0x00}));
    // Beyond 32 bits the number is the largest one.
    EXPECT_EQ(Pattern("4294967296", FindModeDecimal), std::string(4, '\xFF'));
    EXPECT_EQ(Pattern("99999999999999999999999999999999", FindModeDecimal), std::string(4, '\xFF'));
    for (const char* text : {"1.5", "-1", "+1", "1e3", " 1"})
        EXPECT_EQ(Pattern(text, FindModeDecimal), "<invalid>") << text;
}
