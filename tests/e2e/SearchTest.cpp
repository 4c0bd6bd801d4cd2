#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "resources/resource.h"
#include "tests/common/UnixShell.h"
#include "tests/e2e/Editor.h"

using e2e::EditedFile;
using e2e::Editor;

namespace {

const std::string notFound = "マークが見つかりません。";

void TypeSearch(HWND dialog, const std::string& text, int modeButton)
{
    e2e::SetItemText(dialog, IDC_FIND_TEXT, text);
    e2e::Click(dialog, modeButton);
}

// A search from the head that ends in a message: its text, once answered.
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

// Clicks a button of a dialog that shows no message; the caret afterwards.
unsigned long CaretAfterClick(const Editor& editor, HWND dialog, int button)
{
    e2e::Click(dialog, button);
    return editor.Caret();
}

void JumpTo(const Editor& editor, unsigned long offset)
{
    HWND dialog = editor.OpenDialog(ID_EDIT_JUMP);
    char text[16];
    std::snprintf(text, sizeof text, "%lX", offset);
    e2e::SetItemText(dialog, IDC_JUMP_ABSOLUTE, text);
    e2e::CloseWith(dialog, IDC_JUMP_GO);
}

std::string SumMessage(const char* marked, const char* unmarked, const char* all)
{
    return std::string("マークの合計：\t") + marked + "\r\nマーク以外の合計：\t" + unmarked + "\r\n全バイト合計：\t" + all;
}

// Compares with a file of the folder; the dialog or message box that opens.
HWND Compare(const EditedFile& f, const std::string& name)
{
    f.editor.PostCommand(ID_EDIT_COMPARE);
    return f.editor.ChooseFile(f.data.File(name)) ? f.editor.process->WaitDialog() : nullptr;
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

TEST(Find, EachModeFromTheDialogAndOnlyWhatWasSearchedIsKept)
{
    EditedFile f(std::string("xxABCx\x00\x01yABC\x01\x00", 14), "[Settings]\r\nFindValue=old\r\nFindMode=0\r\n");
    HWND dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_FIND_TEXT)), "old");
    TypeSearch(dialog, "ABC", IDC_FIND_TEXTMODE);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_FIND_HEAD), 2u);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_FIND_NEXT), 9u);
    e2e::PressButton(dialog, IDC_FIND_NEXT);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK, dialog), "\"ABC\"が見つかりません。");
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_FIND_PREV), 2u);
    TypeSearch(dialog, "4243", IDC_FIND_HEXMODE);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_FIND_NEXT), 3u);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_FIND_NEXT), 10u);
    TypeSearch(dialog, "256", IDC_FIND_DECIMALMODE);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_FIND_HEAD), 6u);
    e2e::SaveScreenshot(dialog, "find-dialog");
    // Enter does not close the dialog; a text typed but not searched for is not kept.
    e2e::PressButton(dialog, IDOK);
    EXPECT_FALSE(f.editor.StaysWithoutDialog(300));
    e2e::SetItemText(dialog, IDC_FIND_TEXT, "typed");
    ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL));
    ASSERT_TRUE(f.editor.Close());
    EXPECT_NE(f.editor.SettingsText().find("\r\nFindValue=256\r\nFindMode=2\r\n"), std::string::npos);
}

TEST(Find, RepeatedSearchesStepThroughOverlappingHitsAndRefusalsMoveNothing)
{
    EditedFile f("AAAA5", "[Settings]\r\nFindValue=AAA\r\nFindMode=0\r\n");
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_FINDNEXT), 1u);
    EXPECT_EQ(f.editor.Answer(ID_EDIT_FINDNEXT), "\"AAA\"が見つかりません。");
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_FINDPREV), 0u);
    // From the head a backward search still tries the first position.
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_FINDPREV), 0u);
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_FINDNEXT), 1u);

    HWND dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    EXPECT_EQ(SearchMessage(f.editor, dialog, "0x41", IDC_FIND_HEXMODE), "数値が不正です。");
    EXPECT_EQ(SearchMessage(f.editor, dialog, "1.5", IDC_FIND_DECIMALMODE), "数値が不正です。");
    EXPECT_EQ(SearchMessage(f.editor, dialog, "", IDC_FIND_TEXTMODE), "検索文字列が入力されていません。");
    EXPECT_EQ(SearchMessage(f.editor, dialog, "AAAA5A", IDC_FIND_TEXTMODE), "\"AAAA5A\"が見つかりません。");
    EXPECT_EQ(f.editor.Caret(), 1u);
    e2e::CloseWith(dialog, IDCANCEL);
    f.editor.Command(ID_FILE_NEW);
    dialog = f.editor.OpenDialog(ID_EDIT_FIND);
    EXPECT_EQ(SearchMessage(f.editor, dialog, "", IDC_FIND_TEXTMODE), "検索されるデータのサイズが０です。");
    e2e::CloseWith(dialog, IDCANCEL);
}

TEST(Jump, AbsoluteAndRelativeStayInsideTheData)
{
    EditedFile f(std::string(0x100, 'x'));
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
    e2e::CloseWith(dialog, IDCANCEL);
    // Both texts come back as last read; Enter closes without jumping.
    dialog = f.editor.OpenDialog(ID_EDIT_JUMP);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_JUMP_ABSOLUTE)), "20");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_JUMP_RELATIVE)), "XYZ");
    EXPECT_TRUE(e2e::CloseWith(dialog, IDOK));
    EXPECT_EQ(f.editor.Caret(), 0u);
    JumpTo(f.editor, 0x12345);
    EXPECT_EQ(f.editor.Caret(), 0x100u);
}

TEST(Marks, SetJumpSumAndClearedByNew)
{
    EditedFile f("\x10\x20\x30\x40\x50");
    JumpTo(f.editor, 1);
    f.editor.Command(ID_EDIT_MARK);
    JumpTo(f.editor, 3);
    f.editor.Command(ID_EDIT_MARK);
    f.editor.Command(ID_EDIT_LAST);
    EXPECT_EQ(f.editor.Answer(ID_EDIT_SUM), SumMessage("0x60", "0x90", "0xF0"));
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_MARKPREV), 3u);
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_MARKPREV), 1u);
    EXPECT_EQ(f.editor.Answer(ID_EDIT_MARKPREV), notFound);
    EXPECT_EQ(f.editor.Caret(), 1u);
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_MARKNEXT), 3u);
    EXPECT_EQ(f.editor.Answer(ID_EDIT_MARKNEXT), notFound);

    // A mark past the end is left out until the data grows past it again; the
    // end itself holds no byte to mark (a mark there would take that one off).
    JumpTo(f.editor, 4);
    f.editor.Command(ID_EDIT_MARK);
    e2e::PostKey(f.editor.frame, VK_DELETE);
    EXPECT_EQ(f.editor.Answer(ID_EDIT_SUM), SumMessage("0x60", "0x40", "0xA0"));
    EXPECT_EQ(CaretAfter(f.editor, ID_EDIT_MARKPREV), 3u);
    EXPECT_EQ(f.editor.Answer(ID_EDIT_MARKNEXT), notFound);
    f.editor.Command(ID_EDIT_LAST);
    f.editor.Command(ID_EDIT_MARK);
    f.editor.Type("55");
    EXPECT_EQ(f.editor.Answer(ID_EDIT_SUM), SumMessage("0xB5", "0x40", "0xF5"));
    f.editor.Answer(ID_FILE_NEW, IDNO);
    EXPECT_EQ(f.editor.Answer(ID_EDIT_SUM), SumMessage("0x0", "0x0", "0x0"));
}

// Unsaved edits take part, and another program may be writing the other file.
TEST(Compare, RowsAreThoseOfCmpAndLeadToTheCaret)
{
    std::string edited(5000, '\0'), other(4000, '\0');
    for (size_t i = 0; i < edited.size(); ++i)
        edited[i] = static_cast<char>(i * 7);
    for (size_t i = 0; i < other.size(); ++i)
        other[i] = static_cast<char>(i % 97 == 0 ? i : i * 7);
    EditedFile f(edited);
    f.editor.Type("41");
    f.data.Write("edited.bin", "A" + edited.substr(1));
    f.data.Write("other.bin", other);
    HANDLE writer = CreateFileA(f.data.File("other.bin").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    HWND dialog = Compare(f, "other.bin");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_NAME)), "other.bin");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_OTHERSIZE)), "0x00000FA0");
    EXPECT_EQ(e2e::WindowText(e2e::DialogItem(dialog, IDC_COMPARE_EDITEDSIZE)), "0x00001388");
    e2e::SaveScreenshot(dialog, "compare-dialog");
    std::vector<std::string> expected = CmpRows(f.data, "edited.bin", "other.bin");
    ASSERT_GT(expected.size(), 10u);
    HWND list = e2e::DialogItem(dialog, IDC_COMPARE_LIST);
    EXPECT_EQ(e2e::ListViewRows(*f.editor.process, list, 3), expected);

    // The first row is selected; "移動" and a double click move the caret and keep the dialog open.
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 0);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_COMPARE_GO), std::strtoul(expected[0].c_str(), nullptr, 16));
    RECT row = e2e::ListViewRowRect(*f.editor.process, list, 2);
    LPARAM point = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
    EXPECT_TRUE(e2e::WaitUntil([&] { return f.editor.Caret() == std::strtoul(expected[2].c_str(), nullptr, 16); }));
    EXPECT_TRUE(IsWindow(dialog));
    e2e::CloseWith(dialog, IDCANCEL);
    CloseHandle(writer);
}

TEST(Compare, NothingToListOrRefusalsThatSayWhy)
{
    EditedFile f("abc");
    f.data.Write("longer.bin", "abc and more");
    JumpTo(f.editor, 2);
    HWND dialog = Compare(f, "longer.bin");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_COMPARE_LIST, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(CaretAfterClick(f.editor, dialog, IDC_COMPARE_GO), 2u);
    EXPECT_TRUE(e2e::CloseWith(dialog, IDOK));

    f.data.Write("empty.bin", "");
    ASSERT_NE(Compare(f, "empty.bin"), nullptr);
    EXPECT_EQ(f.editor.AnswerMessage(IDOK), "比較先ファイルのサイズが０です。");
    EXPECT_TRUE(f.editor.StaysWithoutDialog());
    // A file another program holds without sharing cannot be read; the system says why.
    f.data.Write("locked.bin", "abd");
    HANDLE locked = CreateFileA(f.data.File("locked.bin").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(Compare(f, "locked.bin"), nullptr);
    std::string message = f.editor.AnswerMessage(IDOK);
    EXPECT_EQ(message.rfind("ファイルが開けません。\r\n", 0), 0u) << message;
    EXPECT_GT(message.size(), std::string("ファイルが開けません。\r\n").size());
    CloseHandle(locked);
    f.editor.Command(ID_FILE_NEW);
    EXPECT_EQ(f.editor.Answer(ID_EDIT_COMPARE), "編集中ファイルのサイズが０です。");
    EXPECT_TRUE(f.editor.StaysWithoutDialog());
}
