#include "search/FileCompare.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "platform/BlockTransfer.h"
#include "platform/FileHandle.h"

namespace {

const DWORD compareBlock = 1u << 20;

void AppendByteDifferences(const unsigned char* edited, const unsigned char* other, uint32_t from, uint32_t to,
                           uint32_t base, FileComparison& result)
{
    for (uint32_t i = from; i < to; ++i)
        if (edited[i] != other[i]) {
            result.offsets.push_back(base + i);
            result.otherBytes.push_back(other[i]);
        }
}

// Reads length bytes of the file block by block and collects where they differ from data.
bool CompareBlocks(HANDLE file, const unsigned char* data, uint32_t length, FileComparison& result)
{
    std::vector<unsigned char> block(compareBlock);
    return TransferInBlocks(length, compareBlock, [&](uint32_t offset, DWORD want, DWORD& got) {
        if (!ReadFile(file, block.data(), want, &got, nullptr))
            return false;
        // The file may have been cut short by another program since its size was taken.
        if (got == 0)
            SetLastError(ERROR_HANDLE_EOF);
        AppendDifferences(data + offset, block.data(), got, offset, result);
        return true;
    });
}

} // namespace

void AppendDifferences(const unsigned char* edited, const unsigned char* other, uint32_t length, uint32_t base,
                       FileComparison& result)
{
    // Files compared are mostly alike, so equal words are passed over whole.
    const uint32_t word = sizeof(uint32_t);
    uint32_t i = 0;
    for (; length - i >= word; i += word) {
        uint32_t a, b;
        std::memcpy(&a, edited + i, word);
        std::memcpy(&b, other + i, word);
        if (a != b)
            AppendByteDifferences(edited, other, i, i + word, base, result);
    }
    AppendByteDifferences(edited, other, i, length, base, result);
}

CompareStatus CompareWithFile(const char* path, const unsigned char* data, uint32_t size, FileComparison& result,
                              DWORD& error)
{
    error = 0;
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        error = GetLastError();
        return CompareStatus::CannotOpen;
    }
    LARGE_INTEGER otherSize;
    if (!GetFileSizeEx(file.Get(), &otherSize)) {
        error = GetLastError();
        return CompareStatus::CannotRead;
    }
    result.otherSize = static_cast<uint64_t>(otherSize.QuadPart);
    if (result.otherSize == 0)
        return CompareStatus::OtherFileEmpty;
    uint32_t length = result.otherSize < size ? static_cast<uint32_t>(result.otherSize) : size;
    try {
        if (!CompareBlocks(file.Get(), data, length, result)) {
            error = GetLastError();
            return CompareStatus::CannotRead;
        }
    } catch (const std::bad_alloc&) {
        result.offsets = {};
        result.otherBytes = {};
        return CompareStatus::OutOfMemory;
    }
    return CompareStatus::Compared;
}

std::string HexSizeText(uint64_t size)
{
    char text[24];
    auto high = static_cast<uint32_t>(size >> 32);
    auto low = static_cast<uint32_t>(size);
    if (high != 0)
        std::snprintf(text, sizeof text, "0x%X%08X", high, low);
    else
        std::snprintf(text, sizeof text, "0x%08X", low);
    return text;
}

std::string CompareByteText(unsigned char value)
{
    char text[12];
    std::snprintf(text, sizeof text, "%3u(0x%02X)", value, value);
    return text;
}
