#include <gtest/gtest.h>

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

} // namespace

// Word by word, whatever the alignment, the terminator's place and the limit.
TEST(ClipboardText, TextLengthStopsAtTheTerminatorOrTheLimit)
{
    char text[24];
    for (size_t start = 0; start < 4; ++start)
        for (size_t terminator = start; terminator < sizeof text; ++terminator)
            for (size_t limit = 0; limit <= sizeof text - start; ++limit) {
                std::memset(text, '4', sizeof text);
                text[terminator] = '\0';
                ASSERT_EQ(TextLength(text + start, limit), strnlen(text + start, limit)) << start << terminator << limit;
            }
}

// Clean digits take a shortcut; every pair must convert as the C library converts it.
TEST(ClipboardText, EveryPairConvertsAsStrtoul)
{
    std::string text;
    for (int pair = 0; pair < 65536; ++pair)
        text += {static_cast<char>(pair >> 8), static_cast<char>(pair)};
    unsigned char bytes[65536];
    ParseHexText(text.data(), 65536, bytes);
    for (size_t j = 0; j < 65536; ++j) {
        const char pair[3] = {text[2 * j], text[2 * j + 1], '\0'};
        ASSERT_EQ(bytes[j], std::strtoul(pair, nullptr, 16) & 0xFF) << "pair " << std::hex << j;
    }
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
    };
    for (const Case& c : cases) {
        Document document;
        ASSERT_TRUE(document.Resize(static_cast<uint32_t>(c.bytes.size())));
        std::memcpy(document.data, c.bytes.data(), c.bytes.size());
        ASSERT_TRUE(document.PasteText(c.position, c.text.c_str(), c.text.size(), c.insert));
        EXPECT_EQ(Bytes(document), c.expected) << c.text;
        ASSERT_EQ(document.undoRecords.size(), 1u) << c.text;
        EXPECT_EQ(document.undoRecords.back().kind, c.kind) << c.text;
        uint32_t position = 0;
        ASSERT_TRUE(document.Undo(position));
        EXPECT_EQ(Bytes(document), c.bytes) << c.text;
    }
}
