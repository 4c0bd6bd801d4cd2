#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Covers(const RECT& a, const RECT& b)
{
    RECT both;
    return IntersectRect(&both, &a, &b) != FALSE;
}

void PlaceFrame(const Editor& editor, int left, int top, int width, int height)
{
    SetWindowPos(editor.frame, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    e2e::WaitUntil([&] {
        const RECT frame = WindowRect(editor.frame);
        return frame.left == left && frame.top == top && e2e::ChildRect(editor.view).right ==
                                                             e2e::ClientRect(editor.frame).right;
    });
}

// Opens an editor dialog, through the file picker for the comparison.
HWND OpenDialog(const e2e::EditedFile& f, WORD command)
{
    if (command != ID_EDIT_COMPARE)
        return f.editor.OpenDialog(command);
    f.editor.PostCommand(command);
    return f.editor.ChooseFile(f.data.File("other.bin")) ? f.editor.process->WaitDialog() : nullptr;
}

const WORD everyDialog[] = {ID_EDIT_FIND,     ID_EDIT_JUMP,     ID_EDIT_COMPARE,  ID_SETTING_KEY,
                            ID_SETTING_OPTION, ID_SETTING_COLOR, ID_VIEW_COLORING, ID_HELP_ABOUT};

} // namespace

TEST(DialogPlacement, EveryDialogOpensCentredOnTheFrame)
{
    e2e::EditedFile f(std::string(64, '\0'));
    f.data.Write("other.bin", std::string(64, '\1'));
    // Well up and left of the screen's centre.
    PlaceFrame(f.editor, 40, 30, 600, 440);
    const POINT frameCentre = Centre(WindowRect(f.editor.frame));
    for (WORD command : everyDialog) {
        HWND dialog = OpenDialog(f, command);
        ASSERT_NE(dialog, nullptr) << command;
        const POINT centre = Centre(WindowRect(dialog));
        EXPECT_LE(std::abs(centre.x - frameCentre.x), 2) << command;
        EXPECT_LE(std::abs(centre.y - frameCentre.y), 2) << command;
        ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL)) << command;
    }
}

TEST(DialogPlacement, AFrameOverTheScreensEdgeKeepsTheDialogsWhole)
{
    e2e::EditedFile f(std::string(64, '\0'));
    f.data.Write("other.bin", std::string(64, '\1'));
    const RECT workArea = WorkAreaOf(f.editor.frame);
    const POINT corners[] = {{workArea.right - 150, workArea.bottom - 100}, {workArea.left - 450, workArea.top - 300}};
    for (POINT corner : corners) {
        PlaceFrame(f.editor, corner.x, corner.y, 560, 400);
        for (WORD command : {ID_SETTING_KEY, ID_EDIT_COMPARE, ID_HELP_ABOUT}) {
            HWND dialog = OpenDialog(f, command);
            ASSERT_NE(dialog, nullptr) << command;
            EXPECT_TRUE(Inside(WindowRect(dialog), workArea)) << command << " at " << corner.x << "," << corner.y;
            ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL)) << command;
        }
    }
}

// A hit under the middle of the find or compare dialog moves the dialog off
// the caret's row, and keeps it on the screen.
TEST(DialogPlacement, FindAndCompareMoveOffTheCaretsRow)
{
    Editor editor;
    editor.StayOnTop();
    PlaceFrame(editor, 40, 30, 700, 560);
    // The byte whose first digit lies under the frame's centre, where the dialogs centre.
    const POINT middle = Centre(WindowRect(editor.frame));
    const RECT first = editor.CellOnScreen(0);
    const LONG rowHeight = editor.CellOnScreen(16).top - first.top;
    const LONG byteWidth = editor.CellOnScreen(1).left - first.left;
    const uint32_t target = static_cast<uint32_t>((middle.y - first.top) / rowHeight * 16 +
                                                  std::min<LONG>((middle.x - first.left) / byteWidth, 15));
    const RECT cell = editor.CellOnScreen(target);
    e2e::TestFolder data;
    std::string bytes(4096, '\0');
    data.Write("other.bin", bytes);
    bytes.replace(target, 2, "ZQ");
    data.Write("data.bin", bytes);
    editor.DropFiles({data.File("data.bin")});
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "data.bin - ZORIX Binary Editor"; }));

    const struct {
        const char* name;
        std::function<HWND()> open;
        int goButton;
    } dialogs[] = {
        {"find",
         [&] {
             HWND dialog = editor.OpenDialog(ID_EDIT_FIND);
             e2e::SetItemText(dialog, IDC_FIND_TEXT, "ZQ");
             e2e::Click(dialog, IDC_FIND_TEXTMODE);
             return dialog;
         },
         IDC_FIND_HEAD},
        {"compare",
         [&] {
             editor.PostCommand(ID_EDIT_COMPARE);
             return editor.ChooseFile(data.File("other.bin")) ? editor.process->WaitDialog() : nullptr;
         },
         IDC_COMPARE_GO},
    };
    for (const auto& d : dialogs) {
        editor.Command(ID_EDIT_HEAD);
        HWND dialog = d.open();
        ASSERT_NE(dialog, nullptr) << d.name;
        ASSERT_TRUE(Covers(WindowRect(dialog), cell)) << d.name;
        e2e::Click(dialog, d.goButton);
        EXPECT_EQ(editor.Caret(), target) << d.name;
        EXPECT_FALSE(Covers(WindowRect(dialog), cell)) << d.name;
        EXPECT_TRUE(Inside(WindowRect(dialog), WorkAreaOf(editor.frame))) << d.name;
        e2e::SaveScreenshot(GetDesktopWindow(), std::string("placement-") + d.name);
        ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL)) << d.name;
    }
}
