// The frame and view window procedures: routers from messages to the objects.
#include <windows.h>

#include <commctrl.h>

#include "app/Application.h"

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        theFrame.CreateChildWindows(hwnd);
        theView.Refresh(RedrawNothing);
        return 0;
    case WM_DESTROY:
        theFrame.OnDestroy();
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        theFrame.LayoutChildren();
        theView.Refresh(RedrawNothing);
        return 0;
    case WM_SETTINGCHANGE:
        theFrame.OnSettingChange(wParam, lParam);
        theView.Refresh(RedrawNothing);
        return 0;
    case densityChangedMessage:
        theView.Refresh(theFrame.OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)));
        return 0;
    case WM_CLOSE:
        theFrame.OnClose();
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TTN_NEEDTEXTA)
            theFrame.OnToolTipText(header);
        theView.Refresh(RedrawNothing);
        return 0;
    }
    case WM_HELP:
        theFrame.ShowHelp();
        theView.Refresh(RedrawNothing);
        return 0;
    case WM_COMMAND:
        theView.Refresh(theFrame.OnCommand(LOWORD(wParam)));
        return 0;
    case WM_MOUSEWHEEL:
        theView.Refresh(theView.OnMouseWheel(wParam));
        return 0;
    case WM_KEYDOWN: {
        RefreshCode code = theView.OnKeyDown(wParam, lParam);
        theFrame.UpdateModePanes();
        theView.Refresh(code);
        return 0;
    }
    case WM_KEYUP:
        theView.OnKeyUp(wParam);
        theView.Refresh(RedrawNothing);
        return 0;
    case WM_CHAR:
        theView.Refresh(theView.OnChar(wParam));
        return 0;
    case WM_IME_CHAR:
        theView.Refresh(theView.OnImeChar(wParam));
        return 0;
    case WM_KILLFOCUS:
        theView.ForgetShift();
        return 0;
    case WM_DROPFILES:
        theView.Refresh(theFrame.OnDropFiles(reinterpret_cast<HDROP>(wParam)));
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK ViewWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        theView.MeasureRows();
        theView.Refresh(RedrawNothing);
        return 0;
    case WM_PAINT:
        theView.Paint();
        theView.Refresh(RedrawNothing);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_NCPAINT:
        theFrame.UpdateAllWindows();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_VSCROLL:
        theView.Refresh(theView.OnVScroll(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        theView.Refresh(theView.OnLButtonDown());
        return 0;
    case WM_MOUSEMOVE:
        theView.Refresh(theView.OnMouseMove());
        return 0;
    case WM_LBUTTONUP:
        theView.OnLButtonUp();
        theView.Refresh(RedrawNothing);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
