#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "document/Document.h"

namespace {

std::string TempFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST(DocumentFiles, SaveThatCannotCreateTheFileKeepsTheChanges)
{
    Document document;
    ASSERT_TRUE(document.Resize(3));
    document.modified = TRUE;
    EXPECT_FALSE(document.Save(TempFile("no such folder\\data.bin").c_str()));
    EXPECT_TRUE(document.modified);
}

TEST(DocumentFiles, ShorterSaveOverALongerFileLeavesExactlyItsBytes)
{
    const std::string path = TempFile("zorix-shorter.bin");
    std::ofstream(path, std::ios::binary) << std::string(100, 'x');
    Document document;
    ASSERT_TRUE(document.Resize(4));
    std::memcpy(document.data, "abcd", 4);
    document.modified = TRUE;
    EXPECT_TRUE(document.Save(path.c_str()));
    EXPECT_FALSE(document.modified);
    EXPECT_EQ(Contents(path), "abcd");

    document.Free();
    EXPECT_TRUE(document.Save(path.c_str()));
    EXPECT_EQ(Contents(path), "");
    DeleteFileA(path.c_str());
}

TEST(DocumentFiles, FailedLoadLeavesAnEmptyUntitledDocument)
{
    Document document;
    EXPECT_FALSE(document.Load(TempFile("zorix-missing.bin").c_str()));
    EXPECT_EQ(document.size, 0u);
    EXPECT_TRUE(document.IsUntitled());

    const std::string empty = TempFile("zorix-empty.bin");
    std::ofstream(empty, std::ios::binary).close();
    EXPECT_TRUE(document.Load(empty.c_str()));
    EXPECT_EQ(document.size, 0u);
    EXPECT_STREQ(document.FileName(), empty.c_str());
    DeleteFileA(empty.c_str());
}
