#pragma once
#include <cstdint>

// Bytes in one contiguous heap block, which the painter, find and compare
// read directly. The block may keep spare room, at most about a quarter of
// the data, so that typing into a large file does not reallocate it on every
// byte. Growing operations return false, and leave the buffer exactly as it
// was, when the heap cannot supply the larger block.
struct ByteBuffer {
    unsigned char* data = nullptr;
    uint32_t size = 0;
    uint32_t capacity = 0;

    ByteBuffer() = default;
    ~ByteBuffer();
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    // Bytes gained by growing are undefined; Resize(0) frees the block.
    bool Resize(uint32_t n);
    void Free();
    // Removes len bytes at pos; len reaching the end of the data empties the buffer.
    void Erase(uint32_t pos, uint32_t len);
    // Inserts len zero bytes at pos; a pos past the end appends.
    bool InsertZeros(uint32_t pos, uint32_t len);
    // Inserts len undefined bytes at pos (at most size), for a caller that fills them at once.
    bool OpenGap(uint32_t pos, uint32_t len);

private:
    bool Reallocate(uint32_t n);
    bool GrowInPlace(uint32_t n);
    bool Reserve(uint32_t n);
    void ReleaseSpare();
};
