#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "document/Document.h"

namespace {

std::string Bytes(const ByteBuffer& buffer)
{
    return std::string(reinterpret_cast<const char*>(buffer.data), buffer.size);
}

void Fill(Document& document, const std::string& bytes)
{
    ASSERT_TRUE(document.Resize(static_cast<uint32_t>(bytes.size())));
    if (!bytes.empty())
        std::memcpy(document.data, bytes.data(), bytes.size());
}

std::string TempFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

} // namespace

// Every kind of step, taken back in reverse, gives back each earlier state
// exactly; deletions often reach past the end, extensions change the size.
TEST(Undo, RandomEditsUndoneInReverseRestoreEveryState)
{
    std::mt19937 random(7);
    Document document;
    Fill(document, "0123456789abcdef");
    std::vector<std::string> states;
    for (int step = 0; step < 400; ++step) {
        states.push_back(Bytes(document));
        uint32_t size = document.size;
        uint32_t position = size ? random() % (size + 1) : 0;
        uint32_t len = 1 + random() % (random() % 4 ? 3 : 40);
        unsigned char value = static_cast<unsigned char>(random());
        switch (random() % 4) {
        case 0:
            ASSERT_TRUE(document.InsertBytes(position, len));
            std::memset(document.data + position, value, len);
            break;
        case 1:
            ASSERT_TRUE(document.DeleteBytes(position, len));
            break;
        case 2:
            len = len < size - position ? len : size - position;
            ASSERT_TRUE(document.PushUndo(Overwritten, position, len));
            std::memset(document.data + position, value, len);
            break;
        case 3:
            ASSERT_TRUE(document.PushUndo(Extended, position, size - position));
            ASSERT_TRUE(document.Resize(position + len));
            std::memset(document.data + position, value, len);
            break;
        }
    }
    for (auto state = states.rbegin(); state != states.rend(); ++state) {
        uint32_t position = 0;
        ASSERT_TRUE(document.Undo(position));
        ASSERT_EQ(Bytes(document), *state);
        EXPECT_LE(position, document.size);
    }
    EXPECT_TRUE(document.undoRecords.empty());
}

// After each step (e: an edit, s: a save, u: an undo) the document counts as
// modified exactly while it differs from the file.
TEST(Undo, ModifiedFollowsTheDepthOfTheLastSave)
{
    const std::string path = TempFile("zorix-undo.bin");
    Document document;
    Fill(document, "abc");
    const std::pair<char, bool> steps[] = {
        // No save: undoing everything gives back the unmodified document.
        {'e', true}, {'e', true}, {'u', true}, {'u', false},
        // Edits, save, undo: the bytes differ from the file, and an edit made
        // below the saved depth leaves the saved state out of reach.
        {'e', true}, {'e', true}, {'s', false}, {'u', true}, {'e', true}, {'u', true}, {'u', true},
        // A save at depth 0 is reached again by undoing down to it.
        {'s', false}, {'e', true}, {'u', false}};
    for (const auto& step : steps) {
        uint32_t position = 0;
        if (step.first == 'e') {
            ASSERT_TRUE(document.PushUndo(Overwritten, 0, 1));
            ++document.data[0];
            document.SetModified(true);
        } else if (step.first == 's') {
            ASSERT_TRUE(document.Save(path.c_str()));
        } else {
            ASSERT_TRUE(document.Undo(position));
        }
        EXPECT_EQ(document.modified, step.second) << "step " << &step - steps;
    }
    DeleteFileA(path.c_str());
}

// Neither a huge insertion, the room for a huge paste nor the text of a huge
// copy fits the address space: nothing changes and nothing is recorded.
TEST(Undo, WithoutMemoryNothingChangesAndNothingIsRecorded)
{
    if (sizeof(void*) > 4)
        GTEST_SKIP() << "only a 32-bit address space is too small for these sizes";
    Document document;
    Fill(document, "abc");
    EXPECT_FALSE(document.InsertBytes(1, 0xFFFFFFF0u));
    for (uint32_t len : {0xFFFFFFF0u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(document.MakeRoomToWrite(1, len, false));
        EXPECT_FALSE(document.MakeRoomToWrite(1, len, true));
    }
    EXPECT_FALSE(document.CopyToClipboard(0, 0x80000000u));
    EXPECT_FALSE(document.CopyToClipboard(0, 0x7FFFFFFFu));
    EXPECT_EQ(Bytes(document), "abc");
    EXPECT_TRUE(document.undoRecords.empty());
    EXPECT_FALSE(document.modified);
}
