// The frame's child windows, menu states, status bar and caption.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "app/Application.h"
#include "app/SetWhenDifferent.h"
#include "app/StatusPaneText.h"
#include "app/StatusPaneWidths.h"
#include "app/ToolbarButtons.h"
#include "app/ToolbarPictures.h"
#include "resources/resource.h"
#include "view/CharCode.h"

namespace {

const char viewClassName[] = "ZORIXBinaryEditorViewClass";

bool RegisterViewClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ViewWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = viewClassName;
    return RegisterClassA(&wc) != 0;
}

// Lengths at 96 dpi: the room a button leaves around its picture, as the
// toolbar leaves it by default, and the gap between the toolbar and the view.
const SIZE buttonPadding = {7, 6};
const int gapUnderToolBar = 2;

HINSTANCE InstanceOf(HWND window)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

// The toolbar with the pictures and buttons of the density.
HWND CreateToolBar(HWND frame, int dpi)
{
    TBBUTTON buttons[19] = {};
    for (int i = 0; i < 19; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = toolbarButtons[i].command;
        buttons[i].fsState = toolbarButtons[i].state;
        buttons[i].fsStyle = toolbarButtons[i].style;
    }
    const ToolbarPictures pictures = ToolbarPicturesFor(dpi);
    HWND toolBar = CreateToolbarEx(frame, WS_CHILD | TBSTYLE_TOOLTIPS, IDC_TOOLBAR, 19, InstanceOf(frame),
                                   pictures.bitmapId, buttons, 19, 0, 0, pictures.width, pictures.height,
                                   sizeof(TBBUTTON));
    // The toolbar places a picture half the padding below the button's top.
    // The button size does not go through CreateToolbarEx, which would take
    // it for the pictures' size.
    TBMETRICS metrics = {};
    metrics.cbSize = sizeof metrics;
    metrics.dwMask = TBMF_PAD;
    metrics.cxPad = ScaledToDpi(buttonPadding.cx, dpi);
    metrics.cyPad = ScaledToDpi(buttonPadding.cy, dpi);
    SendMessageA(toolBar, TB_SETMETRICS, 0, reinterpret_cast<LPARAM>(&metrics));
    SendMessageA(toolBar, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(pictures.width + metrics.cxPad, pictures.height + metrics.cyPad));
    for (int index : toolbarSeparatorIndices) {
        TBBUTTON separator = {};
        separator.fsState = TBSTATE_ENABLED;
        separator.fsStyle = TBSTYLE_SEP;
        SendMessageA(toolBar, TB_INSERTBUTTONA, index, reinterpret_cast<LPARAM>(&separator));
    }
    return toolBar;
}

// A child's window rectangle, borders included, in its parent's client coordinates.
RECT RectInParent(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

BOOL FrameWindow::CreateChildWindows(HWND frame)
{
    hwndFrame = frame;
    dpi = WindowDpi(frame);
    const HINSTANCE instance = InstanceOf(frame);
    if (!RegisterViewClass(instance))
        return FALSE;
    hwndView = CreateWindowExA(0, viewClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, frame,
                               reinterpret_cast<HMENU>(IDC_VIEW), instance, nullptr);
    if (!hwndView)
        return FALSE;
    theView.window = hwndView;
    inputContexts.Detach(frame);
    inputContexts.Detach(hwndView);
    UpdateWindow(hwndView);

    // Version 6 of the common controls registers only the classes asked for.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    hwndToolBar = CreateToolBar(frame, dpi);
    hwndStatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                                    reinterpret_cast<HMENU>(IDC_STATUSBAR), instance, nullptr);
    FitStatusBar();
    return TRUE;
}

void FrameWindow::RecreateToolBar()
{
    BYTE states[19];
    for (int i = 0; i < 19; ++i)
        states[i] = static_cast<BYTE>(SendMessageA(hwndToolBar, TB_GETSTATE, toolbarButtons[i].command, 0));
    const bool shown = IsWindowVisible(hwndToolBar) != 0;
    DestroyWindow(hwndToolBar);
    hwndToolBar = CreateToolBar(hwndFrame, dpi);
    for (int i = 0; i < 19; ++i)
        SendMessageA(hwndToolBar, TB_SETSTATE, toolbarButtons[i].command, states[i]);
    if (shown)
        ShowWindow(hwndToolBar, SW_SHOW);
}

void FrameWindow::FitStatusBar()
{
    LOGFONTW description;
    if (StatusFontAtDpi(dpi, description)) {
        HFONT font = CreateFontIndirectW(&description);
        SendMessageA(hwndStatusBar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (statusFont)
            DeleteObject(statusFont);
        statusFont = font;
    }
    FitStatusPanes(hwndStatusBar, dpi);
}

void FrameWindow::OnSettingChange(WPARAM wParam, LPARAM lParam)
{
    // Only top-level windows hear of a change: the status bar takes up the
    // system's new font, and its panes follow the texts' new widths.
    SendMessageA(hwndStatusBar, WM_SETTINGCHANGE, wParam, lParam);
    FitStatusBar();
    LayoutChildren();
}

RefreshCode FrameWindow::OnDpiChanged(int newDpi, const RECT& suggested)
{
    dpi = newDpi;
    theView.ChangeFontDensity(dpi);
    RecreateToolBar();
    FitStatusBar();
    SetWindowPos(hwndFrame, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame's size may be unchanged while everything in it has changed.
    LayoutChildren();
    theView.MeasureRows();
    return RedrawAll;
}

void FrameWindow::LayoutChildren()
{
    RECT client;
    GetClientRect(hwndFrame, &client);
    int top = client.top;
    int bottom = client.bottom;
    // The bars place and size themselves when told of the new size; measure
    // them after that, with their borders: the toolbar draws its own below its client area.
    SendMessageA(hwndToolBar, WM_SIZE, 0, 0);
    SendMessageA(hwndStatusBar, WM_SIZE, 0, 0);
    if (IsWindowVisible(hwndToolBar))
        top = RectInParent(hwndToolBar).bottom + ScaledToDpi(gapUnderToolBar, dpi);
    if (IsWindowVisible(hwndStatusBar))
        bottom = RectInParent(hwndStatusBar).top;
    int height = bottom - top;
    MoveWindow(hwndView, 0, top, client.right, height > 0 ? height : 0, TRUE);
    InvalidateRect(hwndStatusBar, nullptr, TRUE);
}

void FrameWindow::SetBarVisible(WORD id, BOOL show)
{
    HWND bar = id == ID_VIEW_TOOLBAR ? hwndToolBar : id == ID_VIEW_STATUSBAR ? hwndStatusBar : nullptr;
    if (!bar)
        return;
    SetMenuCheck(id, show);
    ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
}

void FrameWindow::SetMenuCheck(WORD id, BOOL flag)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = flag ? MFS_CHECKED : 0;
    SetMenuItemInfoA(GetMenu(hwndFrame), id, FALSE, &info);
}

void FrameWindow::EnableCommand(WORD id, BOOL flag)
{
    EnableMenuCommand(GetMenu(hwndFrame), id, flag);
    SetToolbarState(hwndToolBar, id, flag ? TBSTATE_ENABLED : 0);
}

void FrameWindow::UpdateReadOnlyState()
{
    BOOL readOnly = theDocument.readOnly;
    SetMenuCheck(ID_EDIT_READONLY, readOnly);
    SendMessageA(hwndToolBar, TB_SETSTATE, ID_EDIT_READONLY,
                 readOnly ? TBSTATE_CHECKED | TBSTATE_ENABLED : TBSTATE_ENABLED);
    UpdateModePanes();
}

// Panes are rewritten after every message; an unchanged text is left alone so
// the status bar does not repaint for nothing.
bool FrameWindow::PaneShows(int pane, const char* text) const
{
    char current[256] = {};
    LRESULT length = SendMessageA(hwndStatusBar, SB_GETTEXTLENGTHA, pane, 0);
    if (LOWORD(length) >= sizeof current)
        return false;
    SendMessageA(hwndStatusBar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(current));
    return std::strcmp(current, text) == 0;
}

void FrameWindow::SetPaneText(int pane, const char* text)
{
    if (!PaneShows(pane, text))
        SendMessageA(hwndStatusBar, SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text));
}

void FrameWindow::UpdatePositionPanes()
{
    const Document& document = theDocument;
    const std::string position = PositionPaneText(document.data, document.size, theView.caret, byteOrder);
    const std::string bits = BitPaneText(document.data, document.size, theView.caret);
    if (PaneShows(0, position.c_str()) && PaneShows(1, bits.c_str()))
        return;
    // The status bar draws itself at once for each text set, which cost more
    // than the view's repaint; drawing is held off while the panes are set,
    // and the bar draws when no message waits, like the toolbar's buttons.
    // Holding it off validates the bar, so all of it is invalidated after.
    const bool shown = IsWindowVisible(hwndStatusBar) != 0;
    if (shown)
        SendMessageA(hwndStatusBar, WM_SETREDRAW, FALSE, 0);
    // With drawing off, setting an unchanged pane again costs less than asking it.
    SendMessageA(hwndStatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(position.c_str()));
    SendMessageA(hwndStatusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(bits.c_str()));
    if (shown) {
        SendMessageA(hwndStatusBar, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwndStatusBar, nullptr, TRUE);
    }
}

void FrameWindow::UpdateModePanes()
{
    HMENU menu = GetMenu(hwndFrame);
    CheckMenuRadioCommand(menu, ID_SETTING_ASCII, ID_SETTING_UTF8, ID_SETTING_ASCII + charCode);
    CheckMenuRadioCommand(menu, ID_SETTING_LENDIAN, ID_SETTING_BENDIAN, ID_SETTING_LENDIAN + byteOrder);
    SetPaneText(2, ReadOnlyPaneText(theDocument.readOnly));
    SetPaneText(3, InsertModePaneText(insertMode));
    SetPaneText(4, CharCodePaneText(charCode));
}

void FrameWindow::UpdateTitle()
{
    // GetFileTitleA shows the name the way the shell does (extensions included or not).
    char title[281];
    if (theDocument.IsUntitled() || GetFileTitleA(theDocument.FileName(), title, sizeof title) != 0)
        lstrcpynA(title, theDocument.FileName(), sizeof title);
    SetCaption(hwndFrame, CaptionText(title, theDocument.modified).c_str());
}

void FrameWindow::OnToolTipText(NMHDR* notification)
{
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(notification);
    info->hinst = InstanceOf(hwndFrame);
    if (const char* tooltip = ToolbarTooltip(static_cast<UINT>(notification->idFrom)))
        info->lpszText = const_cast<char*>(tooltip);
}

void FrameWindow::UpdateAllWindows()
{
    UpdateWindow(hwndFrame);
    UpdateWindow(hwndToolBar);
    UpdateWindow(hwndStatusBar);
    UpdateWindow(hwndView);
}
