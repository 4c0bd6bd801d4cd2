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

// The editor with one file of the given bytes open, and the settings given.
struct EditorWithFile {
    explicit EditorWithFile(const std::string& bytes, const std::string& settings = "")
        : editor((data.Write("data.bin", bytes), "\"" + data.File("data.bin") + "\""), settings)
    {
    }
    e2e::TestFolder data;
    Editor editor;
};

void CloseDialog(HWND dialog)
{
    e2e::PressButton(dialog, IDCANCEL);
    e2e::WaitUntil([&] { return !IsWindow(dialog); });
}

// Types the text, picks the mode and runs one of the three searches; for searches that show no message.
void Search(HWND dialog, const std::string& text, int modeButton, int searchButton)
{
    e2e::SetItemText(dialog, IDC_FIND_TEXT, text);
    SendMessageTimeoutA(e2e::DialogItem(dialog, modeButton), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    e2e::ClickButton(dialog, searchButton);
}

// The same for searches that end in a message: returns its text once answered.
std::string SearchWithMessage(const Editor& editor, HWND dialog, const std::string& text, int modeButton,
                              int searchButton)
{
    e2e::SetItemText(dialog, IDC_FIND_TEXT, text);
    SendMessageTimeoutA(e2e::DialogItem(dialog, modeButton), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    e2e::PressButton(dialog, searchButton);
    return editor.AnswerMessage(IDOK, dialog);
}

void JumpTo(const Editor& editor, unsigned long offset)
{
    HWND dialog = editor.OpenDialog(ID_EDIT_JUMP);
    char text[16];
    std::snprintf(text, sizeof text, "%lX", offset);
    e2e::SetItemText(dialog, IDC_JUMP_ABSOLUTE, text);
    e2e::PressButton(dialog, IDC_JUMP_GO);
    e2e::WaitUntil([&] { return !IsWindow(dialog); });
}

std::string Value(const std::string& settings, const std::string& key)
{
    size_t at = settings.find("\n" + key + "=");
    if (at == std::string::npos)
        return "<none>";
    at += key.size() + 2;
    return settings.substr(at, settings.find_first_of("\r\n", at) - at);
}

} // namespace

TEST(Find, TextHexAndDecimalFromTheDialog)
{
    EditorWithFile f(std::string("xxABCx\x00\x01yABC\x01\x00", 14));
    HWND dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    ASSERT_NE(dialog, nullptr);
    Search(dialog, "ABC", IDC_FIND_TEXTMODE, IDC_FIND_HEAD);
    EXPECT_EQ(f.editor.Caret(), 2u);
    Search(dialog, "ABC", IDC_FIND_TEXTMODE, IDC_FIND_NEXT);
    EXPECT_EQ(f.editor.Caret(), 9u);
    EXPECT_EQ(SearchWithMessage(f.editor, dialog, "ABC", IDC_FIND_TEXTMODE, IDC_FIND_NEXT), "\"ABC\"が見つかりません。");
    EXPECT_EQ(f.editor.Caret(), 9u);
    Search(dialog, "ABC", IDC_FIND_TEXTMODE, IDC_FIND_PREV);
    EXPECT_EQ(f.editor.Caret(), 2u);
    Search(dialog, "4243", IDC_FIND_HEXMODE, IDC_FIND_NEXT);
    EXPECT_EQ(f.editor.Caret(), 3u);
    Search(dialog, "4243", IDC_FIND_HEXMODE, IDC_FIND_NEXT);
    EXPECT_EQ(f.editor.Caret(), 10u);
    Search(dialog, "256", IDC_FIND_DECIMALMODE, IDC_FIND_HEAD);
    EXPECT_EQ(f.editor.Caret(), 6u);
    e2e::SaveScreenshot(dialog, "find-dialog");
    // Enter does not close the dialog, the searches leave it open.
    e2e::PressButton(dialog, IDOK);
    EXPECT_FALSE(f.editor.StaysWithoutDialog(300));
    EXPECT_TRUE(IsWindow(dialog));
    CloseDialog(dialog);
}

TEST(Find, EveryRefusalHasItsMessageAndMovesNothing)
{
    EditorWithFile f("0123456789");
    JumpTo(f.editor, 5);
    HWND dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    for (const char* text : {"0x41", "4 1", "-41"})
        EXPECT_EQ(SearchWithMessage(f.editor, dialog, text, IDC_FIND_HEXMODE, IDC_FIND_HEAD), "数値が不正です。");
    EXPECT_EQ(SearchWithMessage(f.editor, dialog, "1.5", IDC_FIND_DECIMALMODE, IDC_FIND_HEAD), "数値が不正です。");
    EXPECT_EQ(SearchWithMessage(f.editor, dialog, "", IDC_FIND_TEXTMODE, IDC_FIND_HEAD), "検索文字列が入力されていません。");
    EXPECT_EQ(SearchWithMessage(f.editor, dialog, "0123456789A", IDC_FIND_TEXTMODE, IDC_FIND_HEAD),
              "\"0123456789A\"が見つかりません。");
    EXPECT_EQ(f.editor.Caret(), 5u);
    CloseDialog(dialog);
    f.editor.Command(ID_FILE_NEW);
    dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    EXPECT_EQ(SearchWithMessage(f.editor, dialog, "", IDC_FIND_TEXTMODE, IDC_FIND_HEAD),
              "検索されるデータのサイズが０です。");
    CloseDialog(dialog);
}

TEST(Find, RepeatedSearchesStepThroughOverlappingHits)
{
    EditorWithFile f("AAAA", "[Settings]\r\nFindValue=AAA\r\nFindMode=0\r\n");
    f.editor.Command(ID_EDIT_FINDNEXT);
    EXPECT_EQ(f.editor.Caret(), 1u);
    f.editor.PostCommand(ID_EDIT_FINDNEXT);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "\"AAA\"が見つかりません。");
    EXPECT_EQ(f.editor.Caret(), 1u);
    f.editor.Command(ID_EDIT_FINDPREV);
    EXPECT_EQ(f.editor.Caret(), 0u);
    // From the head a backward search still tries the first position.
    f.editor.Command(ID_EDIT_FINDPREV);
    EXPECT_TRUE(f.editor.StaysWithoutDialog(300));
    EXPECT_EQ(f.editor.Caret(), 0u);
}

TEST(Find, Ucs2TextIsLowByteFirstWhateverTheByteOrder)
{
    EditorWithFile f(std::string("\x00\x41\x00\x41\x00", 5),
                     "[Settings]\r\nCharCode=3\r\nByteOrder=1\r\nFindValue=A\r\nFindMode=0\r\n");
    f.editor.Command(ID_EDIT_FINDNEXT);
    EXPECT_EQ(f.editor.Caret(), 1u);
}

TEST(Find, TheLastSearchIsKeptOnlyOnceSearched)
{
    EditorWithFile f("abcdef", "[Settings]\r\nFindValue=old\r\nFindMode=0\r\n");
    HWND dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_FIND_TEXT)), "old");
    e2e::SetItemText(dialog, IDC_FIND_TEXT, "typed");
    CloseDialog(dialog);
    dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_FIND_TEXT)), "old");
    Search(dialog, "63", IDC_FIND_HEXMODE, IDC_FIND_HEAD);
    EXPECT_EQ(f.editor.Caret(), 2u);
    CloseDialog(dialog);
    ASSERT_TRUE(f.editor.Close());
    std::string settings = f.editor.SettingsText();
    EXPECT_EQ(Value(settings, "FindValue"), "63");
    EXPECT_EQ(Value(settings, "FindMode"), "1");
}

TEST(Jump, AbsoluteAndRelativeStayInsideTheData)
{
    EditorWithFile f(std::string(0x100, 'x'));
    JumpTo(f.editor, 0x20);
    EXPECT_EQ(f.editor.Caret(), 0x20u);
    HWND dialog = f.editor.OpenDialog(ID_EDIT_JUMP);
    e2e::SaveScreenshot(dialog, "jump-dialog");
    e2e::SetItemText(dialog, IDC_JUMP_RELATIVE, "10");
    e2e::ClickButton(dialog, IDC_JUMP_FORWARD);
    e2e::ClickButton(dialog, IDC_JUMP_FORWARD);
    EXPECT_EQ(f.editor.Caret(), 0x40u);
    e2e::ClickButton(dialog, IDC_JUMP_BACK);
    EXPECT_EQ(f.editor.Caret(), 0x30u);
    e2e::SetItemText(dialog, IDC_JUMP_RELATIVE, "FFFFFFFF");
    e2e::ClickButton(dialog, IDC_JUMP_FORWARD);
    EXPECT_EQ(f.editor.Caret(), 0x100u);
    e2e::ClickButton(dialog, IDC_JUMP_BACK);
    EXPECT_EQ(f.editor.Caret(), 0u);
    e2e::SetItemText(dialog, IDC_JUMP_RELATIVE, "XYZ");
    e2e::ClickButton(dialog, IDC_JUMP_FORWARD);
    EXPECT_EQ(f.editor.Caret(), 0u);
    CloseDialog(dialog);
    // Both texts come back as last read; Enter closes without jumping.
    dialog = f.editor.OpenDialog(ID_EDIT_JUMP);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_JUMP_ABSOLUTE)), "20");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_JUMP_RELATIVE)), "XYZ");
    e2e::PressButton(dialog, IDOK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }));
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
    f.editor.Command(ID_EDIT_MARK);
    f.editor.PostCommand(ID_EDIT_SUM);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK),
              "マークの合計：\t0x60\r\nマーク以外の合計：\t0x90\r\n全バイト合計：\t0xF0");
    f.editor.Command(ID_EDIT_MARKPREV);
    EXPECT_EQ(f.editor.Caret(), 3u);
    f.editor.Command(ID_EDIT_MARKPREV);
    EXPECT_EQ(f.editor.Caret(), 1u);
    f.editor.PostCommand(ID_EDIT_MARKPREV);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "マークが見つかりません。");
    EXPECT_EQ(f.editor.Caret(), 1u);
    f.editor.Command(ID_EDIT_MARKNEXT);
    EXPECT_EQ(f.editor.Caret(), 3u);
    f.editor.PostCommand(ID_EDIT_MARKNEXT);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "マークが見つかりません。");
    // Toggling on a mark removes it.
    f.editor.Command(ID_EDIT_MARK);
    f.editor.Command(ID_EDIT_HEAD);
    f.editor.Command(ID_EDIT_MARKNEXT);
    EXPECT_EQ(f.editor.Caret(), 1u);
    f.editor.PostCommand(ID_EDIT_MARKNEXT);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "マークが見つかりません。");

    f.editor.PostCommand(ID_FILE_OPEN);
    ASSERT_TRUE(f.editor.ChooseFile(f.data.File("data.bin")));
    ASSERT_TRUE(e2e::WaitUntil([&] { return f.editor.Caption() == "data.bin - ZORIX Binary Editor"; }));
    f.editor.PostCommand(ID_EDIT_MARKNEXT);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "マークが見つかりません。");
    f.editor.PostCommand(ID_EDIT_SUM);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK),
              "マークの合計：\t0x0\r\nマーク以外の合計：\t0xF0\r\n全バイト合計：\t0xF0");
    f.editor.Command(ID_FILE_NEW);
    f.editor.PostCommand(ID_EDIT_SUM);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "マークの合計：\t0x0\r\nマーク以外の合計：\t0x0\r\n全バイト合計：\t0x0");
}

TEST(Compare, RowsAreThoseOfCmp)
{
    std::string edited(5000, '\0'), other(4000, '\0');
    for (size_t i = 0; i < edited.size(); ++i)
        edited[i] = static_cast<char>(i * 7);
    for (size_t i = 0; i < other.size(); ++i)
        other[i] = static_cast<char>(i % 97 == 0 ? i : i * 7);
    EditorWithFile f(edited);
    f.data.Write("other.bin", other);
    f.editor.PostCommand(ID_EDIT_COMPARE);
    ASSERT_TRUE(f.editor.ChooseFile(f.data.File("other.bin")));
    HWND dialog = f.editor.process->WaitDialog();
    ASSERT_NE(dialog, nullptr);
    HWND list = e2e::DialogItem(dialog, IDC_COMPARE_LIST);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_NAME)), "other.bin");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_OTHERSIZE)), "0x00000FA0");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_EDITEDSIZE)), "0x00001388");
    e2e::SaveScreenshot(dialog, "compare-dialog");

    const std::string out = f.data.File("cmp.txt");
    // cmp ends with status 1 when the files differ.
    ASSERT_EQ(unixshell::Run("cmp -l '" + unixshell::UnixPath(f.data.File("data.bin")) + "' '" +
                             unixshell::UnixPath(f.data.File("other.bin")) + "' > '" + unixshell::UnixPath(out) +
                             "' 2>/dev/null"),
              1);
    std::vector<std::string> expected;
    std::istringstream cmp(f.data.Read("cmp.txt"));
    unsigned long position;
    std::string mine, theirs;
    while (cmp >> position >> mine >> theirs) {
        unsigned a = std::strtoul(mine.c_str(), nullptr, 8), b = std::strtoul(theirs.c_str(), nullptr, 8);
        char row[64];
        std::snprintf(row, sizeof row, "0x%08lX|%3u(0x%02X)|%3u(0x%02X)", position - 1, a, a, b, b);
        expected.push_back(row);
    }
    ASSERT_GT(expected.size(), 10u);
    EXPECT_EQ(e2e::ListViewRows(*f.editor.process, list, 3), expected);

    // The first row is selected; "移動" and a double click move the caret and keep the dialog open.
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 0);
    EXPECT_NE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);
    e2e::ClickButton(dialog, IDC_COMPARE_GO);
    EXPECT_EQ(f.editor.Caret(), std::strtoul(expected[0].c_str(), nullptr, 16));
    e2e::PostKey(list, VK_DOWN);
    EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED) == 1; }));
    e2e::ClickButton(dialog, IDC_COMPARE_GO);
    EXPECT_EQ(f.editor.Caret(), std::strtoul(expected[1].c_str(), nullptr, 16));
    RECT row = e2e::ListViewRowRect(*f.editor.process, list, 2);
    LPARAM point = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(list, WM_LBUTTONUP, 0, point);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    PostMessageA(list, WM_LBUTTONUP, 0, point);
    EXPECT_TRUE(e2e::WaitUntil([&] { return f.editor.Caret() == std::strtoul(expected[2].c_str(), nullptr, 16); }));
    EXPECT_TRUE(IsWindow(dialog));
    CloseDialog(dialog);
}

TEST(Compare, IdenticalCommonPartListsNothing)
{
    EditorWithFile f("same bytes");
    f.data.Write("longer.bin", "same bytes and more");
    f.editor.PostCommand(ID_EDIT_COMPARE);
    ASSERT_TRUE(f.editor.ChooseFile(f.data.File("longer.bin")));
    HWND dialog = f.editor.process->WaitDialog();
    ASSERT_NE(dialog, nullptr);
    HWND list = e2e::DialogItem(dialog, IDC_COMPARE_LIST);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    e2e::ClickButton(dialog, IDC_COMPARE_GO);
    EXPECT_EQ(f.editor.Caret(), 0u);
    // Enter closes the dialog.
    e2e::PressButton(dialog, IDOK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }));
}

TEST(Compare, RefusalsSayWhy)
{
    EditorWithFile f("abc");
    f.data.Write("empty.bin", "");
    f.editor.PostCommand(ID_EDIT_COMPARE);
    ASSERT_TRUE(f.editor.ChooseFile(f.data.File("empty.bin")));
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "比較先ファイルのサイズが０です。");
    EXPECT_TRUE(f.editor.StaysWithoutDialog());

    // A file another program holds without sharing cannot be read; the system says why.
    f.data.Write("locked.bin", "abd");
    HANDLE locked = CreateFileA(f.data.File("locked.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    f.editor.PostCommand(ID_EDIT_COMPARE);
    ASSERT_TRUE(f.editor.ChooseFile(f.data.File("locked.bin")));
    std::string message = f.editor.AnswerMessage(IDOK);
    EXPECT_EQ(message.rfind("ファイルが開けません。\r\n", 0), 0u) << message;
    EXPECT_GT(message.size(), std::string("ファイルが開けません。\r\n").size());
    CloseHandle(locked);

    f.editor.Command(ID_FILE_NEW);
    f.editor.PostCommand(ID_EDIT_COMPARE);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "編集中ファイルのサイズが０です。");
    EXPECT_TRUE(f.editor.StaysWithoutDialog());
}

TEST(Compare, AFileBeingWrittenCanBeCompared)
{
    EditorWithFile f("abcd");
    f.data.Write("log.bin", "abXd");
    HANDLE writer = CreateFileA(f.data.File("log.bin").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    f.editor.PostCommand(ID_EDIT_COMPARE);
    ASSERT_TRUE(f.editor.ChooseFile(f.data.File("log.bin")));
    HWND dialog = f.editor.process->WaitDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::ListViewRows(*f.editor.process, e2e::DialogItem(dialog, IDC_COMPARE_LIST), 3),
              std::vector<std::string>{"0x00000002| 99(0x63)| 88(0x58)"});
    CloseDialog(dialog);
    CloseHandle(writer);
}
