#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;
using e2e::SettingsValue;

namespace {

std::string RecentFile(const Editor& editor, int number)
{
    return SettingsValue(editor.SettingsText(), "Recent File List", "File" + std::to_string(number));
}

HWND HelpWindow(const Editor& editor, DWORD timeoutMs = 10000)
{
    return editor.process->WaitTopWindow("HH Parent", timeoutMs);
}

// The editor still runs its commands.
bool Answers(const Editor& editor)
{
    const std::string before = editor.Pane(2);
    editor.Command(ID_EDIT_READONLY);
    return editor.Pane(2) != before;
}

} // namespace

TEST(Drop, OnlyTheFirstOfSeveralFilesOpensAndJoinsTheRecentList)
{
    e2e::TestFolder data;
    for (const char* name : {"first.bin", "second.bin", "third.bin"})
        data.Write(name, name);
    Editor editor;
    editor.DropFiles({data.File("first.bin"), data.File("second.bin"), data.File("third.bin")});
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "first.bin - ZORIX Binary Editor"; }));
    EXPECT_EQ(editor.Pane(0), "0x00000000 : 102 , 26982 , 1936877926");
    // Files open read-only by default, and a drop follows that option.
    EXPECT_EQ(editor.Pane(2), "編集禁止");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(RecentFile(editor, 1), data.File("first.bin"));
    EXPECT_EQ(RecentFile(editor, 2), "");
}

TEST(Drop, FileAlreadyInTheRecentListMovesToTheFront)
{
    e2e::TestFolder data;
    data.Write("old.bin", "x");
    Editor editor("", "[Recent File List]\r\nFile1=C:\\newer.bin\r\nFile2=" + data.File("old.bin") + "\r\n");
    editor.DropFiles({data.File("old.bin")});
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "old.bin - ZORIX Binary Editor"; }));
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(RecentFile(editor, 1), data.File("old.bin"));
    EXPECT_EQ(RecentFile(editor, 2), "C:\\newer.bin");
    EXPECT_EQ(RecentFile(editor, 3), "");
}

TEST(Drop, PathsThatCannotOpenLeaveTheRecentListAlone)
{
    e2e::TestFolder data;
    CreateDirectoryA(data.File("folder").c_str(), nullptr);
    Editor editor("", "[Recent File List]\r\nFile1=C:\\kept.bin\r\n");
    editor.DropFiles({data.File("folder")});
    std::string message = editor.AnswerMessage(IDOK);
    EXPECT_EQ(message.rfind("ファイルが開けません。\r\n", 0), 0u) << message;
    EXPECT_EQ(editor.Caption(), "無題 - ZORIX Binary Editor");

    // A path longer than the program's paths is refused, never cut to another file's name.
    editor.DropFiles({"C:\\" + std::string(300, 'a') + ".bin"});
    EXPECT_EQ(editor.AnswerMessage(IDOK), "ドロップされたファイル名が長すぎます。");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(RecentFile(editor, 1), "C:\\kept.bin");
    EXPECT_EQ(RecentFile(editor, 2), "");
}

TEST(Help, OpensTheHelpFileNamedAfterTheProgram)
{
    Editor editor("", "", "binedit.exe");
    // Only the help file of another name is there: nothing happens.
    editor.folder.CopyProgram("zorix.CHM");
    editor.Command(ID_HELP_FINDER);
    EXPECT_EQ(HelpWindow(editor, 1500), nullptr);
    EXPECT_TRUE(editor.StaysWithoutDialog());
    EXPECT_TRUE(Answers(editor));

    editor.folder.CopyProgram("zorix.CHM", "binedit.CHM");
    editor.PostCommand(ID_HELP_FINDER);
    HWND help = HelpWindow(editor);
    ASSERT_NE(help, nullptr);
    // The contents tree needs a moment to be filled and painted.
    Sleep(500);
    e2e::SaveScreenshot(help, "help");
    EXPECT_TRUE(Answers(editor));
    // The open help window does not hold the editor back from closing.
    EXPECT_TRUE(editor.Close());
}

TEST(Calculator, StartsTheConfiguredProgram)
{
    e2e::TestFolder tools;
    std::string stub = tools.CopyProgram("calculator_stub.exe");
    Editor editor("", "[Settings]\r\nCalculator=" + stub + "\r\n");
    editor.Command(ID_VIEW_CALC);
    EXPECT_TRUE(e2e::WaitUntil([&] { return tools.Exists("calculator_stub.exe.started"); }, 10000));
}

TEST(Calculator, MissingOrEmptyPathsStartNothingAndSayNothing)
{
    for (std::string path : {"C:\\nowhere\\calc.exe", ""}) {
        SCOPED_TRACE(path);
        Editor editor("", "[Settings]\r\nCalculator=" + path + "\r\n");
        editor.Command(ID_VIEW_CALC);
        EXPECT_TRUE(editor.StaysWithoutDialog());
        EXPECT_TRUE(Answers(editor));
    }
}

TEST(About, ShowsTheVersionWithTheFocusOnOk)
{
    Editor editor;
    editor.PostCommand(ID_HELP_ABOUT);
    HWND about = editor.process->WaitDialog();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(e2e::WindowText(about), "バージョン情報");
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof focus;
    GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &focus);
    EXPECT_EQ(focus.hwndFocus, e2e::DialogItem(about, IDOK));
    std::string texts;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts += e2e::WindowText(child) + "|";
    EXPECT_NE(texts.find("|ZORIX Binary Editor Version 1.07|"), std::string::npos) << texts;
    e2e::SaveScreenshot(about, "about");

    // OK, Esc and the close box each end it.
    e2e::PressButton(about, IDOK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }));
    editor.PostCommand(ID_HELP_ABOUT);
    about = editor.process->WaitDialog();
    ASSERT_NE(about, nullptr);
    e2e::PostKey(e2e::DialogItem(about, IDOK), VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }));
    editor.PostCommand(ID_HELP_ABOUT);
    about = editor.process->WaitDialog();
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(Answers(editor));
}
