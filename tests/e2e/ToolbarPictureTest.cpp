#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "app/ToolbarPictures.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

// A button face other than the pictures' light grey, for as long as it lives,
// so that a picture drawn on its own grey tile shows.
class OtherButtonFace {
public:
    OtherButtonFace() : original(GetSysColor(COLOR_BTNFACE)) { Set(RGB(0xD4, 0xD0, 0xC8)); }
    ~OtherButtonFace() { Set(original); }

private:
    static void Set(COLORREF color)
    {
        const int element = COLOR_BTNFACE;
        SetSysColors(1, &element, &color);
    }
    const COLORREF original;
};

const ToolbarPictures pictures = ToolbarPicturesFor(SystemDpi());

// The toolbar pictures as their source draws them, one character per pixel.
std::vector<std::string> ToolbarSourceRows()
{
    std::ifstream in("Z:" ZORIX_SOURCE_DIR "/resources/toolbar" +
                     (pictures.width == 16 ? "" : std::to_string(pictures.width)) + ".xpm");
    std::vector<std::string> quoted;
    for (std::string line; std::getline(in, line);)
        if (line.size() > 1 && line[0] == '"')
            quoted.push_back(line.substr(1, line.find('"', 1) - 1));
    // A header line and 14 colour lines come before the rows.
    return quoted.size() > 15 ? std::vector<std::string>(quoted.begin() + 15, quoted.end()) : quoted;
}

// Where the toolbar draws a button's picture, centred across and half the padding down, in the
// coordinates of a picture of the toolbar window.
RECT PictureCell(const e2e::Process& process, HWND toolBar, int index)
{
    e2e::RemoteBuffer remote(process, sizeof(RECT));
    RECT button = {};
    SendMessageA(toolBar, TB_GETITEMRECT, index, remote.Param());
    remote.Read(0, &button, sizeof button);
    POINT client = {0, 0};
    ClientToScreen(toolBar, &client);
    RECT window;
    GetWindowRect(toolBar, &window);
    const int left = client.x - window.left + (button.left + button.right - pictures.width) / 2;
    const int top = client.y - window.top + button.top + HIWORD(SendMessageA(toolBar, TB_GETPADDING, 0, 0)) / 2;
    return {left, top, left + pictures.width, top + pictures.height};
}

TBBUTTON Button(const e2e::Process& process, HWND toolBar, int index)
{
    e2e::RemoteBuffer remote(process, sizeof(TBBUTTON));
    TBBUTTON button = {};
    SendMessageA(toolBar, TB_GETBUTTON, index, remote.Param());
    remote.Read(0, &button, sizeof button);
    return button;
}

} // namespace

// The light grey of the pictures is the button face, in and around every
// enabled picture, and a disabled button shows its picture embossed.
TEST(Toolbar, PicturesLieOnTheButtonFaceAndDisabledOnesShowTheirShape)
{
    OtherButtonFace face;
    // A pointer left over a button by an earlier test would light it up.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    Editor editor;
    editor.StayOnTop();
    const std::vector<std::string> source = ToolbarSourceRows();
    ASSERT_EQ(source.size(), static_cast<size_t>(pictures.height));
    const e2e::Picture bar = e2e::SettledPicture(editor.toolBar);
    bar.Save("toolbar-" + std::to_string(SystemDpi()));
    const int buttons = static_cast<int>(SendMessageA(editor.toolBar, TB_BUTTONCOUNT, 0, 0));
    const RECT lastCell = PictureCell(*editor.process, editor.toolBar, buttons - 1);
    const COLORREF barFace = bar.At(lastCell.right + 16, lastCell.top);
    ASSERT_EQ(barFace, GetSysColor(COLOR_BTNFACE));
    const COLORREF outline = GetSysColor(COLOR_BTNTEXT);
    int disabled = 0;
    for (int index = 0; index < buttons; ++index) {
        const TBBUTTON button = Button(*editor.process, editor.toolBar, index);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        const RECT cell = PictureCell(*editor.process, editor.toolBar, index);
        std::map<COLORREF, int> counts;
        int mismatches = 0;
        for (int y = cell.top - 1; y <= cell.bottom; ++y)
            for (int x = cell.left - 1; x <= cell.right; ++x) {
                const COLORREF pixel = bar.At(x, y);
                const bool inside = x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom;
                const char drawn = inside ? source[y - cell.top][button.iBitmap * pictures.width + x - cell.left] : '.';
                counts[pixel] += inside;
                if (drawn == '.' || drawn == 's')
                    mismatches += pixel != barFace;
                else if (drawn == 'k')
                    mismatches += pixel != outline;
            }
        if (button.fsState & TBSTATE_ENABLED) {
            EXPECT_EQ(mismatches, 0) << "picture " << button.iBitmap;
            continue;
        }
        ++disabled;
        const int most = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                             return a.second < b.second;
                         })->second;
        EXPECT_GE(counts.size(), 2u) << "disabled picture " << button.iBitmap;
        EXPECT_LE(most * 10, pictures.width * pictures.height * 9) << "disabled picture " << button.iBitmap;
    }
    // Save, Cut, Copy and Undo at least: nothing is edited or selected yet.
    EXPECT_GE(disabled, 4);
}
