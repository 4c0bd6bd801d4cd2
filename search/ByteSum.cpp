#include "search/ByteSum.h"

#include <cstring>

uint32_t SumBytes(const unsigned char* data, uint32_t size)
{
    // Four bytes at a time: the even and the odd bytes of each word are added
    // into two 16-bit lanes, which 128 words cannot overflow.
    const uint32_t lowBytes = 0x00FF00FF;
    const uint32_t wordsPerRound = 128;
    uint32_t sum = 0;
    uint32_t i = 0;
    while (size - i >= 4) {
        uint32_t words = (size - i) / 4 < wordsPerRound ? (size - i) / 4 : wordsPerRound;
        uint32_t lanes = 0;
        for (uint32_t k = 0; k < words; ++k, i += 4) {
            uint32_t word;
            std::memcpy(&word, data + i, sizeof word);
            lanes += (word & lowBytes) + (word >> 8 & lowBytes);
        }
        sum += (lanes & 0xFFFF) + (lanes >> 16);
    }
    for (; i < size; ++i)
        sum += data[i];
    return sum;
}
