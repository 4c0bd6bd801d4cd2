#include "search/PatternScan.h"

#include <cstring>

namespace {

// The last byte equal to value in [begin, end), or null. A word at a time,
// since the C library offers no backward memchr.
const unsigned char* LastByteBefore(const unsigned char* begin, const unsigned char* end, unsigned char value)
{
    const unsigned char* p = end;
    while (p > begin && (reinterpret_cast<uintptr_t>(p) & 3) != 0)
        if (*--p == value)
            return p;
    const uint32_t ones = 0x01010101u;
    const uint32_t highBits = 0x80808080u;
    const uint32_t spread = value * ones;
    while (p - begin >= 4) {
        uint32_t word;
        std::memcpy(&word, p - 4, sizeof word);
        uint32_t x = word ^ spread;
        // Nonzero exactly when one of the four bytes of x is zero.
        if (((x - ones) & ~x & highBits) != 0)
            break;
        p -= 4;
    }
    while (p > begin)
        if (*--p == value)
            return p;
    return nullptr;
}

bool RestMatches(const unsigned char* at, const SearchPattern& pattern)
{
    return std::memcmp(at + 1, pattern.data() + 1, pattern.size() - 1) == 0;
}

// The lowest match starting at or after from.
bool FindPatternForward(const unsigned char* data, uint32_t size, const SearchPattern& pattern, uint32_t from,
                        uint32_t& match)
{
    if (pattern.empty() || pattern.size() > size || from > size - pattern.size())
        return false;
    const auto first = static_cast<unsigned char>(pattern[0]);
    const unsigned char* end = data + (size - pattern.size()) + 1;
    for (const unsigned char* p = data + from; p < end; ++p) {
        p = static_cast<const unsigned char*>(std::memchr(p, first, end - p));
        if (!p)
            return false;
        if (RestMatches(p, pattern)) {
            match = static_cast<uint32_t>(p - data);
            return true;
        }
    }
    return false;
}

// The highest match starting at or before from.
bool FindPatternBackward(const unsigned char* data, uint32_t size, const SearchPattern& pattern, uint32_t from,
                         uint32_t& match)
{
    if (pattern.empty() || pattern.size() > size)
        return false;
    uint32_t last = size - static_cast<uint32_t>(pattern.size());
    const auto first = static_cast<unsigned char>(pattern[0]);
    const unsigned char* end = data + (from < last ? from : last) + 1;
    while (const unsigned char* p = LastByteBefore(data, end, first)) {
        if (RestMatches(p, pattern)) {
            match = static_cast<uint32_t>(p - data);
            return true;
        }
        end = p;
    }
    return false;
}

} // namespace

bool ScanForPattern(const unsigned char* data, uint32_t size, const SearchPattern& pattern, uint32_t caret,
                    SearchDirection direction, uint32_t& match)
{
    switch (direction) {
    case SearchFromHead:
        return FindPatternForward(data, size, pattern, 0, match);
    case SearchBackward:
        return FindPatternBackward(data, size, pattern, caret > 0 ? caret - 1 : 0, match);
    default:
        return caret < size && FindPatternForward(data, size, pattern, caret + 1, match);
    }
}
