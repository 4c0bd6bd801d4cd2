#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "resources/resource.h"
#include "tests/common/UnixShell.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

const std::string notFound = "マークが見つかりません。";
// Files open for editing, and typing overwrites.
const char editableSettings[] = "[Settings]\r\nInsert=0\r\nReadOnly=0\r\n";

// The editor with one file of the given bytes open, and the settings given.
struct EditorWithFile {
    explicit EditorWithFile(const std::string& bytes, const std::string& settings = "")
        : editor((data.Write("data.bin", bytes), "\"" + data.File("data.bin") + "\""), settings)
    {
    }
    e2e::TestFolder data;
    Editor editor;

    // Compares with a file of the folder; the dialog or message box that opens.
    HWND Compare(const std::string& name) const
    {
        editor.PostCommand(ID_EDIT_COMPARE);
        return editor.ChooseFile(data.File(name)) ? editor.process->WaitDialog() : nullptr;
    }
};

void CloseDialog(HWND dialog, int button = IDCANCEL)
{
    e2e::PressButton(dialog, button);
    e2e::WaitUntil([&] { return !IsWindow(dialog); });
}

void TypeSearch(HWND dialog, const std::string& text, int modeButton)
{
    e2e::SetItemText(dialog, IDC_FIND_TEXT, text);
    SendMessageTimeoutA(e2e::DialogItem(dialog, modeButton), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
}

// Types the text, picks the mode and runs a search that shows no message; the caret afterwards.
unsigned long Search(const Editor& editor, HWND dialog, const std::string& text, int modeButton, int searchButton)
{
    TypeSearch(dialog, text, modeButton);
    e2e::ClickButton(dialog, searchButton);
    return editor.Caret();
}

// The same for a search that ends in a message: its text, once answered.
std::string SearchMessage(const Editor& editor, HWND dialog, const std::string& text, int modeButton)
{
    TypeSearch(dialog, text, modeButton);
    e2e::PressButton(dialog, IDC_FIND_HEAD);
    return editor.AnswerMessage(IDOK, dialog);
}

unsigned long CaretAfter(const Editor& editor, WORD command)
{
    editor.Command(command);
    return editor.Caret();
}

std::string MessageAfter(const Editor& editor, WORD command)
{
    editor.PostCommand(command);
    return editor.AnswerMessage(IDOK);
}

unsigned long CaretAfterClick(const Editor& editor, HWND dialog, int button)
{
    e2e::ClickButton(dialog, button);
    return editor.Caret();
}

void JumpTo(const Editor& editor, unsigned long offset)
{
    HWND dialog = editor.OpenDialog(ID_EDIT_JUMP);
    char text[16];
    std::snprintf(text, sizeof text, "%lX", offset);
    e2e::SetItemText(dialog, IDC_JUMP_ABSOLUTE, text);
    CloseDialog(dialog, IDC_JUMP_GO);
}

std::string SumMessage(const char* marked, const char* unmarked, const char* all)
{
    return std::string("マークの合計：\t") + marked + "\r\nマーク以外の合計：\t" + unmarked + "\r\n全バイト合計：\t" + all;
}

// The rows cmp -l lists for the two files, in the compare dialog's texts.
std::vector<std::string> CmpRows(const e2e::TestFolder& data, const char* edited, const char* other)
{
    // cmp ends with status 1 when the files differ.
    std::string listing = unixshell::UnixPath(data.File("cmp.txt"));
    EXPECT_EQ(unixshell::Run("cmp -l '" + unixshell::UnixPath(data.File(edited)) + "' '" +
                             unixshell::UnixPath(data.File(other)) + "' > '" + listing + "' 2>/dev/null"),
              1);
    std::vector<std::string> rows;
    std::istringstream cmp(data.Read("cmp.txt"));
    unsigned long position;
    std::string mine, theirs;
    while (cmp >> position >> mine >> theirs) {
        unsigned a = std::strtoul(mine.c_str(), nullptr, 8), b = std::strtoul(theirs.c_str(), nullptr, 8);
        char row[64];
        std::snprintf(row, sizeof row, "0x%08lX|%3u(0x%02X)|%3u(0x%02X)", position - 1, a, a, b, b);
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(Find, TextHexAndDecimalFromTheDialog)
{
    EditorWithFile f(std::string("xxABCx\x00\x01yABC\x01\x00", 14));
    HWND dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Search(f.editor, dialog, "ABC", IDC_FIND_TEXTMODE, IDC_FIND_HEAD), 2u);
    EXPECT_EQ(Search(f.editor, dialog, "ABC", IDC_FIND_TEXTMODE, IDC_FIND_NEXT), 9u);
    TypeSearch(dialog, "ABC", IDC_FIND_TEXTMODE);
    e2e::PressButton(dialog, IDC_FIND_NEXT);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK, dialog), "\"ABC\"が見つかりません。");
    EXPECT_EQ(f.editor.Caret(), 9u);
    EXPECT_EQ(Search(f.editor, dialog, "ABC", IDC_FIND_TEXTMODE, IDC_FIND_PREV), 2u);
    EXPECT_EQ(Search(f.editor, dialog, "4243", IDC_FIND_HEXMODE, IDC_FIND_NEXT), 3u);
    EXPECT_EQ(Search(f.editor, dialog, "4243", IDC_FIND_HEXMODE, IDC_FIND_NEXT), 10u);
    EXPECT_EQ(Search(f.editor, dialog, "256", IDC_FIND_DECIMALMODE, IDC_FIND_HEAD), 6u);
    e2e::SaveScreenshot(dialog, "find-dialog");
    // Enter does not close the dialog.
    e2e::PressButton(dialog, IDOK);
    EXPECT_FALSE(f.editor.StaysWithoutDialog(300));
    CloseDialog(dialog);
}

TEST(Find, EveryRefusalHasItsMessageAndMovesNothing)
{
    EditorWithFile f("0123456789");
    JumpTo(f.editor, 5);
    HWND dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    EXPECT_EQ(SearchMessage(f.editor, dialog, "0x41", IDC_FIND_HEXMODE), "数値が不正です。");
    EXPECT_EQ(SearchMessage(f.editor, dialog, "1.5", IDC_FIND_DECIMALMODE), "数値が不正です。");
    EXPECT_EQ(SearchMessage(f.editor, dialog, "", IDC_FIND_TEXTMODE), "検索文字列が入力されていません。");
    EXPECT_EQ(SearchMessage(f.editor, dialog, "0123456789A", IDC_FIND_TEXTMODE), "\"0123456789A\"が見つかりません。");
    EXPECT_EQ(f.editor.Caret(), 5u);
    CloseDialog(dialog);
    f.editor.Command(ID_FILE_NEW);
    dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    EXPECT_EQ(SearchMessage(f.editor, dialog, "", IDC_FIND_TEXTMODE), "検索されるデータのサイズが０です。");
    CloseDialog(dialog);
}

TEST(Find, RepeatedSearchesStepThroughOverlappingHits)
{
    EditorWithFile f("AAAA", "[Settings]\r\nFindValue=AAA\r\nFindMode=0\r\n");
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_FINDNEXT), 1u);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_FINDNEXT), "\"AAA\"が見つかりません。");
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_FINDPREV), 0u);
    // From the head a backward search still tries the first position.
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_FINDPREV), 0u);
    EXPECT_TRUE(f.editor.StaysWithoutDialog(300));
}

TEST(Find, Ucs2TextIsLowByteFirstWhateverTheByteOrder)
{
    EditorWithFile f(std::string("\x00\x41\x00\x41\x00", 5),
                     "[Settings]\r\nCharCode=3\r\nByteOrder=1\r\nFindValue=A\r\nFindMode=0\r\n");
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_FINDNEXT), 1u);
}

TEST(Find, TheLastSearchIsKeptOnlyOnceSearched)
{
    EditorWithFile f("abcdef", "[Settings]\r\nFindValue=old\r\nFindMode=0\r\n");
    HWND dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    e2e::SetItemText(dialog, IDC_FIND_TEXT, "typed");
    CloseDialog(dialog);
    dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_FIND_TEXT)), "old");
    EXPECT_EQ(Search(f.editor, dialog, "63", IDC_FIND_HEXMODE, IDC_FIND_HEAD), 2u);
    CloseDialog(dialog);
    ASSERT_TRUE(f.editor.Close());
    EXPECT_NE(f.editor.SettingsText().find("\r\nFindValue=63\r\nFindMode=1\r\n"), std::string::npos);
}

TEST(Jump, AbsoluteAndRelativeStayInsideTheData)
{
    EditorWithFile f(std::string(0x100, 'x'));
    JumpTo(f.editor, 0x20);
    HWND dialog = f.editor.OpenDialog(ID_EDIT_JUMP);
    e2e::SaveScreenshot(dialog, "jump-dialog");
    e2e::SetItemText(dialog, IDC_JUMP_RELATIVE, "10");
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_JUMP_FORWARD), 0x30u);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_JUMP_FORWARD), 0x40u);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_JUMP_BACK), 0x30u);
    e2e::SetItemText(dialog, IDC_JUMP_RELATIVE, "FFFFFFFF");
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_JUMP_FORWARD), 0x100u);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_JUMP_BACK), 0u);
    e2e::SetItemText(dialog, IDC_JUMP_RELATIVE, "XYZ");
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_JUMP_FORWARD), 0u);
    CloseDialog(dialog);
    // Both texts come back as last read; Enter closes without jumping.
    dialog = f.editor.OpenDialog(ID_EDIT_JUMP);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_JUMP_ABSOLUTE)), "20");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_JUMP_RELATIVE)), "XYZ");
    CloseDialog(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(f.editor.Caret(), 0u);
    JumpTo(f.editor, 0x12345);
    EXPECT_EQ(f.editor.Caret(), 0x100u);
}

TEST(Marks, SetJumpSumAndClearedByOpening)
{
    EditorWithFile f("\x10\x20\x30\x40\x50");
    JumpTo(f.editor, 1);
    f.editor.Command(ID_EDIT_MARK);
    JumpTo(f.editor, 3);
    f.editor.Command(ID_EDIT_MARK);
    f.editor.Command(ID_EDIT_LAST);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_SUM), SumMessage("0x60", "0x90", "0xF0"));
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_MARKPREV), 3u);
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_MARKPREV), 1u);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_MARKPREV), notFound);
    EXPECT_EQ(f.editor.Caret(), 1u);
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_MARKNEXT), 3u);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_MARKNEXT), notFound);
    // Toggling on a mark removes it.
    f.editor.Command(ID_EDIT_MARK);
    f.editor.Command(ID_EDIT_HEAD);
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_MARKNEXT), 1u);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_MARKNEXT), notFound);

    f.editor.PostCommand(ID_FILE_OPEN);
    ASSERT_TRUE(f.editor.ChooseFile(f.data.File("data.bin")));
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_SUM), SumMessage("0x0", "0xF0", "0xF0"));
    f.editor.Command(ID_FILE_NEW);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_SUM), SumMessage("0x0", "0x0", "0x0"));
}

TEST(Compare, RowsAreThoseOfCmpAndLeadToTheCaret)
{
    std::string edited(5000, '\0'), other(4000, '\0');
    for (size_t i = 0; i < edited.size(); ++i)
        edited[i] = static_cast<char>(i * 7);
    for (size_t i = 0; i < other.size(); ++i)
        other[i] = static_cast<char>(i % 97 == 0 ? i : i * 7);
    EditorWithFile f(edited);
    f.data.Write("other.bin", other);
    HWND dialog = f.Compare("other.bin");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_NAME)), "other.bin");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_OTHERSIZE)), "0x00000FA0");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_EDITEDSIZE)), "0x00001388");
    e2e::SaveScreenshot(dialog, "compare-dialog");
    std::vector<std::string> expected = CmpRows(f.data, "data.bin", "other.bin");
    ASSERT_GT(expected.size(), 10u);
    HWND list = e2e::DialogItem(dialog, IDC_COMPARE_LIST);
    EXPECT_EQ(e2e::ListViewRows(*f.editor.process, list, 3), expected);

    // The first row is selected; "移動" and a double click move the caret and keep the dialog open.
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 0);
    EXPECT_NE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_COMPARE_GO), std::strtoul(expected[0].c_str(), nullptr, 16));
    e2e::PostKey(list, VK_DOWN);
    EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED) == 1; }));
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_COMPARE_GO), std::strtoul(expected[1].c_str(), nullptr, 16));
    RECT row = e2e::ListViewRowRect(*f.editor.process, list, 2);
    LPARAM point = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
    EXPECT_TRUE(e2e::WaitUntil([&] { return f.editor.Caret() == std::strtoul(expected[2].c_str(), nullptr, 16); }));
    EXPECT_TRUE(IsWindow(dialog));
    CloseDialog(dialog);
}

TEST(Compare, IdenticalCommonPartListsNothing)
{
    EditorWithFile f("same bytes");
    f.data.Write("longer.bin", "same bytes and more");
    HWND dialog = f.Compare("longer.bin");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_COMPARE_LIST, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_COMPARE_GO), 0u);
    CloseDialog(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
}

TEST(Compare, AFileBeingWrittenCanBeCompared)
{
    EditorWithFile f("abcd");
    f.data.Write("log.bin", "abXd");
    HANDLE writer = CreateFileA(f.data.File("log.bin").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    HWND dialog = f.Compare("log.bin");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::ListViewRows(*f.editor.process, e2e::DialogItem(dialog, IDC_COMPARE_LIST), 3),
              std::vector<std::string>{"0x00000002| 99(0x63)| 88(0x58)"});
    CloseDialog(dialog);
    CloseHandle(writer);
}

TEST(Compare, RefusalsSayWhy)
{
    EditorWithFile f("abc");
    f.data.Write("empty.bin", "");
    ASSERT_NE(f.Compare("empty.bin"), nullptr);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "比較先ファイルのサイズが０です。");
    EXPECT_TRUE(f.editor.StaysWithoutDialog());

    // A file another program holds without sharing cannot be read; the system says why.
    f.data.Write("locked.bin", "abd");
    HANDLE locked = CreateFileA(f.data.File("locked.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(f.Compare("locked.bin"), nullptr);
    std::string message = f.editor.AnswerMessage(IDOK);
    EXPECT_EQ(message.rfind("ファイルが開けません。\r\n", 0), 0u) << message;
    EXPECT_GT(message.size(), std::string("ファイルが開けません。\r\n").size());
    CloseHandle(locked);

    f.editor.Command(ID_FILE_NEW);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_COMPARE), "編集中ファイルのサイズが０です。");
    EXPECT_TRUE(f.editor.StaysWithoutDialog());
}

TEST(Marks, AMarkPastTheEndIsLeftOutUntilTheDataGrowsAgain)
{
    EditorWithFile f("\x10\x20\x30\x40\x50", editableSettings);
    JumpTo(f.editor, 4);
    f.editor.Command(ID_EDIT_MARK);
    e2e::PostKey(f.editor.frame, VK_DELETE);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_SUM), SumMessage("0x0", "0xA0", "0xA0"));
    f.editor.Command(ID_EDIT_HEAD);
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_MARKNEXT), notFound);
    f.editor.Command(ID_EDIT_LAST);
    f.editor.Type("55");
    EXPECT_EQ(MessageAfter(f.editor, ID_EDIT_SUM), SumMessage("0x55", "0xA0", "0xF5"));
}

TEST(Compare, UnsavedEditsTakePart)
{
    EditorWithFile f("same bytes", editableSettings);
    f.editor.Type("41");
    f.data.Write("copy.bin", "same bytes");
    HWND dialog = f.Compare("copy.bin");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::ListViewRows(*f.editor.process, e2e::DialogItem(dialog, IDC_COMPARE_LIST), 3),
              std::vector<std::string>{"0x00000000| 65(0x41)|115(0x73)"});
    CloseDialog(dialog);
}
