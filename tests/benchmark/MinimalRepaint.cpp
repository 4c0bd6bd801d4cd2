// A minimal program that repaints a full screen of rows before it takes the
// next key: the platform's cost of what the editor does for a key. Its
// child window 2001 shows and hides on each WM_COMMAND, so that whoever posts
// the keys can tell when it has handled them all. A height in pixels on the
// command line makes it paint the rows that fill a view of that height, as
// the editor's header, whole rows and partly visible row do; 25 rows without.
#include <windows.h>

#include <cstdlib>

#include "tests/benchmark/MinimalPainter.h"

namespace {

int viewHeight = 0;
HFONT font = nullptr;
HWND marker = nullptr;

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
        return 0;
    case WM_COMMAND:
        ShowWindow(marker, IsWindowVisible(marker) ? SW_HIDE : SW_SHOW);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        PaintMinimalRows(dc, viewHeight > 0 ? viewHeight / metrics.tmHeight + 1 : 25, metrics.tmHeight);
        SelectObject(dc, previous);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    viewHeight = std::atoi(commandLine);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "MinimalRepaintClass";
    RegisterClassA(&wc);
    // The editor's default display font: FixedSys at 14 points.
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(14, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH | FF_MODERN,
                       "FixedSys");
    HWND window = CreateWindowExA(0, wc.lpszClassName, "Minimal", WS_OVERLAPPEDWINDOW, 0, 0, 768, 576,
                                  nullptr, nullptr, instance, nullptr);
    marker = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, window,
                             reinterpret_cast<HMENU>(2001), instance, nullptr);
    // Shown once its marker is there: whoever finds the window may post at once.
    ShowWindow(window, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteObject(font);
    return 0;
}
