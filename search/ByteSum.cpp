#include "search/ByteSum.h"

uint32_t SumBytes(const unsigned char* data, uint32_t size)
{
    uint32_t sum = 0;
    for (uint32_t i = 0; i < size; ++i)
        sum += data[i];
    return sum;
}
