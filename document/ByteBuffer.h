#pragma once
#include <cstdint>

// Bytes in one heap block that is always exactly as long as the data.
// Growing operations return false, and leave the buffer exactly as it was,
// when the heap cannot supply the larger block.
struct ByteBuffer {
    unsigned char* data = nullptr;
    uint32_t size = 0;

    ByteBuffer() = default;
    ~ByteBuffer();
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    bool Resize(uint32_t n);
    void Free();
    // Removes len bytes at pos; len reaching the end of the data empties the buffer.
    void Erase(uint32_t pos, uint32_t len);
    // Inserts len zero bytes at pos (pos is ignored for an empty buffer).
    bool InsertZeros(uint32_t pos, uint32_t len);
};
