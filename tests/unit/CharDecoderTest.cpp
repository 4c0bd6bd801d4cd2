#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "view/CharDecoder.h"
#include "view/HexView.h"

namespace {

// iconv's Shift-JIS for each JIS X 0208 code, rows 0x21..0x7E, cells 0x21..0x7E.
const uint16_t iconvShiftJis[] = {
#include "JisToCp932.inc"
};
static_assert(sizeof iconvShiftJis / sizeof iconvShiftJis[0] == 94 * 94, "one entry per JIS code");

ByteView ViewOf(const std::string& data)
{
    return {reinterpret_cast<const unsigned char*>(data.data()), static_cast<uint32_t>(data.size())};
}

// All cells of data decoded in painting order; a UTF-16 unit as U+XXXX.
std::vector<std::string> CellTexts(CharCode code, const std::string& data, bool procUnicode = true, BOOL skip = FALSE)
{
    std::vector<std::string> texts;
    for (uint32_t p = 0; p < data.size(); ++p) {
        DecodedCell cell = DecodeCell(code, ViewOf(data), p, skip, procUnicode);
        char unit[8];
        std::snprintf(unit, sizeof unit, "U+%04X", static_cast<unsigned>(cell.unit));
        texts.push_back(cell.kind == DecodedCell::AnsiText ? std::string(cell.ansi, cell.ansiLength)
                        : cell.kind == DecodedCell::WideUnit ? std::string(unit) : std::string());
    }
    return texts;
}

// The same, '|'-separated.
std::string Cells(CharCode code, const std::string& data, bool procUnicode = true, BOOL skip = FALSE)
{
    const std::vector<std::string> texts = CellTexts(code, data, procUnicode, skip);
    std::string out;
    for (size_t i = 0; i < texts.size(); ++i)
        out += (i ? "|" : "") + texts[i];
    return out;
}

bool IsLead(unsigned char b)
{
    return IsDBCSLeadByteEx(GetACP(), b);
}

// The forward walk from just after the last zero byte, as slow as it is obvious.
BOOL WalkedShiftJisStartState(const std::string& d, uint32_t pos)
{
    if (pos >= d.size())
        return FALSE;
    uint32_t q = pos;
    while (q > 0 && d[q - 1] != 0)
        --q;
    for (; q <= pos; ++q) {
        if (d[q] == 0)
            return FALSE;
        if (IsLead(d[q])) {
            if (++q == pos)
                return TRUE;
            if (q < d.size() && d[q] == 0)
                return FALSE;
        }
    }
    return FALSE;
}

class CharDecoder : public testing::Test {
protected:
    void SetUp() override
    {
        if (GetACP() != 932)
            GTEST_SKIP() << "expects the Japanese ANSI code page";
    }
};

} // namespace

TEST_F(CharDecoder, ByteClassesAreThoseOfCodePage932)
{
    EXPECT_EQ(Cells(Ascii, "\x41\x09\x7F\xB1\x82"), "A|.|.|\xB1|.");
    for (int b = 0; b < 256; ++b) {
        std::string single(1, static_cast<char>(b));
        bool printable = (b >= 0x20 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF);
        bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        EXPECT_EQ(Cells(Ascii, single), printable ? single : ".") << b;
        EXPECT_EQ(Cells(ShiftJis, single + "A"), lead ? single + "A|" : Cells(Ascii, single) + "|A") << b;
    }
}

TEST_F(CharDecoder, ShiftJisPairsCarryOverRowEndsAndResyncAfterZero)
{
    EXPECT_EQ(Cells(ShiftJis, "\x82\xA0" "A\x82"), "あ||A|.");
    std::string split = std::string(15, 'A') + "あB";
    EXPECT_EQ(Cells(ShiftJis, split).substr(30), "あ||B");
    EXPECT_TRUE(ShiftJisStartState(ViewOf(split), 16));
    EXPECT_FALSE(ShiftJisStartState(ViewOf(split), 17));
    std::string afterZero("\x82\0\x82\xA0", 4);
    EXPECT_TRUE(ShiftJisStartState(ViewOf(afterZero), 3));
    EXPECT_FALSE(ShiftJisStartState(ViewOf(afterZero), 2));
    EXPECT_FALSE(ShiftJisStartState(ViewOf(afterZero), 4));
}

TEST_F(CharDecoder, ShiftJisStartStateMatchesTheForwardWalk)
{
    const char leads[] = "\x81\x82\x9F\xE0\xFC";
    const char others[] = {0x00, 0x40, 0x41, '\xA0', '\xFD'};
    std::mt19937 random(932);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string d(random() % 40 + 1, 0);
        unsigned leadPercent = 30 + trial % 3 * 30;  // up to long lead-byte runs
        for (char& c : d)
            c = random() % 100 < leadPercent ? leads[random() % 5] : others[random() % 5];
        for (uint32_t pos = 0; pos <= d.size(); ++pos)
            ASSERT_EQ(ShiftJisStartState(ViewOf(d), pos), WalkedShiftJisStartState(d, pos)) << trial << " " << pos;
    }
}

TEST_F(CharDecoder, ShiftJisStartStateNeverReadsBeforeTheLeadByteRun)
{
    // Text without zero bytes must not be rescanned from its start: the page
    // before the last non-lead byte is unreadable.
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    DWORD page = system.dwPageSize;
    auto* base = static_cast<unsigned char*>(VirtualAlloc(nullptr, 2 * page, MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(base, nullptr);
    std::memcpy(base + page, "A\x82\x82\x82\x82", 5);
    DWORD old;
    ASSERT_TRUE(VirtualProtect(base, page, PAGE_NOACCESS, &old));
    EXPECT_TRUE(ShiftJisStartState({base, 2 * page}, page + 4));
    EXPECT_FALSE(ShiftJisStartState({base, 2 * page}, page + 5));
    VirtualFree(base, 0, MEM_RELEASE);
}

TEST_F(CharDecoder, EucPairsKanaAndStartState)
{
    EXPECT_EQ(Cells(Euc, "\xA4\xA2\x8E\xB1\xA4\x41" "A\xE0"), "あ||\xB1||||A|.");
    std::string run = "A\xA4\xA2\xA4\xA2";
    EXPECT_FALSE(EucStartState(ViewOf(run), 0));
    EXPECT_TRUE(EucStartState(ViewOf(run), 2));
    EXPECT_FALSE(EucStartState(ViewOf(run), 3));
    EXPECT_TRUE(EucStartState(ViewOf(run), 4));
    EXPECT_FALSE(EucStartState(ViewOf(run + "\xA4"), 6));
}

TEST_F(CharDecoder, JisX0208AgreesWithIconvAsCodeAndAsEuc)
{
    int compared = 0;
    for (unsigned j1 = 0x21; j1 <= 0x7E; ++j1)
        for (unsigned j2 = 0x21; j2 <= 0x7E; ++j2) {
            uint16_t expected = iconvShiftJis[(j1 - 0x21) * 94 + (j2 - 0x21)];
            if (expected == 0)
                continue;
            ++compared;
            ASSERT_EQ(JisToShiftJis(static_cast<uint16_t>(j1 << 8 | j2)), expected) << std::hex << j1 << j2;
            std::string sjis = {static_cast<char>(expected >> 8), static_cast<char>(expected & 0xFF)};
            std::string euc = {static_cast<char>(j1 + 0x80), static_cast<char>(j2 + 0x80)};
            ASSERT_EQ(Cells(Euc, euc), Cells(ShiftJis, sjis)) << std::hex << j1 << j2;
        }
    EXPECT_GE(compared, 6800);
    for (uint16_t outside : {0x0000, 0x2020, 0x217F, 0x7F21, 0xA4A2, 0xFFFF})
        EXPECT_EQ(JisToShiftJis(outside), 0) << std::hex << outside;
}

TEST_F(CharDecoder, Ucs2ReadsLittleEndianUnitsAtEvenOffsets)
{
    std::string data("A\0\x42\x30\x0A\0C", 7);
    const std::string expected = "U+0041||U+3042||U+002E||U+0043";
    EXPECT_EQ(Cells(Ucs2, data), expected);
    ByteOrder saved = byteOrder;
    SetByteOrder(BigEndian);
    EXPECT_EQ(Cells(Ucs2, data, true, TRUE), expected);
    byteOrder = saved;
    EXPECT_EQ(Cells(Ucs2, data, false), "A||あ||.||C");
    EXPECT_EQ(Cells(Ucs2, std::string("?\0\x01\x0E", 4), false), "?||.|");
}

TEST_F(CharDecoder, Utf8DrawsSequencesInTheLeadCell)
{
    EXPECT_EQ(Cells(Utf8, "\xE3\x81\x82" "A\x09\x80"), "U+3042|||A|.|");
    EXPECT_EQ(Cells(Utf8, "\xE3\x81\x82", false, TRUE), "あ||");
    EXPECT_EQ(Cells(Utf8, "\xC3"), "U+00C0");
    EXPECT_EQ(Cells(Utf8, "\xE3\x81"), "U+3040|");
    EXPECT_EQ(Cells(Utf8, "\xC3\x41"), "U+00C1|A");
    EXPECT_EQ(Cells(Utf8, "\xF0\x9F\x98\x80"), "U+F600|||");
    EXPECT_EQ(Cells(Utf8, "\xC0\x80\xC0\x81"), "||U+0001|");
    EXPECT_EQ(Cells(Utf8, "\xE0\xB8\x81\xC0\x8A", false), ".|||.|");
}

// Random bytes rich in every code's lead and trail bytes, overwritten or
// inserted into at random offsets, mostly near a row end: every cell that
// shows something else afterwards must lie in the rows named for repainting.
TEST_F(CharDecoder, AnEditChangesOnlyTheRowsNamedForRepainting)
{
    const std::string alphabet("\x00\x20\x41\x7F\x80\x81\x8E\x9F\xA1\xA4\xBF\xC3\xDF\xE0\xE3\xF0\xF8\xFC\xFD\xFE\xFF", 21);
    std::mt19937 random(22);
    auto letter = [&] { return alphabet[random() % alphabet.size()]; };
    for (CharCode code : {Ascii, ShiftJis, Euc, Ucs2, Utf8})
        for (bool unicode : {true, false})
            for (int trial = 0; trial < 2000; ++trial) {
                std::string before(random() % 70 + 1, 0), after;
                for (char& c : before)
                    c = letter();
                const bool inserted = random() % 2;
                const uint32_t p = (random() % 2 ? random() : 16 * (random() % 4) + 13 + random() % 5) %
                                   (before.size() + inserted);
                after = before.substr(0, p) + letter() + before.substr(std::min<size_t>(p + !inserted, before.size()));
                const std::vector<std::string> was = CellTexts(code, before, unicode);
                const std::vector<std::string> is = CellTexts(code, after, unicode);
                const RowSpan rows = RowsShowingEdit(code, ViewOf(after), p, inserted);
                for (uint32_t q = 0; q < is.size(); ++q)
                    if ((q >= was.size() || was[q] != is[q]) && (q / 16 < rows.first || q / 16 > rows.last))
                        FAIL() << "code " << int(code) << ", insert " << inserted << " at " << p << ": cell " << q;
            }
}
