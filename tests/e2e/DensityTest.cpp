// The editor and the setup program on screens of the densities the tests run
// at (scripts/with-density.sh), and the editor moved to another density.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"
#include "view/DisplayFont.h"

using e2e::Editor;

namespace {

struct Density {
    int dpi;
    SIZE frame;
    SIZE leastButton;
    int gapUnderToolbar;
};

const Density densities[] = {
    {96, {560, 400}, {23, 21}, 2},
    {120, {700, 500}, {32, 30}, 3},
    {144, {840, 600}, {32, 30}, 3},
    {192, {1120, 800}, {42, 40}, 4},
};

const Density& DensityOf(int dpi)
{
    for (const Density& density : densities)
        if (density.dpi == dpi)
            return density;
    ADD_FAILURE() << "no sizes for " << dpi << " dpi";
    return densities[0];
}

// The toolbar, the view, the status panes and the display font as a start at the density has them.
void ExpectChromeOf(const Editor& editor, const Density& density)
{
    const LRESULT button = SendMessageA(editor.toolBar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GE(LOWORD(button), density.leastButton.cx) << density.dpi;
    EXPECT_GE(HIWORD(button), density.leastButton.cy) << density.dpi;
    EXPECT_EQ(e2e::ChildRect(editor.view).top - e2e::ChildRect(editor.toolBar).bottom, density.gapUnderToolbar);
    const LONG barRight = e2e::ClientRect(editor.statusBar).right;
    for (int pane = 0; pane < 5; ++pane)
        EXPECT_LE(e2e::StatusPaneRect(*editor.process, editor.statusBar, pane).right, barRight) << pane;
    // The caret mark inverts exactly the first digit cell of the display font:
    // its corners, which no glyph reaches, and not the corners of the cells beside.
    RECT cell = editor.CellOnScreen(0, false, density.dpi);
    RECT view;
    GetWindowRect(editor.view, &view);
    OffsetRect(&cell, -view.left, -view.top);
    const e2e::Picture picture = e2e::SettledPicture(editor.view);
    const COLORREF black = RGB(0, 0, 0);
    for (POINT corner : {POINT{cell.left, cell.top}, POINT{cell.right - 1, cell.bottom - 1}})
        EXPECT_EQ(picture.At(corner.x, corner.y), black) << density.dpi;
    EXPECT_NE(picture.At(cell.right, cell.top), black) << density.dpi;
    EXPECT_NE(picture.At(cell.left, cell.bottom), black) << density.dpi;
}

// Every control whole inside the dialog and clear of the others (a group
// box holds its controls); a picture of it for the eye.
void ExpectControlsFit(HWND dialog, const std::string& name)
{
    std::vector<RECT> controls;
    const RECT client = e2e::ClientRect(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT rect = e2e::ChildRect(child);
        RECT inside;
        EXPECT_TRUE(IntersectRect(&inside, &rect, &client) && EqualRect(&inside, &rect))
            << name << ": " << e2e::WindowText(child) << " is cut";
        const bool groupBox = (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                              e2e::ClassName(child) == "Button";
        if (groupBox)
            continue;
        for (const RECT& other : controls)
            EXPECT_FALSE(IntersectRect(&inside, &rect, &other)) << name << ": " << e2e::WindowText(child);
        controls.push_back(rect);
    }
    e2e::SettledPicture(dialog).Save("density-" + std::to_string(e2e::ScreenDpi()) + "-" + name);
}

// The text of a colour sample, in the 9-point font of the density, and inside the sample.
void ExpectSampleText(HWND dialog)
{
    const e2e::Picture picture = e2e::SettledPicture(dialog);
    const RECT sample = e2e::RectInWindow(e2e::DialogItem(dialog, IDC_COLOR_ADDRESSSAMPLE));
    RECT text = {sample.right, sample.bottom, sample.left, sample.top};
    for (int y = sample.top; y < sample.bottom; ++y)
        for (int x = sample.left; x < sample.right; ++x)
            if (picture.At(x, y) == RGB(0, 0, 0))
                text = {std::min(text.left, LONG(x)), std::min(text.top, LONG(y)), std::max(text.right, LONG(x + 1)),
                        std::max(text.bottom, LONG(y + 1))};
    // Digits stand about two thirds of the font's 9 points high; the last one ends inside the sample.
    EXPECT_GE((text.bottom - text.top) * 72 * 3, 9 * e2e::ScreenDpi() * 2 * 5 / 6);
    EXPECT_LT(text.right, sample.right - 1);
}

} // namespace

TEST(Density, FirstStartIsSizedForTheScreen)
{
    const Density& density = DensityOf(e2e::ScreenDpi());
    Editor editor;
    RECT frame;
    GetWindowRect(editor.frame, &frame);
    EXPECT_EQ(frame.right - frame.left, density.frame.cx);
    EXPECT_EQ(frame.bottom - frame.top, density.frame.cy);
    ExpectChromeOf(editor, density);
    editor.Screenshot("density-" + std::to_string(density.dpi) + "-frame");
}

TEST(Density, EveryDialogHoldsItsControls)
{
    e2e::EditedFile f(std::string(64, '\0'));
    f.data.Write("other.bin", std::string(64, '\1'));
    const struct {
        WORD command;
        const char* name;
    } dialogs[] = {
        {ID_EDIT_FIND, "find"},      {ID_EDIT_JUMP, "jump"},         {ID_EDIT_COMPARE, "compare"},
        {ID_SETTING_KEY, "keys"},    {ID_SETTING_OPTION, "options"}, {ID_SETTING_COLOR, "colors"},
        {ID_VIEW_COLORING, "coloring"}, {ID_HELP_ABOUT, "about"},
    };
    for (const auto& d : dialogs) {
        f.editor.PostCommand(d.command);
        if (d.command == ID_EDIT_COMPARE) {
            ASSERT_TRUE(f.editor.ChooseFile(f.data.File("other.bin")));
        }
        HWND dialog = f.editor.process->WaitDialog();
        ASSERT_NE(dialog, nullptr) << d.name;
        ExpectControlsFit(dialog, d.name);
        if (d.command == ID_SETTING_COLOR)
            ExpectSampleText(dialog);
        if (d.command == ID_EDIT_COMPARE) {
            // The address column holds an address in the dialog's font.
            const LOGFONTA font = DisplayFontDescription("ＭＳ ゴシック", 9, false, false, e2e::ScreenDpi());
            HDC dc = GetDC(dialog);
            HGDIOBJ previous = SelectObject(dc, CreateFontIndirectA(&font));
            SIZE address = {};
            GetTextExtentPoint32A(dc, "0x00000000", 10, &address);
            DeleteObject(SelectObject(dc, previous));
            ReleaseDC(dialog, dc);
            EXPECT_GT(SendDlgItemMessageA(dialog, IDC_COMPARE_LIST, LVM_GETCOLUMNWIDTH, 0, 0), address.cx);
        }
        ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL)) << d.name;
    }

    e2e::TestFolder setupFolder;
    const std::string setup = setupFolder.CopyProgram("setup.exe");
    setupFolder.Write("setup.INI", "[Settings]\r\nTitle=ZORIX\r\nDesktop=ZORIX\r\nSendTo=ZORIX\r\nFile=zorix.exe\r\n");
    e2e::Process process(setup, "", setupFolder.Path());
    HWND dialog = process.WaitTopWindow("#32770");
    ASSERT_NE(dialog, nullptr);
    ExpectControlsFit(dialog, "setup");
    e2e::PressButton(dialog, IDCANCEL);
    EXPECT_TRUE(process.WaitExit());
}

// The frame moved to a screen of 144 dpi and back, by the message the system
// sends: each time with the sizes of a start there; then again with the
// caret, the selection and the top row away from the start, which stay.
TEST(Density, DensityChangeSizesTheFrameAsAStartThere)
{
    if (e2e::ScreenDpi() != 96)
        GTEST_SKIP() << "moves from 96 dpi";
    e2e::EditedFile f(std::string(4096, '\0'));
    Editor& editor = f.editor;
    editor.StayOnTop();
    e2e::RemoteBuffer suggestion(*editor.process, sizeof(RECT));
    for (bool moved : {false, true}) {
        if (moved) {
            editor.Command(ID_EDIT_LAST);
            for (int turn = 0; turn < 10; ++turn)
                SendMessageA(editor.frame, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
            editor.Command(ID_EDIT_SELECTALL);
        }
        const std::string caret = editor.Pane(0);
        const e2e::Picture before = e2e::SettledPicture(editor.view);
        for (int dpi : {144, 96}) {
            const Density& density = DensityOf(dpi);
            const RECT rect = {30, 20, 30 + density.frame.cx, 20 + density.frame.cy};
            suggestion.Write(0, &rect, sizeof rect);
            SendMessageTimeoutA(editor.frame, 0x02E0, MAKEWPARAM(dpi, dpi), suggestion.Param(), SMTO_ABORTIFHUNG,
                                10000, nullptr);
            // The toolbar is made again for the density.
            editor.toolBar = GetDlgItem(editor.frame, IDC_TOOLBAR);
            RECT frame;
            GetWindowRect(editor.frame, &frame);
            EXPECT_TRUE(EqualRect(&frame, &rect)) << dpi;
            EXPECT_EQ(editor.Pane(0), caret) << dpi;
            EXPECT_EQ(editor.Enabled(ID_EDIT_COPY), moved) << dpi;
            if (!moved)
                ExpectChromeOf(editor, density);
            editor.Screenshot("density-change-" + std::to_string(dpi) + (moved ? "-moved" : ""));
        }
        // Back at 96 dpi the view shows the same rows, caret and selection as before.
        EXPECT_TRUE(e2e::SettledPicture(editor.view) == before) << moved;
    }
}
