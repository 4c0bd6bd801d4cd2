#include <string>

#include "app/FrameWindow.h"

namespace {

const char messageCaption[] = "ZORIX Binary Editor";

// The system's text for an error code, or an empty text when it has none.
std::string SystemErrorText(DWORD errorCode)
{
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                                      FORMAT_MESSAGE_FROM_SYSTEM,
                                  nullptr, errorCode, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : std::string();
    LocalFree(buffer);
    return text;
}

} // namespace

int FrameWindow::ShowMessage(HWND owner, const char* text, UINT style, DWORD errorCode)
{
    if (!owner)
        owner = hwndFrame;
    if (errorCode == 0)
        return MessageBoxA(owner, text, messageCaption, style);
    std::string combined = std::string(text) + SystemErrorText(errorCode);
    return MessageBoxA(owner, combined.c_str(), messageCaption, style);
}
