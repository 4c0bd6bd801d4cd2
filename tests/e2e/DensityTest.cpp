// The editor and the setup program on screens of 96, 144 and 192 dpi
// (scripts/with-density.sh), and the editor moved between densities.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <map>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

namespace {

// The first window's size, the least size of a toolbar button and the gap under the toolbar.
struct Density { SIZE frame, leastButton; int gapUnderToolBar; };
const std::map<int, Density> densities = {
    {96, {{560, 400}, {23, 21}, 2}}, {144, {{840, 600}, {32, 30}, 3}}, {192, {{1120, 800}, {42, 40}, 4}}};

// The frame, its toolbar, its status panes and the display font's cell as a start at the density has them.
void ExpectSizedFor(const e2e::Editor& editor, int dpi)
{
    const Density& density = densities.at(dpi);
    RECT frame, view;
    GetWindowRect(editor.frame, &frame);
    EXPECT_EQ(frame.right - frame.left, density.frame.cx) << dpi;
    EXPECT_EQ(frame.bottom - frame.top, density.frame.cy) << dpi;
    const LRESULT button = SendMessageA(editor.toolBar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GE(LOWORD(button), density.leastButton.cx) << dpi;
    EXPECT_GE(HIWORD(button), density.leastButton.cy) << dpi;
    EXPECT_EQ(e2e::ChildRect(editor.view).top - e2e::ChildRect(editor.toolBar).bottom, density.gapUnderToolBar);
    for (int pane = 0; pane < 5; ++pane)
        EXPECT_LE(e2e::StatusPaneRect(*editor.process, editor.statusBar, pane).right,
                  e2e::ClientRect(editor.statusBar).right) << pane << " at " << dpi;
    // The caret mark inverts exactly the first digit cell: its corners, which
    // no glyph reaches, and no corner of the cells beside.
    const e2e::Picture picture = e2e::SettledPicture(editor.view);
    GetWindowRect(editor.view, &view);
    RECT cell = editor.CellOnScreen(0, false, dpi);
    OffsetRect(&cell, -view.left, -view.top);
    const COLORREF black = RGB(0, 0, 0);
    EXPECT_EQ(picture.At(cell.left, cell.top), black) << dpi;
    EXPECT_EQ(picture.At(cell.right - 1, cell.bottom - 1), black) << dpi;
    EXPECT_NE(picture.At(cell.right, cell.top), black) << dpi;
    EXPECT_NE(picture.At(cell.left, cell.bottom), black) << dpi;
}

// Every control whole inside the dialog and clear of the others (a group box
// holds some); a picture of the dialog for the eye.
void ExpectControlsFit(HWND dialog, const std::string& name)
{
    std::vector<RECT> placed;
    const RECT client = e2e::ClientRect(dialog);
    RECT both;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT rect = e2e::ChildRect(child);
        EXPECT_TRUE(IntersectRect(&both, &rect, &client) && EqualRect(&both, &rect)) << name << e2e::WindowText(child);
        if (e2e::ClassName(child) == "Button" && (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
            continue;
        for (const RECT& other : placed)
            EXPECT_FALSE(IntersectRect(&both, &rect, &other)) << name << e2e::WindowText(child);
        placed.push_back(rect);
    }
    e2e::SettledPicture(dialog).Save("density-" + std::to_string(SystemDpi()) + "-" + name);
}

} // namespace

// At 96 dpi the frame is also moved to a screen of 144 dpi and back, by the
// message the system sends: each time with the sizes of a start there, and at
// the end showing the view as before.
TEST(Density, FrameIsSizedForItsScreenAndForAnotherWhenMovedThere)
{
    e2e::EditedFile f(std::string(4096, '\0'));
    e2e::Editor& editor = f.editor;
    editor.StayOnTop();
    ExpectSizedFor(editor, SystemDpi());
    editor.Screenshot("density-" + std::to_string(SystemDpi()) + "-frame");
    if (SystemDpi() != 96)
        return;
    const e2e::Picture before = e2e::SettledPicture(editor.view);
    e2e::RemoteBuffer suggestion(*editor.process, sizeof(RECT));
    for (int dpi : {144, 96}) {
        const SIZE size = densities.at(dpi).frame;
        const RECT rect = {30, 20, 30 + size.cx, 20 + size.cy};
        suggestion.Write(0, &rect, sizeof rect);
        SendMessageTimeoutA(editor.frame, 0x02E0, MAKEWPARAM(dpi, dpi), suggestion.Param(), SMTO_ABORTIFHUNG, 10000,
                            nullptr);
        // The toolbar is made again for the density.
        editor.toolBar = GetDlgItem(editor.frame, IDC_TOOLBAR);
        ExpectSizedFor(editor, dpi);
    }
    EXPECT_TRUE(e2e::SettledPicture(editor.view) == before);
}

TEST(Density, EveryDialogHoldsItsControls)
{
    e2e::EditedFile f(std::string(64, '\0'));
    f.data.Write("other.bin", std::string(64, '\1'));
    for (WORD command : {ID_EDIT_FIND, ID_EDIT_JUMP, ID_EDIT_COMPARE, ID_SETTING_KEY, ID_SETTING_OPTION,
                         ID_SETTING_COLOR, ID_VIEW_COLORING, ID_HELP_ABOUT}) {
        f.editor.PostCommand(command);
        if (command == ID_EDIT_COMPARE) {
            ASSERT_TRUE(f.editor.ChooseFile(f.data.File("other.bin")));
        }
        HWND dialog = f.editor.process->WaitDialog();
        ASSERT_NE(dialog, nullptr) << command;
        ExpectControlsFit(dialog, std::to_string(command));
        ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL)) << command;
    }
    e2e::TestFolder folder;
    folder.Write("setup.INI", "[Settings]\r\nTitle=ZORIX\r\nDesktop=ZORIX\r\nFile=zorix.exe\r\n");
    e2e::Process setup(folder.CopyProgram("setup.exe"), "", folder.Path());
    HWND dialog = setup.WaitTopWindow("#32770");
    ASSERT_NE(dialog, nullptr);
    ExpectControlsFit(dialog, "setup");
    EXPECT_TRUE(e2e::CloseWith(dialog, IDCANCEL));
}
