#pragma once
#include <windows.h>

#include <cstdint>

// Moves size bytes in blocks of at most block bytes; transfer(offset, length,
// moved) does one system call. False when a call fails or moves nothing.
template <typename Transfer>
bool TransferInBlocks(uint32_t size, DWORD block, Transfer transfer)
{
    uint32_t done = 0;
    while (done < size) {
        DWORD length = size - done < block ? size - done : block;
        DWORD moved = 0;
        if (!transfer(done, length, moved) || moved == 0)
            return false;
        done += moved;
    }
    return true;
}
