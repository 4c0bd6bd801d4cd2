#include <windows.h>

#include "app/Application.h"
#include "resources/resource.h"

namespace {

const char frameClassName[] = "ZORIXBinaryEditorClass";

bool RegisterFrameClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
    wc.lpszClassName = frameClassName;
    return RegisterClassA(&wc) != 0;
}

int RunMessageLoop()
{
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    theDocument.frame = &theFrame;
    theView.frame = &theFrame;
    theView.document = &theDocument;

    if (!RegisterFrameClass(instance))
        return 0;
    HWND frame = CreateWindowExA(WS_EX_ACCEPTFILES, frameClassName, "ZORIX Binary Editor", WS_OVERLAPPEDWINDOW,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                                 nullptr);
    if (!frame)
        return 0;

    theFrame.LoadSettings();
    theView.Refresh(RedrawAll);
    theView.Refresh(RedrawAll);
    UpdateWindow(frame);

    return RunMessageLoop();
}
