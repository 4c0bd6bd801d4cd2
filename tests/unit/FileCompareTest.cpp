#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

#include "search/FileCompare.h"

namespace {

std::string TempFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

CompareStatus Compare(const std::string& path, const std::string& edited, FileComparison& result)
{
    DWORD error = 0;
    return CompareWithFile(path.c_str(), reinterpret_cast<const unsigned char*>(edited.data()),
                           static_cast<uint32_t>(edited.size()), result, error);
}

} // namespace

TEST(FileCompare, AgreesWithAByteByByteComparisonAcrossBlocks)
{
    std::mt19937 random(7);
    std::string other(3u << 20 | 5, '\0');
    for (char& c : other)
        c = static_cast<char>(random());
    std::string edited = other;
    for (int i = 0; i < 2000; ++i)
        edited[random() % edited.size()] ^= static_cast<char>(1 + random() % 255);
    edited[0] ^= 1;
    edited.back() ^= 1;
    const std::string path = TempFile("zorix-compare-other.bin");
    std::ofstream(path, std::ios::binary) << other;
    // Equally long, shorter and longer than the other file: only the common length counts.
    for (size_t length : {edited.size(), edited.size() - 3, size_t(1u << 20), edited.size() + 9}) {
        std::string part = (edited + "123456789").substr(0, length);
        FileComparison expected;
        for (uint32_t i = 0; i < part.size() && i < other.size(); ++i)
            if (part[i] != other[i]) {
                expected.offsets.push_back(i);
                expected.otherBytes.push_back(static_cast<unsigned char>(other[i]));
            }
        FileComparison result;
        ASSERT_EQ(Compare(path, part, result), CompareStatus::Compared);
        EXPECT_EQ(result.otherSize, other.size());
        EXPECT_EQ(result.offsets, expected.offsets);
        EXPECT_EQ(result.otherBytes, expected.otherBytes);
    }
    DeleteFileA(path.c_str());
}

TEST(FileCompare, FileOfFourGibibytesKeepsItsFullSize)
{
    const std::string path = TempFile("zorix-compare-huge.bin");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = 0x100000010LL;
    // Never written, so the file system keeps it sparse and it reads as zeros.
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    FileComparison result;
    EXPECT_EQ(Compare(path, std::string("\0\1\0", 3), result), CompareStatus::Compared);
    EXPECT_EQ(result.otherSize, 0x100000010ull);
    EXPECT_EQ(result.offsets, std::vector<uint32_t>{1});
    EXPECT_EQ(HexSizeText(result.otherSize), "0x100000010");
    EXPECT_EQ(HexSizeText(0x2A), "0x0000002A");
    DeleteFileA(path.c_str());
}
