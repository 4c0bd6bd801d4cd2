#include "document/ClipboardText.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "document/HexDigit.h"

namespace {

using DigitPair = std::array<char, 2>;

constexpr std::array<DigitPair, 256> MakeDigitPairs()
{
    const char digits[] = "0123456789ABCDEF";
    std::array<DigitPair, 256> pairs = {};
    for (int value = 0; value < 256; ++value)
        pairs[value] = {digits[value >> 4], digits[value & 15]};
    return pairs;
}

constexpr std::array<DigitPair, 256> digitPairs = MakeDigitPairs();

// Digit values by character, -1 for every other character.
std::array<signed char, 256> MakeDigitValues()
{
    std::array<signed char, 256> values;
    for (int c = 0; c < 256; ++c)
        values[c] = static_cast<signed char>(HexDigitValue(static_cast<unsigned char>(c)));
    return values;
}

} // namespace

// Four bytes at a time: the library's strnlen goes byte by byte, which over
// hundreds of MiB of text costs as much as converting it.
size_t TextLength(const char* text, size_t limit)
{
    size_t length = 0;
    while (length < limit && reinterpret_cast<uintptr_t>(text + length) % 4 != 0 && text[length])
        ++length;
    for (uint32_t word; limit - length >= 4; length += 4) {
        std::memcpy(&word, text + length, 4);
        const bool hasZeroByte = ((word - 0x01010101u) & ~word & 0x80808080u) != 0;
        if (hasZeroByte)
            break;
    }
    while (length < limit && text[length])
        ++length;
    return length;
}

void FormatHexText(const unsigned char* bytes, size_t count, char* text)
{
    for (size_t i = 0; i < count; ++i)
        std::memcpy(text + 2 * i, digitPairs[bytes[i]].data(), 2);
    text[2 * count] = '\0';
}

unsigned char PairValue(const char* pair)
{
    const char text[3] = {pair[0], pair[1], '\0'};
    return static_cast<unsigned char>(std::strtoul(text, nullptr, 16));
}

// Two digits, the text a copy writes, convert directly; any other pair goes
// through the library so that its odd cases come out exactly the same.
void ParseHexText(const char* text, size_t count, unsigned char* bytes)
{
    static const std::array<signed char, 256> digitValues = MakeDigitValues();
    for (size_t j = 0; j < count; ++j) {
        const char* pair = text + 2 * j;
        int high = digitValues[static_cast<unsigned char>(pair[0])];
        int low = digitValues[static_cast<unsigned char>(pair[1])];
        bytes[j] = (high | low) >= 0 ? static_cast<unsigned char>(high << 4 | low) : PairValue(pair);
    }
}
