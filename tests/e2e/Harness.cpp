#include "tests/e2e/Harness.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace e2e {

namespace {

void DeleteTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(full + "\\");
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && ClassName(window) == search->className)
        search->found.push_back(window);
    return TRUE;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

std::string BuildFolder()
{
    std::string folder = "Z:" ZORIX_BUILD_DIR "\\";
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    return folder;
}

TestFolder::TestFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    std::ostringstream name;
    name << temp << "zorix-e2e-" << GetCurrentProcessId() << "-" << GetTickCount() << "-" << counter++ << "\\";
    path = name.str();
    CreateDirectoryA(path.c_str(), nullptr);
}

TestFolder::~TestFolder()
{
    DeleteTree(path);
}

void TestFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(File(name), std::ios::binary);
    out << bytes;
}

std::string TestFolder::Read(const std::string& name) const
{
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TestFolder::Exists(const std::string& name) const
{
    return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TestFolder::CopyProgram(const std::string& exeName) const
{
    std::string target = File(exeName);
    CopyFileA((BuildFolder() + exeName).c_str(), target.c_str(), FALSE);
    return target;
}

Process::Process(const std::string& exePath, const std::string& arguments, const std::string& workingFolder)
{
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &info))
        info = {};
}

Process::~Process()
{
    if (!Started())
        return;
    if (IsRunning()) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

bool Process::WaitExit(DWORD timeoutMs) const
{
    return WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool Process::IsRunning() const
{
    return Started() && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> Process::TopWindows(const char* className) const
{
    WindowSearch search = {info.dwProcessId, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Process::WaitTopWindow(const char* className, DWORD timeoutMs) const
{
    HWND window = nullptr;
    WaitUntil([&] {
        std::vector<HWND> windows = TopWindows(className);
        window = windows.empty() ? nullptr : windows.front();
        return window != nullptr;
    }, timeoutMs);
    return window;
}

HWND Process::WaitDialog(DWORD timeoutMs, HWND except) const
{
    HWND dialog = nullptr;
    WaitUntil([&] {
        for (HWND window : TopWindows("#32770"))
            if (window != except) {
                dialog = window;
                return true;
            }
        return false;
    }, timeoutMs);
    return dialog;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ChildRect(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientRect(HWND window)
{
    RECT rect;
    GetClientRect(window, &rect);
    return rect;
}

void PostCommand(HWND window, WORD id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void PostKey(HWND window, UINT vk)
{
    UINT scan = MapVirtualKeyA(vk, 0);
    PostMessageA(window, WM_KEYDOWN, vk, 1 | scan << 16);
    PostMessageA(window, WM_KEYUP, vk, 1 | scan << 16 | 0xC0000000u);
}

void PostChar(HWND window, char c)
{
    PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

// Wine gives no usable handle for a host program, so the shell that runs it
// leaves a marker file when the program has ended.
bool RunHostProgram(const std::string& commandLine, DWORD timeoutMs)
{
    static unsigned counter = 0;
    const std::string marker =
        "/tmp/zorix-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) + ".done";
    std::string markerPath = "Z:" + marker;
    for (char& c : markerPath)
        if (c == '/')
            c = '\\';
    std::string line = "/bin/sh -c \"" + commandLine + "; echo > " + marker + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    bool ended = WaitUntil([&] { return GetFileAttributesA(markerPath.c_str()) != INVALID_FILE_ATTRIBUTES; },
                           timeoutMs);
    DeleteFileA(markerPath.c_str());
    return ended;
}

bool XdoTool(const std::string& arguments)
{
    return RunHostProgram("/usr/bin/xdotool " + arguments);
}

namespace {

// A file of the host's /tmp, which Wine shows as Z:\tmp.
struct HostFile {
    HostFile()
    {
        static unsigned counter = 0;
        name = "zorix-e2e-" + std::to_string(GetCurrentProcessId()) + "-clip" + std::to_string(counter++);
        hostPath = "/tmp/" + name;
        windowsPath = "Z:\\tmp\\" + name;
    }
    ~HostFile() { DeleteFileA(windowsPath.c_str()); }
    std::string name, hostPath, windowsPath;
};

} // namespace

bool SetHostClipboard(const std::string& text)
{
    HostFile file;
    std::ofstream(file.windowsPath, std::ios::binary) << text;
    // xclip stays to serve the text until another program takes the
    // clipboard; it must not hold the test's output open meanwhile.
    return RunHostProgram("/usr/bin/xclip -selection clipboard -i < " + file.hostPath + " > /dev/null 2>&1") &&
           WaitUntil([&] { return ClipboardText() == text; });
}

std::string HostClipboard()
{
    HostFile file;
    if (!RunHostProgram("/usr/bin/xclip -selection clipboard -o > " + file.hostPath))
        return "<xclip failed>";
    std::ifstream in(file.windowsPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ClipboardText()
{
    if (!OpenClipboard(nullptr))
        return "<not open>";
    std::string text = "<none>";
    HANDLE handle = GetClipboardData(CF_TEXT);
    if (const char* locked = handle ? static_cast<const char*>(GlobalLock(handle)) : nullptr) {
        text = locked;
        GlobalUnlock(handle);
    }
    CloseClipboard();
    return text;
}

std::string StatusPaneText(const Process& process, HWND statusBar, int pane)
{
    const SIZE_T capacity = 512;
    void* remote = VirtualAllocEx(process.Handle(), nullptr, capacity, MEM_COMMIT, PAGE_READWRITE);
    if (!remote)
        return "<no remote buffer>";
    std::string text;
    DWORD_PTR length = 0;
    if (SendMessageTimeoutA(statusBar, SB_GETTEXTLENGTHA, pane, 0, SMTO_ABORTIFHUNG, 5000, &length) &&
        LOWORD(length) < capacity &&
        SendMessageTimeoutA(statusBar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                            nullptr)) {
        char buffer[capacity] = {};
        SIZE_T read = 0;
        ReadProcessMemory(process.Handle(), remote, buffer, capacity - 1, &read);
        text = buffer;
    }
    VirtualFreeEx(process.Handle(), remote, 0, MEM_RELEASE);
    return text;
}

std::string MessageBoxText(HWND box)
{
    return WindowText(GetDlgItem(box, 0xFFFF));
}

void PressButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND DialogItem(HWND dialog, int id)
{
    return GetDlgItem(dialog, id);
}

bool ChooseInFilePicker(HWND picker, const std::string& path)
{
    const int fileNameControl = 0x47C;
    HWND control = GetDlgItem(picker, fileNameControl);
    HWND edit = control;
    while (edit && ClassName(edit) != "Edit")
        edit = FindWindowExA(edit, nullptr, nullptr, nullptr);
    if (!edit)
        return false;
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
    PressButton(picker, IDOK);
    return true;
}

std::string SaveScreenshot(HWND window, const std::string& name)
{
    // Pending paints are done first, so the picture shows the current state.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    std::string folder = BuildFolder() + "screenshots\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string path = folder + name + ".bmp";
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return path;
}

} // namespace e2e
