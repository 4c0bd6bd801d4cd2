#include <gtest/gtest.h>

#include <random>
#include <string>

#include "search/PatternScan.h"

namespace {

const uint32_t none = 0xFFFFFFFF;

const unsigned char* BytesOf(const std::string& data)
{
    return reinterpret_cast<const unsigned char*>(data.data());
}

uint32_t Scan(const std::string& data, const std::string& pattern, uint32_t caret, SearchDirection direction)
{
    uint32_t match = none;
    bool found = ScanForPattern(BytesOf(data), static_cast<uint32_t>(data.size()), pattern, caret, direction, match);
    EXPECT_EQ(found, match != none);
    return match;
}

// One position at a time, as the search is defined.
uint32_t NaiveScan(const std::string& data, const std::string& pattern, uint32_t caret, SearchDirection direction)
{
    auto matchesAt = [&](uint64_t p) { return p + pattern.size() <= data.size() && data.compare(p, pattern.size(), pattern) == 0; };
    if (direction == SearchBackward) {
        for (int64_t p = caret > 0 ? caret - 1 : 0; p >= 0; --p)
            if (matchesAt(p))
                return static_cast<uint32_t>(p);
        return none;
    }
    for (uint64_t p = direction == SearchFromHead ? 0 : uint64_t(caret) + 1; p < data.size(); ++p)
        if (matchesAt(p))
            return static_cast<uint32_t>(p);
    return none;
}

} // namespace

TEST(PatternScan, AgreesWithAScanOfEveryPositionOnRandomData)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        // Few distinct byte values make partial and overlapping matches common.
        int alphabet = 2 + round % 4;
        std::string pattern(1 + random() % 6, '\0');
        for (char& c : pattern)
            c = static_cast<char>(0xF0 + random() % alphabet);
        std::string data(random() % 200, '\0');
        for (char& c : data)
            c = static_cast<char>(0xF0 + random() % alphabet);
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

TEST(PatternScan, RepeatedSearchesStepThroughOverlappingHits)
{
    const std::string data = "AAAA";
    EXPECT_EQ(Scan(data, "AAA", 0, SearchFromHead), 0u);
    EXPECT_EQ(Scan(data, "AAA", 0, SearchForward), 1u);
    EXPECT_EQ(Scan(data, "AAA", 1, SearchForward), none);
    EXPECT_EQ(Scan(data, "AAA", 1, SearchBackward), 0u);
    // With the caret at 0 a backward search still tries position 0.
    EXPECT_EQ(Scan(data, "AAA", 0, SearchBackward), 0u);
}

TEST(PatternScan, MatchesLieWhollyInsideTheData)
{
    EXPECT_EQ(Scan("ABC", "ABCD", 0, SearchFromHead), none);
    EXPECT_EQ(Scan("xxAB", "ABC", 0, SearchFromHead), none);
    EXPECT_EQ(Scan("ABxAB", "ABx", 5, SearchBackward), 0u);
    // A caret just past the last byte finds nothing forwards and the last match backwards.
    EXPECT_EQ(Scan("ABAB", "AB", 4, SearchForward), none);
    EXPECT_EQ(Scan("ABAB", "AB", 4, SearchBackward), 2u);
    EXPECT_EQ(Scan("", "A", 0, SearchFromHead), none);
    EXPECT_EQ(Scan("AB", "", 0, SearchFromHead), none);
}

TEST(PatternScan, LongDataFindsHitsOnEverySideOfAWord)
{
    // Hits at every alignment, found past long stretches that hold the first byte nowhere.
    std::string data(4096, 'x');
    for (uint32_t at : {0u, 1u, 2u, 3u, 1001u, 2050u, 4093u}) {
        std::string copy = data;
        copy.replace(at, 3, "\xFF\x00\xFF", 3);
        std::string pattern("\xFF\x00\xFF", 3);
        EXPECT_EQ(Scan(copy, pattern, 0, SearchFromHead), at);
        EXPECT_EQ(Scan(copy, pattern, 4096, SearchBackward), at);
        EXPECT_EQ(Scan(copy, pattern, at, SearchForward), none);
        EXPECT_EQ(Scan(copy, pattern, at, SearchBackward), at == 0 ? 0u : none);
    }
}
