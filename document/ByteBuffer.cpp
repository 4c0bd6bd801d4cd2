#include "document/ByteBuffer.h"

#include <windows.h>

#include <cstring>
#include <utility>

ByteBuffer::~ByteBuffer()
{
    Free();
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : data(std::exchange(other.data, nullptr)), size(std::exchange(other.size, 0))
{
}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept
{
    if (this != &other) {
        Free();
        data = std::exchange(other.data, nullptr);
        size = std::exchange(other.size, 0);
    }
    return *this;
}

bool ByteBuffer::Resize(uint32_t n)
{
    if (n == 0) {
        if (data)
            HeapFree(GetProcessHeap(), 0, data);
        data = nullptr;
        size = 0;
        return true;
    }
    void* block = data ? HeapReAlloc(GetProcessHeap(), 0, data, n) : HeapAlloc(GetProcessHeap(), 0, n);
    if (!block) {
        // A shrink that the heap refuses keeps the larger block; the bytes
        // past the new size are simply unused.
        if (data && n < size) {
            size = n;
            return true;
        }
        return false;
    }
    data = static_cast<unsigned char*>(block);
    size = n;
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

bool ByteBuffer::InsertZeros(uint32_t pos, uint32_t len)
{
    if (len > UINT32_MAX - size)
        return false;
    uint32_t oldSize = size;
    if (oldSize == 0)
        pos = 0;
    if (!Resize(oldSize + len))
        return false;
    std::memmove(data + pos + len, data + pos, oldSize - pos);
    std::memset(data + pos, 0, len);
    return true;
}
