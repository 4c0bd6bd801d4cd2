#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

const char editableSettings[] = "[Settings]\r\nInsert=0\r\nReadOnly=0\r\nBackUp=0\r\n";
const char saveQuestion[] = "データの変更を保存しますか？";

// The editor with data.bin open and its first byte typed over with 41; the
// recent files are data.bin, then other.bin.
struct ModifiedFile {
    ModifiedFile() : editor(Start())
    {
        editor.Type("41");
    }
    Editor Start()
    {
        data.Write("data.bin", "abc");
        data.Write("other.bin", "xyz");
        return Editor("\"" + data.File("data.bin") + "\"",
                      std::string(editableSettings) + "[Recent File List]\r\nFile1=" + data.File("other.bin") + "\r\n");
    }
    bool KeepsItsChanges() const
    {
        return editor.Caption() == "data.bin * - ZORIX Binary Editor" &&
               editor.Pane(0).rfind("0x00000001 :  98 ,", 0) == 0;
    }

    e2e::TestFolder data;
    Editor editor;
};

} // namespace

TEST(UnsavedChanges, CancelKeepsTheChangesForNewOpenRecentDropAndExit)
{
    ModifiedFile file;
    ASSERT_TRUE(file.KeepsItsChanges());
    for (WORD command : {ID_FILE_NEW, ID_FILE_OPEN, ID_RECENT_FIRST + 1, ID_FILE_EXIT}) {
        file.editor.PostCommand(command);
        EXPECT_EQ(file.editor.AnswerMessage(IDCANCEL), saveQuestion) << command;
        EXPECT_TRUE(file.editor.StaysWithoutDialog(300)) << command;
        EXPECT_TRUE(file.KeepsItsChanges()) << command;
    }
    file.editor.DropFiles({file.data.File("other.bin")});
    EXPECT_EQ(file.editor.AnswerMessage(IDCANCEL), saveQuestion);
    EXPECT_TRUE(file.KeepsItsChanges());
    EXPECT_EQ(file.data.Read("data.bin"), "abc");
}

TEST(UnsavedChanges, NoDiscardsAndYesSavesFirst)
{
    ModifiedFile file;
    file.editor.PostCommand(ID_RECENT_FIRST + 1);
    file.editor.AnswerMessage(IDNO);
    EXPECT_TRUE(e2e::WaitUntil([&] { return file.editor.Caption() == "other.bin - ZORIX Binary Editor"; }));
    EXPECT_EQ(file.data.Read("data.bin"), "abc");

    file.editor.Type("42");
    file.editor.PostCommand(ID_FILE_EXIT);
    file.editor.AnswerMessage(IDYES);
    EXPECT_TRUE(file.editor.process->WaitExit());
    EXPECT_EQ(file.data.Read("other.bin"), "Byz");
}

// Yes on an untitled document goes through the Save As picker; cancelling
// the picker cancels the whole command instead of discarding the bytes.
TEST(UnsavedChanges, CancelledSaveAsPickerCancelsTheCommand)
{
    e2e::TestFolder data;
    Editor editor("", editableSettings);
    editor.Type("7f");
    ASSERT_EQ(editor.Caption(), "無題 * - ZORIX Binary Editor");
    editor.PostCommand(ID_FILE_NEW);
    editor.AnswerMessage(IDYES);
    HWND picker = editor.process->WaitDialog();
    ASSERT_NE(picker, nullptr);
    e2e::PressButton(picker, IDCANCEL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(picker); }));
    EXPECT_TRUE(editor.StaysWithoutDialog(300));
    EXPECT_EQ(editor.Caption(), "無題 * - ZORIX Binary Editor");

    editor.PostCommand(ID_FILE_NEW);
    editor.AnswerMessage(IDYES);
    ASSERT_TRUE(editor.ChooseFile(data.File("new.bin")));
    EXPECT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "無題 - ZORIX Binary Editor"; }));
    EXPECT_EQ(data.Read("new.bin"), "\x7F");
}

TEST(Undo, EnabledExactlyWhileStepsRemainAndAllowedWhenReadOnly)
{
    e2e::TestFolder data;
    data.Write("data.bin", "abc");
    Editor editor("\"" + data.File("data.bin") + "\"", editableSettings);
    EXPECT_EQ(editor.ToolbarState(ID_EDIT_UNDO) & TBSTATE_ENABLED, 0);
    editor.Type("41");
    EXPECT_NE(editor.ToolbarState(ID_EDIT_UNDO) & TBSTATE_ENABLED, 0);
    editor.Command(ID_EDIT_READONLY);
    editor.Type("0");
    editor.Command(ID_EDIT_UNDO);
    EXPECT_EQ(editor.Caption(), "data.bin - ZORIX Binary Editor");
    EXPECT_EQ(editor.ToolbarState(ID_EDIT_UNDO) & TBSTATE_ENABLED, 0);
    EXPECT_EQ(editor.Pane(0), "0x00000000 :  97 , 25185 ,    6513249");
}
