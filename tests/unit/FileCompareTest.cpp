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

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

CompareStatus Compare(const std::string& path, const std::string& edited, FileComparison& result, DWORD& error)
{
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
    WriteFile(path, other);
    // Longer, equally long and shorter than the other file: only the common length counts.
    for (size_t length : {edited.size(), edited.size() - 3, size_t(1u << 20)}) {
        std::string part = edited.substr(0, length);
        std::vector<uint32_t> expectedOffsets;
        std::vector<unsigned char> expectedBytes;
        for (uint32_t i = 0; i < part.size(); ++i)
            if (part[i] != other[i]) {
                expectedOffsets.push_back(i);
                expectedBytes.push_back(static_cast<unsigned char>(other[i]));
            }
        FileComparison result;
        DWORD error = 1;
        ASSERT_EQ(Compare(path, part, result, error), CompareStatus::Compared);
        EXPECT_EQ(error, 0u);
        EXPECT_EQ(result.otherSize, other.size());
        EXPECT_EQ(result.offsets, expectedOffsets);
        EXPECT_EQ(result.otherBytes, expectedBytes);
    }
    FileComparison longer;
    DWORD error;
    ASSERT_EQ(Compare(path, edited + "extra", longer, error), CompareStatus::Compared);
    EXPECT_EQ(longer.offsets.back(), edited.size() - 1);
    DeleteFileA(path.c_str());
}

TEST(FileCompare, FilesThatCannotBeComparedSayWhy)
{
    FileComparison result;
    DWORD error = 0;
    EXPECT_EQ(Compare(TempFile("zorix-compare-missing.bin"), "abc", result, error), CompareStatus::CannotOpen);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    const std::string path = TempFile("zorix-compare-empty.bin");
    WriteFile(path, "");
    EXPECT_EQ(Compare(path, "abc", result, error), CompareStatus::OtherFileEmpty);
    DeleteFileA(path.c_str());
}

TEST(FileCompare, AFileOtherProgramsHaveOpenCanBeCompared)
{
    const std::string path = TempFile("zorix-compare-log.bin");
    WriteFile(path, "abcd");
    FileComparison result;
    DWORD error = 0;
    {
        // A log being written, as a writer shares it for reading.
        HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(writer, INVALID_HANDLE_VALUE);
        EXPECT_EQ(Compare(path, "abXd", result, error), CompareStatus::Compared);
        EXPECT_EQ(result.offsets, std::vector<uint32_t>{2});
        CloseHandle(writer);
    }
    HANDLE exclusive = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Compare(path, "abcd", result, error), CompareStatus::CannotOpen);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(exclusive);
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
    DWORD error = 0;
    EXPECT_EQ(Compare(path, std::string("\0\1\0", 3), result, error), CompareStatus::Compared);
    EXPECT_EQ(result.otherSize, 0x100000010ull);
    EXPECT_EQ(result.offsets, std::vector<uint32_t>{1});
    EXPECT_EQ(HexSizeText(result.otherSize), "0x100000010");
    DeleteFileA(path.c_str());
}

TEST(FileCompare, RowTexts)
{
    EXPECT_EQ(HexSizeText(0x2A), "0x0000002A");
    EXPECT_EQ(HexSizeText(0xFFFFFFFF), "0xFFFFFFFF");
    EXPECT_EQ(HexSizeText(0x1234567890ull), "0x1234567890");
    EXPECT_EQ(CompareByteText(0x41), " 65(0x41)");
    EXPECT_EQ(CompareByteText(0x61), " 97(0x61)");
    EXPECT_EQ(CompareByteText(0), "  0(0x00)");
    EXPECT_EQ(CompareByteText(0xFF), "255(0xFF)");
}
