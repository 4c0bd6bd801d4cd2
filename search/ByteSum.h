#pragma once
#include <cstdint>

// The sum of the bytes as an unsigned 32-bit number that wraps around.
uint32_t SumBytes(const unsigned char* data, uint32_t size);
