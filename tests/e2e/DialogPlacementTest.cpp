#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

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

bool OnScreen(HWND dialog)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &info);
    RECT both, rect = WindowRect(dialog);
    return IntersectRect(&both, &rect, &info.rcWork) && EqualRect(&both, &rect);
}

bool Covers(HWND dialog, const RECT& cell)
{
    RECT both, rect = WindowRect(dialog);
    return IntersectRect(&both, &rect, &cell) != FALSE;
}

void PlaceFrame(const e2e::Editor& editor, int left, int top, int width, int height)
{
    SetWindowPos(editor.frame, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    e2e::WaitUntil([&] { return e2e::ChildRect(editor.view).right == e2e::ClientRect(editor.frame).right; });
}

// Opens an editor dialog; the comparison's goes through the file picker.
HWND OpenDialog(const e2e::Editor& editor, WORD command, const std::string& otherFile)
{
    if (command != ID_EDIT_COMPARE)
        return editor.OpenDialog(command);
    editor.PostCommand(command);
    return editor.ChooseFile(otherFile) ? editor.process->WaitDialog() : nullptr;
}

} // namespace

// Centred on a frame well up and left of the screen's centre; whole on the
// screen with the frame hanging over its edges.
TEST(DialogPlacement, EveryDialogCentredOnTheFrameAndWholeOnTheScreen)
{
    e2e::EditedFile f(std::string(64, '\0'));
    f.data.Write("other.bin", std::string(64, '\1'));
    const POINT frameCorners[] = {{40, 30}, {-450, -300}, {900, 650}};
    for (POINT corner : frameCorners) {
        PlaceFrame(f.editor, corner.x, corner.y, 600, 440);
        const POINT frameCentre = Centre(WindowRect(f.editor.frame));
        for (WORD command : {ID_EDIT_FIND, ID_EDIT_JUMP, ID_EDIT_COMPARE, ID_SETTING_KEY, ID_SETTING_OPTION,
                             ID_SETTING_COLOR, ID_VIEW_COLORING, ID_HELP_ABOUT}) {
            HWND dialog = OpenDialog(f.editor, command, f.data.File("other.bin"));
            ASSERT_NE(dialog, nullptr) << command;
            const POINT centre = Centre(WindowRect(dialog));
            if (corner.x == 40) {
                EXPECT_TRUE(std::abs(centre.x - frameCentre.x) <= 2 && std::abs(centre.y - frameCentre.y) <= 2)
                    << command << " centred at " << centre.x << "," << centre.y;
            }
            EXPECT_TRUE(OnScreen(dialog)) << command << " with the frame at " << corner.x << "," << corner.y;
            ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL)) << command;
        }
    }
}

// A hit under the middle of the find or compare dialog moves the dialog off
// the caret's cell, and keeps it on the screen.
TEST(DialogPlacement, FindAndCompareMoveOffTheCaretsRow)
{
    e2e::Editor editor;
    editor.StayOnTop();
    PlaceFrame(editor, 40, 30, 700, 560);
    // The byte whose first digit lies under the frame's centre, where the dialogs centre.
    const POINT middle = Centre(WindowRect(editor.frame));
    const RECT first = editor.CellOnScreen(0);
    const LONG row = (middle.y - first.top) / (editor.CellOnScreen(16).top - first.top);
    const LONG column = (middle.x - first.left) / (editor.CellOnScreen(1).left - first.left);
    const uint32_t target = static_cast<uint32_t>(row * 16 + std::min<LONG>(column, 15));
    const RECT cell = editor.CellOnScreen(target);
    e2e::TestFolder data;
    std::string bytes(4096, '\0');
    data.Write("other.bin", bytes);
    data.Write("data.bin", bytes.replace(target, 2, "ZQ"));
    editor.DropFiles({data.File("data.bin")});
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "data.bin - ZORIX Binary Editor"; }));

    for (WORD command : {ID_EDIT_FIND, ID_EDIT_COMPARE}) {
        editor.Command(ID_EDIT_HEAD);
        HWND dialog = OpenDialog(editor, command, data.File("other.bin"));
        ASSERT_NE(dialog, nullptr) << command;
        ASSERT_TRUE(Covers(dialog, cell)) << command;
        if (command == ID_EDIT_FIND) {
            e2e::SetItemText(dialog, IDC_FIND_TEXT, "ZQ");
            e2e::Click(dialog, IDC_FIND_TEXTMODE);
        }
        e2e::Click(dialog, command == ID_EDIT_FIND ? IDC_FIND_HEAD : IDC_COMPARE_GO);
        EXPECT_EQ(editor.Caret(), target) << command;
        EXPECT_FALSE(Covers(dialog, cell)) << command;
        EXPECT_TRUE(OnScreen(dialog)) << command;
        e2e::SaveScreenshot(GetDesktopWindow(), "placement-" + std::to_string(command));
        ASSERT_TRUE(e2e::CloseWith(dialog, IDCANCEL)) << command;
    }
}
