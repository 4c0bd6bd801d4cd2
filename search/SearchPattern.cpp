#include "search/SearchPattern.h"

#include <windows.h>

#include <cstring>

#include "document/HexDigit.h"
#include "document/PathText.h"

namespace {

const char noJisCode[] = "\x80\x80";

bool IsHalfWidthKatakana(unsigned char c)
{
    return c >= 0xA1 && c <= 0xDF;
}

bool IsShiftJisTrailByte(unsigned char c)
{
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

// The EUC bytes of a Shift-JIS pair: its JIS X 0208 code with both high bits set.
std::string EucOfPair(unsigned char lead, unsigned char trail)
{
    // Lead bytes from F0 on are the user-defined area, outside JIS X 0208.
    if (lead > 0xEF || !IsShiftJisTrailByte(trail))
        return noJisCode;
    bool oddRow = trail < 0x9F;
    unsigned row = ((lead - (lead < 0xA0 ? 0x70u : 0xB0u)) << 1) - (oddRow ? 1 : 0);
    unsigned cell = trail - (oddRow ? (trail > 0x7F ? 0x20u : 0x1Fu) : 0x7Eu);
    return {static_cast<char>(row | 0x80), static_cast<char>(cell | 0x80)};
}

std::string EucPattern(const char* text)
{
    std::string pattern;
    for (const char* p = text; *p; p = NextChar(p)) {
        auto c = static_cast<unsigned char>(*p);
        if (IsLeadByte(c))
            pattern += p[1] ? EucOfPair(c, static_cast<unsigned char>(p[1])) : noJisCode;
        else if (IsHalfWidthKatakana(c))
            pattern += {'\x8E', static_cast<char>(c)};
        else
            pattern += static_cast<char>(c);
    }
    return pattern;
}

std::wstring Utf16Of(const char* text)
{
    // The length is given, so a lead byte right before the terminator cannot
    // take the terminator as its trail byte. No character of the ANSI code
    // page needs more UTF-16 units than it has bytes.
    auto length = static_cast<int>(std::strlen(text));
    std::wstring units(length, L'\0');
    if (length > 0)
        units.resize(MultiByteToWideChar(CP_ACP, 0, text, length, &units[0], length));
    return units;
}

std::string Ucs2Pattern(const char* text)
{
    std::string pattern;
    for (wchar_t unit : Utf16Of(text))
        pattern += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return pattern;
}

bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string EncodeUnitsAsUtf8(const std::wstring& units)
{
    std::string bytes;
    for (wchar_t unit : units) {
        unsigned u = unit;
        if (u < 0x80)
            bytes += static_cast<char>(u);
        else if (u < 0x800)
            bytes += {static_cast<char>(0xC0 | u >> 6), static_cast<char>(0x80 | (u & 0x3F))};
        else
            bytes += {static_cast<char>(0xE0 | u >> 12), static_cast<char>(0x80 | (u >> 6 & 0x3F)),
                      static_cast<char>(0x80 | (u & 0x3F))};
    }
    return bytes;
}

SearchPattern MakeTextPattern(const char* text, CharCode code)
{
    switch (code) {
    case Euc:
        return EucPattern(text);
    case Ucs2:
        return Ucs2Pattern(text);
    case Utf8:
        return EncodeUnitsAsUtf8(Utf16Of(text));
    default:
        return text;
    }
}

bool MakeHexPattern(const char* text, SearchPattern& pattern)
{
    pattern.clear();
    for (size_t i = 0; text[i]; ++i) {
        int digit = HexDigitValue(text[i]);
        if (digit < 0)
            return false;
        if (i % 2 == 0)
            pattern += static_cast<char>(digit << 4);
        else
            pattern.back() = static_cast<char>(pattern.back() | digit);
    }
    return true;
}

bool MakeDecimalPattern(const char* text, ByteOrder order, SearchPattern& pattern)
{
    pattern.clear();
    const uint64_t largest = 0xFFFFFFFF;
    uint64_t value = 0;
    for (const char* p = text; *p; ++p) {
        if (!IsDecimalDigit(*p))
            return false;
        value = value * 10 + (*p - '0');
        if (value > largest)
            value = largest;
    }
    do {
        pattern += static_cast<char>(value & 0xFF);
        value >>= 8;
    } while (value != 0);
    if (order == BigEndian)
        pattern.assign(pattern.rbegin(), pattern.rend());
    return true;
}

bool MakeSearchPattern(const char* text, unsigned char mode, CharCode code, ByteOrder order, SearchPattern& pattern)
{
    switch (mode) {
    case FindModeHex:
        return MakeHexPattern(text, pattern);
    case FindModeDecimal:
        return MakeDecimalPattern(text, order, pattern);
    default:
        pattern = MakeTextPattern(text, code);
        return true;
    }
}
