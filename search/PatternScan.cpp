#include "search/PatternScan.h"

#include <cstring>
#include <string>

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

// The data read upwards from a first byte, or downwards from a last one, so
// that one matcher serves both directions.
struct Upwards {
    const unsigned char* first;
    unsigned char operator[](uint64_t i) const { return first[i]; }
};
struct Downwards {
    const unsigned char* last;
    unsigned char operator[](uint64_t i) const { return *(last - i); }
};

// Two-way matching (Crochemore and Perrin): the pattern is split at a
// critical position, the right part compared first, and the shift after a
// mismatch never lets a byte of the data be compared more than twice or so,
// so the time stays linear in the data whatever the pattern. A skip on the
// byte under the pattern's last position jumps a whole pattern length where
// that byte does not occur in it.
class TwoWayMatcher {
public:
    explicit TwoWayMatcher(const std::string& pattern);
    // The lowest position of the data at which the pattern matches.
    template <typename Data>
    bool Find(Data data, uint64_t size, uint64_t& match) const;

private:
    size_t MaximalSuffix(bool greater, size_t& period) const;

    const unsigned char* n;
    size_t length;
    size_t split;    // the last position of the left part; SIZE_MAX when it is empty
    size_t period;   // shift after a full match attempt of a periodic pattern
    size_t memory;   // bytes known to match after that shift (periodic patterns only)
    size_t skip[256];
};

TwoWayMatcher::TwoWayMatcher(const std::string& pattern)
    : n(reinterpret_cast<const unsigned char*>(pattern.data())), length(pattern.size())
{
    for (size_t& s : skip)
        s = length;
    for (size_t i = 0; i < length; ++i)
        skip[n[i]] = length - 1 - i;
    size_t lessPeriod;
    size_t greaterPeriod;
    size_t less = MaximalSuffix(false, lessPeriod);
    size_t greater = MaximalSuffix(true, greaterPeriod);
    // The later of the two splits is a critical factorisation.
    if (greater + 1 > less + 1) {
        split = greater;
        period = greaterPeriod;
    } else {
        split = less;
        period = lessPeriod;
    }
    if (std::memcmp(n, n + period, split + 1) == 0) {
        memory = length - period;
    } else {
        memory = 0;
        period = (split > length - split - 1 ? split : length - split - 1) + 1;
    }
}

// The start (less one) of the maximal suffix of the pattern for the byte order
// (or its reverse), and that suffix's period.
size_t TwoWayMatcher::MaximalSuffix(bool greater, size_t& suffixPeriod) const
{
    size_t start = SIZE_MAX; // one before the suffix; wraps to 0 when added to
    size_t candidate = 0;
    size_t k = 1;
    suffixPeriod = 1;
    while (candidate + k < length) {
        unsigned char a = n[start + k];
        unsigned char b = n[candidate + k];
        if (a == b) {
            if (k == suffixPeriod) {
                candidate += suffixPeriod;
                k = 1;
            } else {
                ++k;
            }
        } else if ((a > b) != greater) {
            candidate += k;
            k = 1;
            suffixPeriod = candidate - start;
        } else {
            start = candidate++;
            k = suffixPeriod = 1;
        }
    }
    return start;
}

template <typename Data>
bool TwoWayMatcher::Find(Data data, uint64_t size, uint64_t& match) const
{
    uint64_t at = 0;
    size_t known = 0;
    while (at + length <= size) {
        size_t shift = skip[data[at + length - 1]];
        if (shift != 0) {
            at += shift > known ? shift : known;
            known = 0;
            continue;
        }
        size_t k = split + 1 > known ? split + 1 : known;
        while (k < length && n[k] == data[at + k])
            ++k;
        if (k < length) {
            at += k - split;
            known = 0;
            continue;
        }
        k = split + 1;
        while (k > known && n[k - 1] == data[at + k - 1])
            --k;
        if (k <= known) {
            match = at;
            return true;
        }
        at += period;
        known = memory;
    }
    return false;
}

// The lowest match starting at or after from.
bool FindPatternForward(const unsigned char* data, uint32_t size, const SearchPattern& pattern, uint32_t from,
                        uint32_t& match)
{
    if (from > size - pattern.size())
        return false;
    if (pattern.size() == 1) {
        const void* hit = std::memchr(data + from, static_cast<unsigned char>(pattern[0]), size - from);
        match = static_cast<uint32_t>(static_cast<const unsigned char*>(hit) - data);
        return hit != nullptr;
    }
    uint64_t at = 0;
    if (!TwoWayMatcher(pattern).Find(Upwards{data + from}, size - from, at))
        return false;
    match = static_cast<uint32_t>(from + at);
    return true;
}

// The highest match starting at or before from: the reversed pattern in the
// data read downwards from the last byte such a match could cover.
bool FindPatternBackward(const unsigned char* data, uint32_t size, const SearchPattern& pattern, uint32_t from,
                         uint32_t& match)
{
    const uint32_t last = size - static_cast<uint32_t>(pattern.size());
    const uint32_t start = from < last ? from : last;
    if (pattern.size() == 1) {
        const unsigned char* hit = LastByteBefore(data, data + start + 1, static_cast<unsigned char>(pattern[0]));
        match = static_cast<uint32_t>(hit - data);
        return hit != nullptr;
    }
    const SearchPattern reversed(pattern.rbegin(), pattern.rend());
    uint64_t at = 0;
    if (!TwoWayMatcher(reversed).Find(Downwards{data + start + pattern.size() - 1}, start + pattern.size(), at))
        return false;
    match = static_cast<uint32_t>(start - at);
    return true;
}

} // namespace

bool ScanForPattern(const unsigned char* data, uint32_t size, const SearchPattern& pattern, uint32_t caret,
                    SearchDirection direction, uint32_t& match)
{
    if (pattern.empty() || pattern.size() > size)
        return false;
    switch (direction) {
    case SearchFromHead:
        return FindPatternForward(data, size, pattern, 0, match);
    case SearchBackward:
        return FindPatternBackward(data, size, pattern, caret > 0 ? caret - 1 : 0, match);
    default:
        return caret < size && FindPatternForward(data, size, pattern, caret + 1, match);
    }
}
