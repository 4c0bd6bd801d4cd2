#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

// The editor still runs its commands.
bool Answers(const Editor& editor)
{
    const std::string before = editor.Pane(2);
    editor.Command(ID_EDIT_READONLY);
    return editor.Pane(2) != before;
}

} // namespace

// A drop onto a modified document is in EditingTest.
TEST(Drop, OnlyTheFirstFileOpensAndMovesToTheFrontOfTheRecentList)
{
    e2e::TestFolder data;
    for (const char* name : {"first.bin", "second.bin", "third.bin"})
        data.Write(name, name);
    CreateDirectoryA(data.File("folder").c_str(), nullptr);
    Editor editor("", "[Recent File List]\r\nFile1=C:\\newer.bin\r\nFile2=" + data.File("first.bin") + "\r\n");
    // What cannot be opened gives the load's message and stays out of the list.
    editor.DropFiles({data.File("folder")});
    std::string message = editor.AnswerMessage(IDOK);
    EXPECT_EQ(message.rfind("ファイルが開けません。\r\n", 0), 0u) << message;
    EXPECT_EQ(editor.Caption(), "無題 - ZORIX Binary Editor");
    // A path longer than the program's paths is refused, never cut to another file's name.
    editor.DropFiles({"C:\\" + std::string(300, 'a') + ".bin"});
    EXPECT_EQ(editor.AnswerMessage(IDOK), "ドロップされたファイル名が長すぎます。");

    editor.DropFiles({data.File("first.bin"), data.File("second.bin"), data.File("third.bin")});
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "first.bin - ZORIX Binary Editor"; }));
    EXPECT_EQ(editor.Pane(0), "0x00000000 : 102 , 26982 , 1936877926");
    // Files open read-only by default, and a drop follows that option.
    EXPECT_EQ(editor.Pane(2), "編集禁止");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(editor.Setting("Recent File List", "File1"), data.File("first.bin"));
    EXPECT_EQ(editor.Setting("Recent File List", "File2"), "C:\\newer.bin");
    EXPECT_EQ(editor.Setting("Recent File List", "File3"), "");
}

// The calculator of the settings and the help file named after the program
// start; when they are missing nothing starts, nothing is said, and the editor
// goes on.
TEST(HelpAndCalculator, StartWhatIsThereAndNothingElse)
{
    e2e::TestFolder tools;
    const std::string stub = tools.CopyProgram("calculator_stub.exe");
    Editor editor("", "[Settings]\r\nCalculator=" + stub + "\r\n", "binedit.exe");
    editor.Command(ID_VIEW_CALC);
    EXPECT_TRUE(e2e::WaitUntil([&] { return tools.Exists("calculator_stub.exe.started"); }, 10000));
    ASSERT_TRUE(e2e::WaitUntil([&] { return DeleteFileA(stub.c_str()) != FALSE; }));
    editor.Command(ID_VIEW_CALC);
    // Only the help file of another name is there.
    editor.folder.CopyProgram("zorix.CHM");
    editor.Command(ID_HELP_FINDER);
    EXPECT_EQ(editor.process->WaitTopWindow("HH Parent", 1500), nullptr);
    EXPECT_TRUE(editor.StaysWithoutDialog());
    EXPECT_TRUE(Answers(editor));

    editor.folder.CopyProgram("zorix.CHM", "binedit.CHM");
    editor.PostCommand(ID_HELP_FINDER);
    HWND help = editor.process->WaitTopWindow("HH Parent");
    ASSERT_NE(help, nullptr);
    // The contents tree needs a moment to be filled and painted.
    Sleep(500);
    e2e::SaveScreenshot(help, "help");
    EXPECT_TRUE(Answers(editor));
    // The open help window does not hold the editor back from closing.
    EXPECT_TRUE(editor.Close());
}

TEST(About, ShowsTheVersionWithTheFocusOnOk)
{
    Editor editor;
    HWND about = editor.OpenDialog(ID_HELP_ABOUT);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(e2e::WindowText(about), "バージョン情報");
    EXPECT_TRUE(e2e::FocusComesTo(about, IDOK));
    std::string texts;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts += e2e::WindowText(child) + "|";
    EXPECT_NE(texts.find("|ZORIX Binary Editor Version 1.07|"), std::string::npos) << texts;
    e2e::SaveScreenshot(about, "about");

    // OK, Esc and the close box each end it.
    EXPECT_TRUE(e2e::CloseWith(about, IDOK));
    about = editor.OpenDialog(ID_HELP_ABOUT);
    e2e::PostKey(e2e::DialogItem(about, IDOK), VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }));
    about = editor.OpenDialog(ID_HELP_ABOUT);
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(Answers(editor));
}
