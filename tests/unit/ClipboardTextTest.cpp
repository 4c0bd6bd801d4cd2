#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "document/ClipboardText.h"
#include "document/Document.h"

namespace {

std::string Bytes(const Document& document)
{
    return std::string(reinterpret_cast<const char*>(document.data), document.size);
}

void Fill(Document& document, const std::string& bytes)
{
    ASSERT_TRUE(document.Resize(static_cast<uint32_t>(bytes.size())));
    std::memcpy(document.data, bytes.data(), bytes.size());
}

void Paste(Document& document, uint32_t position, const std::string& text, bool insert)
{
    ASSERT_TRUE(document.PasteText(position, text.c_str(), text.size(), insert));
}

void UndoOnce(Document& document)
{
    uint32_t position = 0;
    ASSERT_TRUE(document.Undo(position));
}

} // namespace

TEST(ClipboardText, EveryByteAsTwoUpperCaseDigits)
{
    unsigned char bytes[256];
    std::string expected;
    for (int value = 0; value < 256; ++value) {
        bytes[value] = static_cast<unsigned char>(value);
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", value);
        expected += pair;
    }
    std::string text(2 * 256 + 1, '?');
    FormatHexText(bytes, 256, &text[0]);
    EXPECT_EQ(text, expected + '\0');
}

// Whatever the alignment, the terminator's place and the limit.
TEST(ClipboardText, TextLengthStopsAtTheTerminatorOrTheLimit)
{
    char text[40];
    for (size_t start = 0; start < 4; ++start)
        for (size_t terminator = start; terminator < sizeof text; ++terminator)
            for (size_t limit = 0; limit <= sizeof text - start; ++limit) {
                std::memset(text, '4', sizeof text);
                text[terminator] = '\0';
                ASSERT_EQ(TextLength(text + start, limit), strnlen(text + start, limit))
                    << start << " " << terminator << " " << limit;
            }
}

// Clean digits take a shortcut; every pair, clean or not, must convert
// exactly as the C library converts it.
TEST(ClipboardText, EveryPairConvertsAsStrtoul)
{
    std::string text;
    for (int first = 0; first < 256; ++first)
        for (int second = 0; second < 256; ++second)
            text += {static_cast<char>(first), static_cast<char>(second)};
    std::string bytes(65536, '\0');
    ParseHexText(text.data(), 65536, reinterpret_cast<unsigned char*>(&bytes[0]));
    for (size_t j = 0; j < 65536; ++j) {
        const char pair[3] = {text[2 * j], text[2 * j + 1], '\0'};
        ASSERT_EQ(static_cast<unsigned char>(bytes[j]), std::strtoul(pair, nullptr, 16) & 0xFF)
            << "pair " << std::hex << j;
    }
    EXPECT_EQ(PairValue(" 4"), 0x04);
    EXPECT_EQ(PairValue("-1"), 0xFF);
    EXPECT_EQ(PairValue("G4"), 0x00);
    EXPECT_EQ(PairValue("4G"), 0x04);
}

// Each paste is one step, and undoing it gives back the bytes before it. The
// text is not cleaned: blanks and line breaks fall inside pairs, and a last
// single character is left over.
TEST(ClipboardPaste, WritesThePairsAsOneStep)
{
    struct Case {
        std::string bytes;
        uint32_t position;
        std::string text;
        bool insert;
        std::string expected;
        UndoKind kind;
    };
    const Case cases[] = {
        {"wxyz", 0, "4a42", false, "JByz", Overwritten},
        {"ab", 1, "414243", false, "aABC", Extended},
        {"ab", 2, "4142", false, "abAB", Extended},
        {"ab", 1, "414243", true, "aABCb", Inserted},
        {"", 0, "41 42", true, "A\x04", Inserted},
        {"ab", 1, "-1\r\n7", false, std::string("a\xFF\0", 3), Extended},
        {"ab", 1, "4", false, "ab", Overwritten},
        {"ab", 1, "4", true, "ab", Inserted},
    };
    for (const Case& c : cases) {
        Document document;
        Fill(document, c.bytes);
        Paste(document, c.position, c.text, c.insert);
        EXPECT_EQ(Bytes(document), c.expected) << c.text;
        ASSERT_EQ(document.undoRecords.size(), 1u) << c.text;
        EXPECT_EQ(document.undoRecords.back().kind, c.kind) << c.text;
        UndoOnce(document);
        EXPECT_EQ(Bytes(document), c.bytes) << c.text;
    }
}

// Two characters a byte and a NUL would not fit the address space; the
// clipboard is left alone.
TEST(ClipboardCopy, TextTooLargeForMemoryIsRefused)
{
    Document document;
    EXPECT_FALSE(document.CopyToClipboard(0, 0x80000000u));
    EXPECT_FALSE(document.CopyToClipboard(0, 0x7FFFFFFFu));
}

TEST(ClipboardPaste, GrowthWithoutMemoryChangesAndRecordsNothing)
{
    Document document;
    Fill(document, "abc");
    EXPECT_FALSE(document.MakeRoomToWrite(1, 0xFFFFFFF0u, false));
    EXPECT_FALSE(document.MakeRoomToWrite(1, 0xFFFFFFFFu, false));
    EXPECT_FALSE(document.MakeRoomToWrite(1, 0xFFFFFFF0u, true));
    EXPECT_EQ(Bytes(document), "abc");
    EXPECT_TRUE(document.undoRecords.empty());
    EXPECT_FALSE(document.modified);
}
