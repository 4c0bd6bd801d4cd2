#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

const char overwriteSettings[] = "[Settings]\r\nInsert=0\r\nReadOnly=0\r\nBackUp=0\r\n";
const char insertSettings[] = "[Settings]\r\nInsert=1\r\nReadOnly=0\r\nBackUp=0\r\n";

// The editor on data.bin of a folder of its own.
struct EditedFile {
    EditedFile(const std::string& bytes, const std::string& settings = overwriteSettings) : editor(Start(bytes, settings))
    {
    }
    Editor Start(const std::string& bytes, const std::string& settings)
    {
        data.Write("data.bin", bytes);
        return Editor("\"" + data.File("data.bin") + "\"", settings);
    }
    bool Saved(const std::string& expected) const
    {
        editor.Command(ID_FILE_SAVE);
        return data.Read("data.bin") == expected;
    }
    bool Enabled(WORD id) const { return (editor.ToolbarState(id) & TBSTATE_ENABLED) != 0; }
    bool Modified() const { return editor.Caption().find(" * ") != std::string::npos; }

    e2e::TestFolder data;
    Editor editor;
};

} // namespace

// xclip's text is a Unicode one; it must go, or other programs would paste it instead.
TEST(Clipboard, CopyGivesOtherProgramsTheBytesAsText)
{
    EditedFile file(std::string("\x00\xAB\x10\x61\xFF", 5));
    ASSERT_TRUE(e2e::SetHostClipboard("old text"));
    file.editor.Command(ID_EDIT_SELECTALL);
    file.editor.Command(ID_EDIT_COPY);
    EXPECT_TRUE(e2e::WaitUntil([] { return e2e::HostClipboard() == "00AB1061FF"; }));
    EXPECT_TRUE(file.Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(file.Modified());
}

TEST(Clipboard, PasteAnotherProgramsTextOverOrBetweenTheBytes)
{
    ASSERT_TRUE(e2e::SetHostClipboard("41 2434"));
    for (const char* settings : {overwriteSettings, insertSettings}) {
        EditedFile file("abcd", settings);
        e2e::PostKey(file.editor.frame, VK_RIGHT);
        ASSERT_TRUE(e2e::WaitUntil([&] { return file.editor.Pane(0).rfind("0x00000001", 0) == 0; }));
        file.editor.Command(ID_EDIT_PASTE);
        EXPECT_TRUE(file.Saved(settings == insertSettings ? "aA\x02" "Cbcd" : "aA\x02" "C"));
        EXPECT_EQ(file.editor.Pane(0).rfind("0x00000001", 0), 0u);
    }
}

TEST(Clipboard, CutRemovesTheSelectionAndOneUndoBringsItBack)
{
    EditedFile file("abc");
    file.editor.Command(ID_EDIT_SELECTALL);
    file.editor.Command(ID_EDIT_CUT);
    EXPECT_EQ(e2e::ClipboardText(), "616263");
    EXPECT_TRUE(file.Saved(""));
    file.editor.Command(ID_EDIT_SELECTALL);
    EXPECT_FALSE(file.Enabled(ID_EDIT_CUT));
    file.editor.Command(ID_EDIT_UNDO);
    EXPECT_TRUE(file.Saved("abc"));
}

TEST(Clipboard, ReadOnlyRefusesCutAndPasteButCopies)
{
    ASSERT_TRUE(e2e::SetHostClipboard("41"));
    EditedFile file("abc", "[Settings]\r\nReadOnly=1\r\n");
    file.editor.Command(ID_EDIT_SELECTALL);
    file.editor.Command(ID_EDIT_CUT);
    file.editor.Command(ID_EDIT_PASTE);
    EXPECT_EQ(e2e::ClipboardText(), "41");
    file.editor.Command(ID_EDIT_COPY);
    EXPECT_EQ(e2e::ClipboardText(), "616263");
    EXPECT_FALSE(file.Modified());
}

// Nothing to paste still counts as a change. A clipboard that another
// program holds open is reported and changes nothing; Cut then keeps the bytes.
TEST(Clipboard, EmptyOrUnusableClipboard)
{
    EditedFile file("abc");
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard());
    file.editor.Command(ID_EDIT_SELECTALL);
    EXPECT_FALSE(file.Enabled(ID_EDIT_PASTE));
    for (WORD command : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE}) {
        file.editor.PostCommand(command);
        EXPECT_EQ(file.editor.AnswerMessage(IDOK), "クリップボードを使用できません。") << command;
    }
    EXPECT_FALSE(file.Modified());
    CloseClipboard();
    file.editor.Command(ID_EDIT_PASTE);
    EXPECT_TRUE(file.Modified());
    EXPECT_TRUE(file.Saved("abc"));
}
