#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The positions where the edited bytes and another file differ, over the
// length they have in common, with the other file's byte at each.
struct FileComparison {
    uint64_t otherSize = 0;
    std::vector<uint32_t> offsets;
    std::vector<unsigned char> otherBytes;
};

enum class CompareStatus { Compared, CannotOpen, OtherFileEmpty, CannotRead, OutOfMemory };

// Reads the other file in large blocks; it stays open to other programs,
// readers and writers alike. error is the system's error code of a failure.
CompareStatus CompareWithFile(const char* path, const unsigned char* data, uint32_t size, FileComparison& result,
                              DWORD& error);
// Appends the differing positions of two equally long runs that start at base.
void AppendDifferences(const unsigned char* edited, const unsigned char* other, uint32_t length, uint32_t base,
                       FileComparison& result);

// "0x%08X", with as many more digits as a size of 4 GiB or more needs.
std::string HexSizeText(uint64_t size);
// A byte in decimal, right-aligned in three places, then in hexadecimal: " 65(0x41)".
std::string CompareByteText(unsigned char value);
