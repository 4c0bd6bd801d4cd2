#include <gtest/gtest.h>

#include <cstring>

#include "document/ByteBuffer.h"

namespace {

ByteBuffer BufferOf(const char* bytes)
{
    ByteBuffer buffer;
    uint32_t n = static_cast<uint32_t>(std::strlen(bytes));
    EXPECT_TRUE(buffer.Resize(n));
    std::memcpy(buffer.data, bytes, n);
    return buffer;
}

std::string Contents(const ByteBuffer& buffer)
{
    return std::string(reinterpret_cast<const char*>(buffer.data), buffer.size);
}

} // namespace

TEST(ByteBuffer, EraseRemovesTheRangeAndClosesTheGap)
{
    ByteBuffer buffer = BufferOf("abcdefgh");
    buffer.Erase(2, 3);
    EXPECT_EQ(Contents(buffer), "abfgh");
    buffer.Erase(3, 2);
    EXPECT_EQ(Contents(buffer), "abf");
}

TEST(ByteBuffer, ErasingEverythingLeavesNoBlock)
{
    ByteBuffer buffer = BufferOf("abcd");
    buffer.Erase(0, 4);
    EXPECT_EQ(buffer.size, 0u);
    EXPECT_EQ(buffer.data, nullptr);

    ByteBuffer longer = BufferOf("abcd");
    longer.Erase(0, 100);
    EXPECT_EQ(longer.data, nullptr);
}

TEST(ByteBuffer, InsertZerosIntoEmptyBufferIgnoresPosition)
{
    ByteBuffer buffer;
    ASSERT_TRUE(buffer.InsertZeros(7, 3));
    EXPECT_EQ(Contents(buffer), std::string(3, '\0'));
}

TEST(ByteBuffer, InsertZerosInTheMiddleAndAtTheEnd)
{
    ByteBuffer buffer = BufferOf("abcd");
    ASSERT_TRUE(buffer.InsertZeros(1, 2));
    EXPECT_EQ(Contents(buffer), std::string("a\0\0bcd", 6));
    ASSERT_TRUE(buffer.InsertZeros(buffer.size, 1));
    EXPECT_EQ(Contents(buffer), std::string("a\0\0bcd\0", 7));
}

TEST(ByteBuffer, FailedGrowthKeepsTheBufferExactlyAsItWas)
{
    if (sizeof(void*) > 4)
        GTEST_SKIP() << "only a 32-bit address space is too small for these sizes";
    ByteBuffer buffer = BufferOf("abcd");
    unsigned char* before = buffer.data;
    EXPECT_FALSE(buffer.Resize(0xFFFFFFF0u));
    EXPECT_EQ(buffer.data, before);
    EXPECT_EQ(Contents(buffer), "abcd");

    EXPECT_FALSE(buffer.InsertZeros(2, 0xFFFFFFF0u));
    EXPECT_EQ(Contents(buffer), "abcd");
    EXPECT_FALSE(buffer.InsertZeros(2, 0xFFFFFFFFu));
    EXPECT_EQ(Contents(buffer), "abcd");
}

TEST(ByteBuffer, MovingTransfersOwnership)
{
    ByteBuffer source = BufferOf("xyz");
    ByteBuffer target = std::move(source);
    EXPECT_EQ(source.data, nullptr);
    EXPECT_EQ(source.size, 0u);
    EXPECT_EQ(Contents(target), "xyz");
}

// Typing into a file must not move the whole block on every byte, nor keep
// much more memory than the data.
TEST(ByteBuffer, SpareRoomGrowsGeometricallyAndStaysBounded)
{
    ByteBuffer buffer;
    int reallocations = 0;
    for (int i = 0; i < 100000; ++i) {
        uint32_t before = buffer.capacity;
        ASSERT_TRUE(buffer.InsertZeros(0, 1));
        reallocations += buffer.capacity != before;
        ASSERT_LE(buffer.capacity, buffer.size + buffer.size / 4 + 4096);
    }
    EXPECT_LT(reallocations, 20);
    buffer.Erase(10, 90000);
    EXPECT_EQ(buffer.size, 10000u);
    EXPECT_LE(buffer.capacity, buffer.size + buffer.size / 4 + 4096);
}
