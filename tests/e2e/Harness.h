#pragma once
// Drives real programs from outside, the way a user's actions reach them:
// window messages for commands and keys, and reads of what the windows show.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Polls until the condition holds; false after the timeout.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Where the build put the programs, as a Windows path (with trailing backslash).
std::string BuildFolder();

// A fresh, empty folder that is deleted with everything in it afterwards.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // Copies a file of the build (a program, the help file) into this folder,
    // under another name when one is given, and returns its path.
    std::string CopyProgram(const std::string& exeName, const std::string& targetName = "") const;

private:
    std::string path;
};

// A program started for the test; killed if it is still running at the end.
class Process {
public:
    Process(const std::string& exePath, const std::string& arguments, const std::string& workingFolder);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info.hProcess != nullptr; }
    DWORD Id() const { return info.dwProcessId; }
    HANDLE Handle() const { return info.hProcess; }
    bool WaitExit(DWORD timeoutMs = 10000) const;
    bool IsRunning() const;

    // Visible top-level windows of this process with the given class ("#32770" for dialogs).
    std::vector<HWND> TopWindows(const char* className) const;
    HWND WaitTopWindow(const char* className, DWORD timeoutMs = 10000) const;
    // A dialog or message box other than the given one.
    HWND WaitDialog(DWORD timeoutMs = 5000, HWND except = nullptr) const;

private:
    PROCESS_INFORMATION info = {};
};

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);
RECT ClientRect(HWND window);

void PostCommand(HWND window, WORD id);
// Key down and up as the message loop sees them (so accelerators apply).
void PostKey(HWND window, UINT vk);
void PostChar(HWND window, char c);

// Text of another code page (CP_UTF8 for what host programs write) in code page 932.
std::string ToCodePage932(const std::string& text, UINT codePage);
// Real key presses and pointer moves on the X display, as a person makes them:
// they reach whichever window has the focus or lies under the pointer.
bool XdoTool(const std::string& arguments);
// Memory inside another process, for messages whose replies go through a pointer.
class RemoteBuffer {
public:
    RemoteBuffer(const Process& process, SIZE_T size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address != nullptr; }
    char* Address(SIZE_T offset = 0) const { return static_cast<char*>(address) + offset; }
    bool Write(SIZE_T offset, const void* bytes, SIZE_T size) const;
    bool Read(SIZE_T offset, void* bytes, SIZE_T size) const;

private:
    HANDLE process;
    void* address;
};

// The X11 clipboard through xclip, a program of the host; Wine bridges it to
// the editor's clipboard. Setting waits until this process sees the text.
bool SetHostClipboard(const std::string& text);
std::string HostClipboard();
// The clipboard's CF_TEXT as this process reads it, "<none>" without one.
std::string ClipboardText();

// Text of a status bar pane of another process (the reply buffer lives in that process).
std::string StatusPaneText(const Process& process, HWND statusBar, int pane);

// Every row of a report list view of another process, its columns joined by "|".
std::vector<std::string> ListViewRows(const Process& process, HWND list, int columns);
// Where a row of a list view of another process lies in the list's client area.
RECT ListViewRowRect(const Process& process, HWND list, int row);

// The message text of a message box.
std::string MessageBoxText(HWND box);
// Presses a button of a dialog or message box by its id (IDOK, IDYES, ...).
void PressButton(HWND dialog, int id);
HWND DialogItem(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
// Presses a button and returns once its command has run; for buttons that open no window.
void ClickButton(HWND dialog, int id);

// Types a path into the system file picker and presses its OK button.
bool ChooseInFilePicker(HWND picker, const std::string& path);

// Saves what is on screen inside the window as a 24-bit BMP in the build's screenshot folder.
std::string SaveScreenshot(HWND window, const std::string& name);

} // namespace e2e
