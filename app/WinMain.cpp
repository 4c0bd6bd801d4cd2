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
    // The themed toolbar of the version 6 controls shows the frame's background.
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
    wc.lpszClassName = frameClassName;
    return RegisterClassA(&wc) != 0;
}

int RunMessageLoop()
{
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Read afresh for every message: the key assignment dialog replaces it.
        HACCEL accelerators = theFrame.keyTable->handle;
        if (accelerators && TranslateAcceleratorA(theFrame.hwndFrame, accelerators, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
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
    theFrame.keyTable->BuildHandle();
    theView.Refresh(RedrawAll);
    theFrame.OpenCommandLineFile(commandLine);
    theView.Refresh(RedrawAll);
    UpdateWindow(frame);

    int exitCode = RunMessageLoop();
    theFrame.keyTable->DestroyHandle();
    return exitCode;
}
