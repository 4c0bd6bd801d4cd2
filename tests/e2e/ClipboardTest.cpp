#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::EditedFile;

namespace {

bool Modified(const EditedFile& file)
{
    return file.editor.Caption().find(" * ") != std::string::npos;
}

} // namespace

// xclip's text is a Unicode one; Copy must empty the clipboard, or other
// programs would paste that text instead. Cut takes the selection out and one
// Undo brings it back; when read-only, Cut and Paste do nothing but Copy works.
TEST(Clipboard, CopyAndCutGiveOtherProgramsTheBytesAsText)
{
    const std::string bytes("\x00\xAB\x10\x61\xFF", 5);
    EditedFile file(bytes);
    ASSERT_TRUE(e2e::SetHostClipboard("old text"));
    file.editor.Command(ID_EDIT_SELECTALL);
    file.editor.Command(ID_EDIT_COPY);
    EXPECT_TRUE(e2e::WaitUntil([] { return e2e::HostClipboard() == "00AB1061FF"; }));
    EXPECT_TRUE(file.editor.Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(Modified(file));

    ASSERT_TRUE(e2e::SetHostClipboard("41"));
    file.editor.Command(ID_EDIT_CUT);
    EXPECT_EQ(e2e::ClipboardText(), "00AB1061FF");
    EXPECT_TRUE(file.Saved(""));
    file.editor.Command(ID_EDIT_SELECTALL);
    EXPECT_FALSE(file.editor.Enabled(ID_EDIT_CUT));
    file.editor.Command(ID_EDIT_UNDO);
    EXPECT_TRUE(file.Saved(bytes));

    ASSERT_TRUE(e2e::SetHostClipboard("41"));
    file.editor.Command(ID_EDIT_READONLY);
    file.editor.Command(ID_EDIT_SELECTALL);
    file.editor.Command(ID_EDIT_CUT);
    file.editor.Command(ID_EDIT_PASTE);
    EXPECT_EQ(e2e::ClipboardText(), "41");
    file.editor.Command(ID_EDIT_COPY);
    EXPECT_EQ(e2e::ClipboardText(), "00AB1061FF");
    EXPECT_FALSE(Modified(file));
}

// Over the bytes, then, after Undo and the Insert key, between them; the caret
// stays where the paste began.
TEST(Clipboard, PasteAnotherProgramsTextOverOrBetweenTheBytes)
{
    ASSERT_TRUE(e2e::SetHostClipboard("41 2434"));
    EditedFile file("abcd");
    e2e::PostKey(file.editor.frame, VK_RIGHT);
    ASSERT_TRUE(e2e::WaitUntil([&] { return file.editor.Caret() == 1; }));
    file.editor.Command(ID_EDIT_PASTE);
    EXPECT_TRUE(file.Saved("aA\x02" "C"));
    EXPECT_EQ(file.editor.Caret(), 1u);
    file.editor.Command(ID_EDIT_UNDO);
    e2e::PostKey(file.editor.frame, VK_INSERT);
    ASSERT_TRUE(e2e::WaitUntil([&] { return file.editor.Pane(3) == "挿入"; }));
    file.editor.Command(ID_EDIT_PASTE);
    EXPECT_TRUE(file.Saved("aA\x02" "Cbcd"));
    EXPECT_EQ(file.editor.Caret(), 1u);
}

// Nothing to paste still counts as a change. A clipboard that another
// program holds open is reported and changes nothing; Cut then keeps the bytes.
TEST(Clipboard, EmptyOrUnusableClipboard)
{
    EditedFile file("abc");
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard());
    file.editor.Command(ID_EDIT_SELECTALL);
    EXPECT_FALSE(file.editor.Enabled(ID_EDIT_PASTE));
    for (WORD command : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE}) {
        EXPECT_EQ(file.editor.Answer(command), "クリップボードを使用できません。") << command;
    }
    EXPECT_FALSE(Modified(file));
    CloseClipboard();
    file.editor.Command(ID_EDIT_PASTE);
    EXPECT_TRUE(Modified(file));
    EXPECT_TRUE(file.Saved("abc"));
}
