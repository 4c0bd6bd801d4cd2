#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

TEST(Frame, FirstStartUsesTheDefaultPlacementAndChrome)
{
    Editor editor;
    ASSERT_NE(editor.frame, nullptr);
    RECT frame;
    GetWindowRect(editor.frame, &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(frame.right - frame.left, 560);
    EXPECT_EQ(frame.bottom - frame.top, 400);
    EXPECT_FALSE(IsZoomed(editor.frame));
    EXPECT_EQ(editor.Caption(), "ZORIX Binary Editor");
    EXPECT_TRUE(IsWindowVisible(editor.toolBar));
    EXPECT_TRUE(IsWindowVisible(editor.statusBar));

    RECT view = e2e::ChildRect(editor.view);
    EXPECT_EQ(view.top, e2e::ChildRect(editor.toolBar).bottom + 2);
    EXPECT_EQ(view.bottom, e2e::ChildRect(editor.statusBar).top);
    editor.Screenshot("frame-first-start");
    EXPECT_TRUE(editor.Close());
}

TEST(Frame, StatusPanesOfAnEmptyDocument)
{
    Editor editor;
    EXPECT_EQ(editor.Pane(0), "0x00000000 :   0 ,     0 ,          0");
    EXPECT_EQ(editor.Pane(1), "00000000");
    EXPECT_EQ(editor.Pane(2), "");
    EXPECT_EQ(editor.Pane(3), "挿入");
    EXPECT_EQ(editor.Pane(4), "S-JIS");
}

// The widest values a byte gives end before the panes do: no text pixel in
// the last pixels of a pane.
TEST(Frame, StatusPanesHoldTheirWidestTexts)
{
    e2e::EditedFile f("\xFC\xFD\xFE\xFF");
    f.editor.StayOnTop();
    EXPECT_EQ(f.editor.Pane(0), "0x00000000 : 252 , 65020 , 4294901244");
    EXPECT_EQ(f.editor.Pane(1), "11111100");
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    // As started, and measured again after a change of the system's settings.
    for (const char* picture : {"status-panes-widest", "status-panes-setting-change"}) {
        const e2e::Picture bar = e2e::SettledPicture(f.editor.statusBar);
        bar.Save(picture);
        for (int pane : {0, 1}) {
            const RECT rect = e2e::StatusPaneRect(*f.editor.process, f.editor.statusBar, pane);
            ASSERT_GT(rect.right, rect.left + 8) << pane;
            EXPECT_FALSE(bar.Has({rect.right - 6, rect.top, rect.right, rect.bottom}, text)) << picture << pane;
        }
        SendMessageTimeoutA(f.editor.frame, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0, SMTO_ABORTIFHUNG, 5000,
                            nullptr);
    }
    EXPECT_EQ(e2e::ChildRect(f.editor.view).bottom, e2e::ChildRect(f.editor.statusBar).top);
}

TEST(Frame, ToolbarButtonsStartAsDesigned)
{
    Editor editor;
    EXPECT_EQ(SendMessageA(editor.toolBar, TB_BUTTONCOUNT, 0, 0), 26);
    EXPECT_EQ(editor.ToolbarState(ID_FILE_SAVE) & TBSTATE_ENABLED, 0);
    EXPECT_EQ(editor.ToolbarState(ID_EDIT_UNDO) & TBSTATE_ENABLED, 0);
    EXPECT_NE(editor.ToolbarState(ID_FILE_OPEN) & TBSTATE_ENABLED, 0);
    // Nothing selected and nothing on the clipboard yet.
    EXPECT_EQ(editor.ToolbarState(ID_EDIT_CUT) & TBSTATE_ENABLED, 0);
    EXPECT_EQ(editor.ToolbarState(ID_EDIT_COPY) & TBSTATE_ENABLED, 0);
}

TEST(Frame, HidingTheToolbarMovesTheViewToTheTop)
{
    Editor editor;
    const LONG withToolbar = e2e::ChildRect(editor.view).top;
    editor.Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(IsWindowVisible(editor.toolBar));
    EXPECT_EQ(e2e::ChildRect(editor.view).top, 0);
    editor.Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(IsWindowVisible(editor.toolBar));
    EXPECT_EQ(e2e::ChildRect(editor.view).top, withToolbar);

    editor.Command(ID_VIEW_STATUSBAR);
    EXPECT_FALSE(IsWindowVisible(editor.statusBar));
    EXPECT_EQ(e2e::ChildRect(editor.view).bottom, e2e::ClientRect(editor.frame).bottom);
}

TEST(Frame, ReadOnlyCommandTogglesPaneAndButton)
{
    Editor editor;
    editor.Command(ID_EDIT_READONLY);
    EXPECT_EQ(editor.Pane(2), "編集禁止");
    EXPECT_NE(editor.ToolbarState(ID_EDIT_READONLY) & TBSTATE_CHECKED, 0);
    editor.Command(ID_EDIT_READONLY);
    EXPECT_EQ(editor.Pane(2), "");
    EXPECT_EQ(editor.ToolbarState(ID_EDIT_READONLY) & TBSTATE_CHECKED, 0);
}

TEST(Frame, NewNamesTheDocumentUntitled)
{
    Editor editor;
    editor.Command(ID_FILE_NEW);
    EXPECT_EQ(editor.Caption(), "無題 - ZORIX Binary Editor");
}

TEST(Frame, CharacterCodeCommandsAndTheCycleButton)
{
    Editor editor;
    editor.Command(ID_SETTING_UTF8);
    EXPECT_EQ(editor.Pane(4), "UTF-8");
    editor.Command(ID_NEXT_CHARCODE);
    EXPECT_EQ(editor.Pane(4), "ASCII");
    editor.Command(ID_NEXT_CHARCODE);
    EXPECT_EQ(editor.Pane(4), "S-JIS");
    editor.Command(ID_SETTING_UCS2);
    EXPECT_EQ(editor.Pane(4), "UCS2");
}

TEST(Frame, UnknownCommandChangesNothing)
{
    Editor editor;
    const std::string caption = editor.Caption();
    editor.Command(12345);
    editor.Command(40199);
    EXPECT_EQ(editor.Caption(), caption);
    EXPECT_EQ(editor.Pane(2), "");
    EXPECT_TRUE(editor.process->IsRunning());
}

TEST(Frame, ExitClosesTheProgram)
{
    Editor editor;
    EXPECT_TRUE(editor.Close());
}

TEST(Frame, CaretReadoutFollowsMovesThatRepaintNothing)
{
    e2e::TestFolder data;
    data.Write("64.bin", std::string(63, '\0') + "\x12");
    Editor editor(data.File("64.bin"));
    editor.Command(ID_EDIT_LAST);
    EXPECT_EQ(editor.Pane(0), "0x00000040 :   0 ,     0 ,          0");
    editor.Command(ID_EDIT_HEAD);
    EXPECT_EQ(editor.Pane(0), "0x00000000 :   0 ,     0 ,          0");
}
