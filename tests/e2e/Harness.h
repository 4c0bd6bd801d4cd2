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
    char* At(SIZE_T offset = 0) const { return static_cast<char*>(address) + offset; }
    LPARAM Param(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }
    bool Write(SIZE_T offset, const void* bytes, SIZE_T size) const;
    bool Read(SIZE_T offset, void* bytes, SIZE_T size) const;
    std::string ReadText(SIZE_T offset, SIZE_T capacity) const;

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
// Where a pane lies in the status bar's client area.
RECT StatusPaneRect(const Process& process, HWND statusBar, int pane);
// A list view of another process: its item text, and selecting one item alone (none for -1).
std::string ListViewText(const Process& process, HWND listView, int item, int subItem);
void SelectListViewItem(const Process& process, HWND listView, int item);

// Every row of a report list view of another process, its columns joined by "|".
std::vector<std::string> ListViewRows(const Process& process, HWND list, int columns);
// Where a row of a list view of another process lies in the list's client area.
RECT ListViewRowRect(const Process& process, HWND list, int row);

// The message text of a message box.
std::string MessageBoxText(HWND box);
// Presses a button of a dialog or message box by its id (IDOK, IDYES, ...).
void PressButton(HWND dialog, int id);
// Presses a button that ends the dialog and waits until the dialog is gone.
bool CloseWith(HWND dialog, int id);
// Clicks a check box or a button that opens no window, and waits until the dialog has handled it.
void Click(HWND dialog, int id);
HWND DialogItem(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
// Whether the control gets the focus once the dialog is the active window
// (a window of a test running beside this one may hold the activation).
bool FocusComesTo(HWND dialog, int id);

// Types a path into the system file picker and presses its OK button.
bool ChooseInFilePicker(HWND picker, const std::string& path);

// Sets the colour in the system colour picker and presses its OK button.
bool ChooseInColorPicker(HWND picker, COLORREF color);

// What is on screen inside a window, pending paints done first.
class Picture {
public:
    explicit Picture(HWND window);
    // x and y from the window's top left corner.
    COLORREF At(int x, int y) const;
    // Whether any pixel of the rectangle (window coordinates) has exactly the colour.
    bool Has(const RECT& rect, COLORREF color) const;
    bool operator==(const Picture& other) const { return pixels == other.pixels; }
    // Writes a 24-bit BMP into the build's screenshot folder and returns its path.
    std::string Save(const std::string& name) const;

private:
    int width = 0;
    int height = 0;
    int stride = 0;
    // Bottom-up rows of blue, green, red bytes, as a BMP keeps them.
    std::vector<char> pixels;
};

// The picture once the window's painting has settled: two captures in a row agree.
Picture SettledPicture(HWND window);
// Saves what is on screen inside the window as a 24-bit BMP in the build's screenshot folder.
std::string SaveScreenshot(HWND window, const std::string& name);
// A child's rectangle in the coordinates of a picture of its top-level window.
RECT RectInWindow(HWND child);

} // namespace e2e
