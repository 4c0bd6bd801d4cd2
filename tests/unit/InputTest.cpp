#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/Application.h"
#include "document/Document.h"
#include "document/HexDigit.h"
#include "document/PathText.h"
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

// Each full-width digit is its half-width one; the full-width characters and
// codes around them, kanji whose trail byte is a letter A-F (晦, 径) and
// half-width katakana are no digits.
TEST(InputRules, FullWidthDigitsAloneAmongDoubleByteCharactersAreDigits)
{
    const std::string fullWidth = "０１２３４５６７８９ＡＢＣＤＥＦａｂｃｄｅｆ", halfWidth = "0123456789ABCDEFabcdef";
    for (size_t i = 0; i < halfWidth.size(); ++i)
        EXPECT_EQ(TypedDigitValue(static_cast<unsigned char>(fullWidth[2 * i]) << 8 |
                                  static_cast<unsigned char>(fullWidth[2 * i + 1])),
                  HexDigitValue(halfWidth[i])) << halfWidth[i];
    for (WPARAM other : {0x824E, 0x8259, 0x825F, 0x8266, 0x8280, 0x8287, 0x8A41, 0x8C61, 0xB1})
        EXPECT_EQ(TypedDigitValue(other), -1) << std::hex << other;
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
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(frame.hwndFrame);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    void Open(const std::string& bytes, bool insert)
    {
        document.ClearUndo();
        Load(static_cast<uint32_t>(bytes.size()));
        std::copy(bytes.begin(), bytes.end(), document.data);
        frame.insertMode = insert;
    }

    const std::string folder = TempPath("zorix-editing");
    const std::string path = folder + "\\data.bin";
};

} // namespace

// The program's own frame, made in this process, since no other process can
// see a window's input context. Neither the frame, which holds the focus, nor
// the view has one until it is destroyed, and the frame hands a character
// from the input method (Ｂ ３ 晦 径) to the view whole.
TEST(InputMethod, FrameAndViewHaveNoInputContextAndTakeItsCharactersWhole)
{
    theDocument.frame = theView.frame = &theFrame;
    theView.document = &theDocument;
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameWndProc;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.lpszClassName = "InputMethodTestFrame";
    RegisterClassA(&frameClass);
    HWND frame = CreateWindowExA(0, frameClass.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                 nullptr, frameClass.hInstance, nullptr);
    for (WPARAM character : {0x8261, 0x8252, 0x8A41, 0x8C61})
        SendMessageA(frame, WM_IME_CHAR, character, 1);
    EXPECT_EQ(Bytes(theDocument), "\xB3");
    for (bool detached : {true, false}) {
        for (HWND window : {frame, theFrame.hwndView}) {
            HIMC context = ImmGetContext(window);
            EXPECT_EQ(context == nullptr, detached);
            ImmReleaseContext(window, context);
        }
        theFrame.OnDestroy(); // as on WM_DESTROY, while the windows still exist
    }
    DestroyWindow(frame);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// Characters from the input method, whole (WM_IME_CHAR) or as lead and trail
// byte (WM_CHAR): a full-width digit types as the half-width one, and no other
// character types anything, not even between a high and a low digit.
TEST_F(Editing, InputMethodCharactersTypeOnlyFullWidthDigits)
{
    enum Mode { Overwrite, Insert, ReadOnly };
    const std::string file(2, '\x11'), typed = "Ｂ晦３径ｅｱＡ";
    const std::string expected[] = {"\xB3\xEA", "\xB3\xEA" + file, file};
    for (bool whole : {true, false})
        for (Mode mode : {Overwrite, Insert, ReadOnly}) {
            SCOPED_TRACE(std::string(whole ? "whole" : "in bytes") + ", mode " + std::to_string(mode));
            Open(file, mode == Insert);
            document.readOnly = mode == ReadOnly;
            for (const char* c = typed.c_str(); *c; c = whole ? NextChar(c) : c + 1) {
                const WPARAM lead = static_cast<unsigned char>(c[0]);
                whole ? view.OnImeChar(NextChar(c) - c == 2 ? lead << 8 | static_cast<unsigned char>(c[1]) : lead)
                      : view.OnChar(lead);
            }
            EXPECT_EQ(Bytes(document), expected[mode]);
        }
    // A lead byte whose trail byte never comes types nothing; the byte after it types as itself.
    Open(file, false);
    document.readOnly = FALSE;
    for (unsigned char character : std::string("\x82" "41"))
        view.OnChar(character);
    EXPECT_EQ(Bytes(document), "\x41\x11");
}

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
}

// Random sequences of typing in both modes, moves, selections, deletes, cut,
// copy, paste, undo and saves, each checked against a plain model of the
// bytes, the undo steps and the clipboard. Whenever the bytes differ from the
// last saved ones the document must count as modified, and after a failed save
// of its own file until a save succeeds.
TEST_F(Editing, RandomSequencesMatchAModelOfTheBytes)
{
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        std::string bytes(random() % 40, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random());
        Open(bytes, random() % 2 == 0);
        std::string saved = bytes, clip;
        bool savedReachable = true;
        std::vector<std::string> undoStates;
        ASSERT_TRUE(document.Save(path.c_str()));
        for (int step = 0; step < 400; ++step) {
            const std::string before = bytes;
            const uint32_t start = view.SelectionStart(), stop = view.SelectionStop(), caret = view.caret;
            const std::string selected = bytes.substr(start, stop - start);
            const int action = random() % 13;
            bool pushed = false;
            if (action <= 2) {
                const int value = random() % 16;
                pushed = !view.lowNibble || caret >= bytes.size();
                if (!pushed)
                    bytes[caret] = static_cast<char>((bytes[caret] & 0xF0) | value);
                else if (frame.insertMode || caret >= bytes.size())
                    bytes.insert(caret, 1, static_cast<char>(value << 4));
                else
                    bytes[caret] = static_cast<char>(value << 4 | (bytes[caret] & 0x0F));
                view.OnChar("0123456789ABCDEF"[value]);
            } else if (action == 3) {
                const WPARAM keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_INSERT};
                Key(keys[random() % 5]);
            } else if (action == 4) {
                view.selectionAnchor = random() % (bytes.size() + 1);
                view.selectionEnd = random() % (bytes.size() + 1);
            } else if (action == 5 || action == 6) {
                const bool back = action == 5;
                const uint32_t at = back ? caret - 1 : caret;
                if (start != stop)
                    bytes.erase(start, stop - start);
                else if (back ? caret > 0 && !bytes.empty() : caret < bytes.size())
                    bytes.erase(at, 1);
                pushed = bytes != before;
                Key(back ? VK_BACK : VK_DELETE);
            } else if (action == 7 || action == 8) {
                clip = selected.empty() ? clip : selected;
                pushed = action == 7 && start != stop;
                if (pushed)
                    bytes.erase(start, stop - start);
                action == 7 ? view.EditCut() : view.EditCopy();
            } else if (action == 9 && !clip.empty()) {
                const size_t kept = frame.insertMode ? 0 : std::min(clip.size(), bytes.size() - caret);
                bytes.replace(caret, kept, clip);
                pushed = true;
                view.EditPaste();
            } else if (action == 10) {
                if (!undoStates.empty()) {
                    bytes = undoStates.back();
                    undoStates.pop_back();
                }
                view.EditUndo();
            } else if (action == 11) {
                ASSERT_TRUE(document.Save(path.c_str()));
                saved = bytes;
                savedReachable = true;
            } else if (action == 12) {
                // Another program removed the folder: the file is gone.
                DeleteFileA(path.c_str());
                RemoveDirectoryA(folder.c_str());
                document.frame = nullptr;
                ASSERT_FALSE(document.Save(path.c_str()));
                document.frame = &frame;
                CreateDirectoryA(folder.c_str(), nullptr);
                savedReachable = false;
            }
            if (pushed)
                undoStates.push_back(before);
            const std::string where = "seed " + std::to_string(seed) + ", step " + std::to_string(step) +
                                      ", action " + std::to_string(action);
            ASSERT_EQ(Bytes(document), bytes) << where;
            ASSERT_EQ(document.undoRecords.size(), undoStates.size()) << where;
            ASSERT_TRUE(document.modified || (savedReachable && bytes == saved)) << where;
        }
    }
}
