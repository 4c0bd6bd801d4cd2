#include "document/ByteBuffer.h"

#include <windows.h>

#include <cstring>
#include <utility>

namespace {

// Small buffers may keep this much spare room whatever their size.
const uint32_t minimumSpare = 4096;

// Room for a quarter more, so that n growing steps cost O(n) moves of the block.
uint32_t GrowthTarget(uint32_t n)
{
    uint32_t extra = n / 4 > minimumSpare ? n / 4 : minimumSpare;
    return n > UINT32_MAX - extra ? UINT32_MAX : n + extra;
}

} // namespace

ByteBuffer::~ByteBuffer()
{
    Free();
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : data(std::exchange(other.data, nullptr)), size(std::exchange(other.size, 0)),
      capacity(std::exchange(other.capacity, 0))
{
}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept
{
    if (this != &other) {
        Free();
        data = std::exchange(other.data, nullptr);
        size = std::exchange(other.size, 0);
        capacity = std::exchange(other.capacity, 0);
    }
    return *this;
}

// A block of exactly n bytes; the data it holds is kept up to n.
bool ByteBuffer::Reallocate(uint32_t n)
{
    if (n == 0) {
        if (data)
            HeapFree(GetProcessHeap(), 0, data);
        data = nullptr;
        capacity = 0;
        return true;
    }
    void* block = data ? HeapReAlloc(GetProcessHeap(), 0, data, n) : HeapAlloc(GetProcessHeap(), 0, n);
    if (!block)
        return false;
    data = static_cast<unsigned char*>(block);
    capacity = n;
    return true;
}

// Grows the block where it lies, which copies nothing; a heap usually can
// after the block was shrunk.
bool ByteBuffer::GrowInPlace(uint32_t n)
{
    if (!data || !HeapReAlloc(GetProcessHeap(), HEAP_REALLOC_IN_PLACE_ONLY, data, n))
        return false;
    capacity = n;
    return true;
}

// Room for at least n bytes; spare room when the heap has it, exactly n when not.
bool ByteBuffer::Reserve(uint32_t n)
{
    if (n <= capacity)
        return true;
    uint32_t roomy = GrowthTarget(n);
    return GrowInPlace(roomy) || GrowInPlace(n) || Reallocate(roomy) || Reallocate(n);
}

// Gives back spare room beyond the bound; a shrink the heap refuses keeps the larger block.
void ByteBuffer::ReleaseSpare()
{
    if (size == 0)
        Reallocate(0);
    else if (capacity - size > size / 4 + minimumSpare)
        Reallocate(size + size / 8);
}

bool ByteBuffer::Resize(uint32_t n)
{
    if (n > size && !Reserve(n))
        return false;
    size = n;
    ReleaseSpare();
    return true;
}

void ByteBuffer::Free()
{
    Resize(0);
}

void ByteBuffer::Erase(uint32_t pos, uint32_t len)
{
    if (len >= size) {
        Resize(0);
        return;
    }
    std::memmove(data + pos, data + pos + len, size - pos - len);
    Resize(size - len);
}

bool ByteBuffer::OpenGap(uint32_t pos, uint32_t len)
{
    if (len == 0)
        return true;
    if (len > UINT32_MAX - size || pos > size)
        return false;
    if (!Reserve(size + len))
        return false;
    std::memmove(data + pos + len, data + pos, size - pos);
    size += len;
    return true;
}

bool ByteBuffer::InsertZeros(uint32_t pos, uint32_t len)
{
    if (pos > size)
        pos = size;
    if (!OpenGap(pos, len))
        return false;
    if (len > 0)
        std::memset(data + pos, 0, len);
    return true;
}
