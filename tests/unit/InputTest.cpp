#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"
#include "view/InputRules.h"

// Typing, selecting and deleting with real key presses and the pointer are in
// the end-to-end RealInputTest; these are the rules it cannot see.
namespace {

// A view over a detached document and frame, 10 rows high.
class Input : public ::testing::Test {
protected:
    void SetUp() override
    {
        document.frame = &frame;
        view.frame = &frame;
        view.document = &document;
        displayMetrics.MeasureFromAddressText(64, 16);
        displayMetrics.visibleRows = 10;
    }
    void Load(uint32_t size)
    {
        ASSERT_TRUE(document.Resize(size));
        view.ResetView();
    }
    RefreshCode Key(WPARAM key) { return view.OnKeyDown(key, 0); }

    FrameWindow frame;
    Document document;
    HexView view;
};

} // namespace

// An upper-case digit typed with Shift down advances without selecting.
TEST_F(Input, TypingWithShiftDownSelectsNothing)
{
    Load(40);
    view.caret = 5;
    Key(VK_SHIFT);
    view.OnChar('A');
    view.OnChar('B');
    EXPECT_EQ(view.caret, 6u);
    EXPECT_FALSE(view.HasSelection());
}

TEST_F(Input, CaretKeysScrollOneRowAtTheEdges)
{
    Load(16 * 30);
    view.caret = 16 * 9 + 3;
    EXPECT_EQ(Key(VK_DOWN), ScrolledTowardEnd);
    EXPECT_EQ(view.topRow, 1u);
    view.caret = 16;
    EXPECT_EQ(Key(VK_LEFT), ScrolledTowardStart);
    EXPECT_EQ(view.topRow, 0u);
}

// A settings file may give one keypad key to two letters: the first letter wins.
TEST(InputRules, TheFirstLetterGivenAKeypadKeyWins)
{
    FrameWindow frame;
    frame.numpadKeys[2].vk = VK_DIVIDE;
    frame.numpadKeys[5].vk = VK_DIVIDE;
    EXPECT_EQ(NumpadLetter(frame.numpadKeys, VK_DIVIDE, 0), 'C');
    EXPECT_EQ(NumpadLetter(frame.numpadKeys, VK_ADD, 0), 0);
}

namespace {

std::string Bytes(const Document& document)
{
    return std::string(reinterpret_cast<const char*>(document.data), document.size);
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// The frame has a window of its own, which the clipboard needs as its owner.
class Editing : public Input {
protected:
    void SetUp() override
    {
        Input::SetUp();
        frame.hwndFrame = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        frame.backUp = FALSE;
    }
    void TearDown() override { DestroyWindow(frame.hwndFrame); }
    void Open(const std::string& bytes, bool insert)
    {
        document.ClearUndo();
        Load(static_cast<uint32_t>(bytes.size()));
        std::copy(bytes.begin(), bytes.end(), document.data);
        frame.insertMode = insert;
    }

    const std::string path = TempPath("zorix-editing.bin");
};

} // namespace

// A low digit changes the byte without a step of its own: when that happens
// at the depth of the last save, undoing down to that depth must not claim the
// saved bytes. Each letter is a step (a digit typed, s save, u undo); each
// mark is whether the document counts as modified after it.
TEST_F(Editing, ChangesThatPushNoRecordKeepTheDocumentModified)
{
    const struct {
        bool insert;
        const char* steps;
        const char* modified;
    } rows[] = {
        {true, "4s15u", "YNYYY"},   // the low digit after the save is still in memory
        {false, "4s1uu", "YNYYY"},  // undo past the save never reaches the saved bytes
        {false, "41su", "YYNY"},    // a whole byte typed, saved and taken back
        {false, "41s51u", "YYNYYN"}, // a later byte typed and undone gives back the saved state
        {true, "4s1s5u", "YNYNYN"}, // a second save reaches the saved state again
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps);
        Open(std::string("\x00\x11\x22\x33", 4), row.insert);
        for (size_t i = 0; row.steps[i]; ++i) {
            if (row.steps[i] == 's')
                ASSERT_TRUE(document.Save(path.c_str()));
            else if (row.steps[i] == 'u')
                view.EditUndo();
            else
                view.OnChar(row.steps[i]);
            EXPECT_EQ(document.modified != FALSE, row.modified[i] == 'Y') << "after step " << i;
        }
    }
    DeleteFileA(path.c_str());
}

// Random sequences of typing in both modes, moves, selections, deletes, cut,
// copy, paste, undo and saves, each checked against a plain model of the
// bytes, the undo steps and the clipboard. Whenever the bytes differ from the
// last saved ones the document must count as modified.
TEST_F(Editing, RandomSequencesMatchAModelOfTheBytes)
{
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        std::string bytes(random() % 40, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random());
        Open(bytes, random() % 2 == 0);
        std::string saved = bytes, clip;
        std::vector<std::string> undoStates;
        ASSERT_TRUE(document.Save(path.c_str()));
        for (int step = 0; step < 400; ++step) {
            const std::string before = bytes;
            const uint32_t start = view.SelectionStart(), stop = view.SelectionStop(), caret = view.caret;
            const bool atEnd = caret >= bytes.size();
            bool pushed = false;
            std::string action;
            switch (random() % 12) {
            case 0: case 1: case 2: {
                const char digit = "0123456789ABCDEF"[random() % 16];
                action = std::string("type ") + digit;
                const int value = digit <= '9' ? digit - '0' : digit - 'A' + 10;
                if (view.lowNibble == 0 || atEnd) {
                    pushed = true;
                    if (frame.insertMode || atEnd)
                        bytes.insert(caret, 1, static_cast<char>(value << 4));
                    else
                        bytes[caret] = static_cast<char>(value << 4 | (bytes[caret] & 0x0F));
                } else {
                    bytes[caret] = static_cast<char>((bytes[caret] & 0xF0) | value);
                }
                view.OnChar(digit);
                break;
            }
            case 3: {
                const WPARAM keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_INSERT};
                const WPARAM key = keys[random() % 5];
                action = "key " + std::to_string(key);
                Key(key);
                break;
            }
            case 4:
                action = "select";
                view.selectionAnchor = random() % (bytes.size() + 1);
                view.selectionEnd = random() % (bytes.size() + 1);
                break;
            case 5: case 6: {
                const bool back = random() % 2;
                action = back ? "backspace" : "delete";
                if (start != stop)
                    bytes.erase(start, stop - start);
                else if (!back && caret < bytes.size())
                    bytes.erase(caret, 1);
                else if (back && caret > 0 && !bytes.empty())
                    bytes.erase(caret - 1, 1);
                pushed = bytes != before;
                Key(back ? VK_BACK : VK_DELETE);
                break;
            }
            case 7:
                action = "cut";
                if (start != stop) {
                    clip = bytes.substr(start, stop - start);
                    bytes.erase(start, stop - start);
                    pushed = true;
                }
                view.EditCut();
                break;
            case 8:
                action = "copy";
                if (start != stop)
                    clip = bytes.substr(start, stop - start);
                view.EditCopy();
                break;
            case 9:
                action = "paste";
                if (clip.empty())
                    break;
                if (frame.insertMode)
                    bytes.insert(caret, clip);
                else
                    bytes = bytes.substr(0, caret) + clip +
                            (caret + clip.size() < bytes.size() ? bytes.substr(caret + clip.size()) : "");
                pushed = true;
                view.EditPaste();
                break;
            case 10:
                action = "undo";
                if (!undoStates.empty()) {
                    bytes = undoStates.back();
                    undoStates.pop_back();
                }
                view.EditUndo();
                break;
            case 11:
                action = "save";
                ASSERT_TRUE(document.Save(path.c_str()));
                saved = bytes;
                break;
            }
            if (pushed)
                undoStates.push_back(before);
            const std::string where = "seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + action;
            ASSERT_EQ(Bytes(document), bytes) << where;
            ASSERT_EQ(document.undoRecords.size(), undoStates.size()) << where;
            ASSERT_TRUE(document.modified || bytes == saved) << where;
        }
    }
    DeleteFileA(path.c_str());
}
