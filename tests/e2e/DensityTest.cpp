// The editor and the setup program at 96, 144 and 192 dpi (scripts/with-density.sh).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

namespace {

// As a start at the density has them: the frame 560×400 grown with it, buttons
// large enough, a gap under the toolbar, the last status pane (and so every one)
// inside, and the caret mark over exactly the first digit cell: its corners,
// which no glyph reaches, and no corner of the cells beside.
void ExpectSizedFor(const e2e::Editor& editor, int dpi)
{
    SCOPED_TRACE(dpi);
    RECT frame;
    GetWindowRect(editor.frame, &frame);
    EXPECT_EQ(frame.right - frame.left, 560 * dpi / 96);
    EXPECT_EQ(frame.bottom - frame.top, 400 * dpi / 96);
    const SIZE least = dpi == 96 ? SIZE{23, 21} : dpi == 144 ? SIZE{32, 30} : SIZE{42, 40};
    const LRESULT button = SendMessageA(editor.toolBar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_TRUE(LOWORD(button) >= least.cx && HIWORD(button) >= least.cy) << LOWORD(button) << "x" << HIWORD(button);
    EXPECT_EQ(e2e::ChildRect(editor.view).top - e2e::ChildRect(editor.toolBar).bottom, dpi / 48);
    EXPECT_LE(e2e::StatusPaneRect(*editor.process, editor.statusBar, 4).right, e2e::ClientRect(editor.statusBar).right);
    const e2e::Picture picture = e2e::SettledPicture(editor.frame);
    const RECT cell = editor.CellOnScreen(0, false, dpi);
    const auto black = [&](LONG x, LONG y) { return picture.At(x - frame.left, y - frame.top) == RGB(0, 0, 0); };
    EXPECT_TRUE(black(cell.left, cell.top) && black(cell.right - 1, cell.bottom - 1));
    EXPECT_FALSE(black(cell.right, cell.top) || black(cell.left, cell.bottom));
}

// Every control whole inside the dialog and clear of the others (a group box
// holds some); a picture of the dialog for the eye. The dialog is then cancelled.
void ExpectControlsFit(HWND dialog, const std::string& name)
{
    SCOPED_TRACE(name);
    ASSERT_NE(dialog, nullptr);
    std::vector<RECT> placed;
    const RECT client = e2e::ClientRect(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect = e2e::ChildRect(child), both;
        EXPECT_TRUE(IntersectRect(&both, &rect, &client) && EqualRect(&both, &rect)) << e2e::WindowText(child);
        if (e2e::ClassName(child) == "Button" && (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
            continue;
        for (const RECT& other : placed)
            EXPECT_FALSE(IntersectRect(&both, &rect, &other)) << e2e::WindowText(child);
        placed.push_back(rect);
    }
    e2e::SettledPicture(dialog).Save("density-" + std::to_string(SystemDpi()) + "-" + name);
    EXPECT_TRUE(e2e::CloseWith(dialog, IDCANCEL));
}

} // namespace

// The frame is also moved to a screen of another density and back by the
// message the system sends, and at the end shows the view as before.
TEST(Density, FrameIsSizedForItsScreenAndForAnotherWhenMovedThere)
{
    e2e::EditedFile f(std::string(4096, '\0'));
    f.editor.StayOnTop();
    ExpectSizedFor(f.editor, SystemDpi());
    const e2e::Picture before = e2e::SettledPicture(f.editor.view);
    e2e::RemoteBuffer suggestion(*f.editor.process, sizeof(RECT));
    for (int dpi : {SystemDpi() == 96 ? 144 : 96, SystemDpi()}) {
        const RECT rect = {30, 20, 30 + 560 * dpi / 96, 20 + 400 * dpi / 96};
        suggestion.Write(0, &rect, sizeof rect);
        SendMessageA(f.editor.frame, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), suggestion.Param());
        f.editor.toolBar = GetDlgItem(f.editor.frame, IDC_TOOLBAR); // made again for the density
        ExpectSizedFor(f.editor, dpi);
    }
    EXPECT_TRUE(e2e::SettledPicture(f.editor.view) == before);
}

TEST(Density, EveryDialogHoldsItsControls)
{
    e2e::EditedFile f(std::string(64, '\0'));
    for (WORD command : {ID_EDIT_FIND, ID_EDIT_JUMP, ID_EDIT_COMPARE, ID_SETTING_KEY, ID_SETTING_OPTION,
                         ID_SETTING_COLOR, ID_VIEW_COLORING, ID_HELP_ABOUT}) {
        f.editor.PostCommand(command);
        ASSERT_TRUE(command != ID_EDIT_COMPARE || f.editor.ChooseFile(f.data.File("data.bin")));
        ExpectControlsFit(f.editor.process->WaitDialog(), std::to_string(command));
    }
    f.data.Write("setup.INI", "[Settings]\r\nTitle=ZORIX\r\nDesktop=ZORIX\r\nFile=zorix.exe\r\n");
    e2e::Process setup(f.data.CopyProgram("setup.exe"), "", f.data.Path());
    ExpectControlsFit(setup.WaitTopWindow("#32770"), "setup");
}
