#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

const char saveQuestion[] = "データの変更を保存しますか？";

// The editor with data.bin open and its first byte typed over with 41 (the g
// before it is no digit and changes nothing); the recent files are data.bin,
// then other.bin.
struct ModifiedFile {
    ModifiedFile() : editor(Start())
    {
        editor.Type("g41");
    }
    Editor Start()
    {
        data.Write("data.bin", "abc");
        data.Write("other.bin", "xyz");
        const std::string recent = "[Recent File List]\r\nFile1=" + data.File("other.bin") + "\r\n";
        return Editor("\"" + data.File("data.bin") + "\"", e2e::editableSettings + recent);
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
        EXPECT_EQ(file.editor.Answer(command, IDCANCEL), saveQuestion) << command;
        EXPECT_TRUE(file.editor.StaysWithoutDialog(300)) << command;
        EXPECT_TRUE(file.KeepsItsChanges()) << command;
    }
    file.editor.DropFiles({file.data.File("other.bin")});
    EXPECT_EQ(file.editor.AnswerMessage(IDCANCEL), saveQuestion);
    EXPECT_TRUE(file.KeepsItsChanges());
    EXPECT_EQ(file.data.Read("data.bin"), "abc");

    // Read-only refuses typing but allows Undo, which is disabled once no step is left.
    file.editor.Command(ID_EDIT_READONLY);
    file.editor.Type("0");
    file.editor.Command(ID_EDIT_UNDO);
    EXPECT_EQ(file.editor.Caption(), "data.bin - ZORIX Binary Editor");
    EXPECT_FALSE(file.editor.Enabled(ID_EDIT_UNDO));
    EXPECT_EQ(file.editor.Pane(0), "0x00000000 :  97 , 25185 ,    6513249");
}

// Opening a file leaves Undo disabled until the next change.
TEST(UnsavedChanges, NoDiscardsAndYesSavesFirst)
{
    ModifiedFile file;
    EXPECT_TRUE(file.editor.Enabled(ID_EDIT_UNDO));
    file.editor.Answer(ID_RECENT_FIRST + 1, IDNO);
    EXPECT_TRUE(e2e::WaitUntil([&] { return file.editor.Caption() == "other.bin - ZORIX Binary Editor"; }));
    EXPECT_EQ(file.data.Read("data.bin"), "abc");
    EXPECT_FALSE(file.editor.Enabled(ID_EDIT_UNDO));

    file.editor.Type("42");
    EXPECT_TRUE(file.editor.Enabled(ID_EDIT_UNDO));
    file.editor.Answer(ID_FILE_EXIT, IDYES);
    EXPECT_TRUE(file.editor.process->WaitExit());
    EXPECT_EQ(file.data.Read("other.bin"), "Byz");
}

// Yes on an untitled document goes through the Save As picker; cancelling
// the picker cancels the whole command instead of discarding the bytes.
TEST(UnsavedChanges, CancelledSaveAsPickerCancelsTheCommand)
{
    e2e::TestFolder data;
    Editor editor("", e2e::editableSettings);
    editor.Type("7f");
    ASSERT_EQ(editor.Caption(), "無題 * - ZORIX Binary Editor");
    editor.Answer(ID_FILE_NEW, IDYES);
    HWND picker = editor.process->WaitDialog();
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(e2e::CloseWith(picker, IDCANCEL));
    EXPECT_TRUE(editor.StaysWithoutDialog(300));
    EXPECT_EQ(editor.Caption(), "無題 * - ZORIX Binary Editor");

    editor.Answer(ID_FILE_NEW, IDYES);
    ASSERT_TRUE(editor.ChooseFile(data.File("new.bin")));
    EXPECT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "無題 - ZORIX Binary Editor"; }));
    EXPECT_EQ(data.Read("new.bin"), "\x7F");
    EXPECT_FALSE(editor.Enabled(ID_EDIT_UNDO));
}
