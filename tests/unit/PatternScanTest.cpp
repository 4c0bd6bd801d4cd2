#include <gtest/gtest.h>

#include <random>
#include <string>

#include "search/PatternScan.h"

namespace {

const uint32_t none = 0xFFFFFFFF;

uint32_t Scan(const std::string& data, const std::string& pattern, uint32_t caret, SearchDirection direction)
{
    uint32_t match = none;
    bool found = ScanForPattern(reinterpret_cast<const unsigned char*>(data.data()), static_cast<uint32_t>(data.size()),
                                pattern, caret, direction, match);
    return found ? match : none;
}

// One position at a time, as the search is defined.
uint32_t NaiveScan(const std::string& data, const std::string& pattern, uint32_t caret, SearchDirection direction)
{
    auto matchesAt = [&](int64_t p) {
        return !pattern.empty() && p + pattern.size() <= data.size() && data.compare(p, pattern.size(), pattern) == 0;
    };
    if (direction == SearchBackward) {
        for (int64_t p = caret > 0 ? caret - 1 : 0; p >= 0; --p)
            if (matchesAt(p))
                return static_cast<uint32_t>(p);
        return none;
    }
    for (int64_t p = direction == SearchFromHead ? 0 : int64_t(caret) + 1; p < int64_t(data.size()); ++p)
        if (matchesAt(p))
            return static_cast<uint32_t>(p);
    return none;
}

} // namespace

TEST(PatternScan, AgreesWithAScanOfEveryPositionOnRandomData)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        // Few distinct byte values make partial and overlapping matches common;
        // long runs without the first byte exercise the word-at-a-time search.
        int alphabet = 2 + round % 4;
        auto randomBytes = [&](size_t length) {
            std::string bytes(length, '\0');
            for (char& c : bytes)
                c = static_cast<char>(0xF0 + random() % alphabet);
            return bytes;
        };
        std::string pattern = randomBytes(random() % 7);
        std::string data = randomBytes(round % 5 == 0 ? random() % 8 : random() % 600);
        if (round % 3 == 0)
            data.replace(0, data.size() / 2, std::string(data.size() / 2, 'x'));
        for (int planted = 0; planted < 3 && data.size() >= pattern.size(); ++planted)
            data.replace(random() % (data.size() - pattern.size() + 1), pattern.size(), pattern);
        for (int i = 0; i < 8; ++i) {
            auto caret = static_cast<uint32_t>(random() % (data.size() + 1));
            for (SearchDirection direction : {SearchFromHead, SearchBackward, SearchForward})
                ASSERT_EQ(Scan(data, pattern, caret, direction), NaiveScan(data, pattern, caret, direction))
                    << "round " << round << " caret " << caret << " direction " << int(direction);
        }
    }
}

// Patterns and data that make a scan compare the same bytes again and again,
// searched from every caret in every direction.
TEST(PatternScan, AdversarialPatternsAgreeWithAScanOfEveryPosition)
{
    auto repeat = [](const std::string& unit, size_t count) {
        std::string text;
        for (size_t i = 0; i < count; ++i)
            text += unit;
        return text;
    };
    std::string fibonacci = "a", previous = "b";
    while (fibonacci.size() < 300) {
        std::string next = fibonacci + previous;
        previous = fibonacci;
        fibonacci = next;
    }
    const std::string zeros(300, '\0');
    const std::string tail = std::string(8, '\0') + "\xDE\xAD\xBE\xEF\xCA\xFE\xBA\xBE";
    const std::string mixed = repeat(std::string("\x10\x80\xFF\x00\x7F\x10\x10", 7), 30);
    const struct {
        const char* name;
        std::string data;
        std::string pattern;
    } cases[] = {
        {"all bytes equal", zeros, std::string(40, '\0')},
        {"equal bytes, one differs at the pattern's end", zeros + tail + zeros, tail},
        {"equal bytes, one differs at the pattern's start", zeros + "\x01" + zeros, "\x01" + std::string(30, '\0')},
        {"period two", repeat("ab", 150) + "ac" + repeat("ab", 20), repeat("ab", 12) + "ac"},
        {"Fibonacci word", fibonacci, fibonacci.substr(0, 55)},
        {"the data's tail", mixed, mixed.substr(mixed.size() - 37)},
        {"length 1", mixed, "\x7F"},
        {"length 96", repeat("xy", 60) + repeat("xyz", 40), repeat("xy", 39) + repeat("xyz", 6)},
    };
    for (const auto& c : cases) {
        for (uint32_t caret = 0; caret <= c.data.size(); ++caret)
            for (SearchDirection direction : {SearchFromHead, SearchBackward, SearchForward})
                ASSERT_EQ(Scan(c.data, c.pattern, caret, direction), NaiveScan(c.data, c.pattern, caret, direction))
                    << c.name << ", caret " << caret << ", direction " << int(direction);
    }
}
