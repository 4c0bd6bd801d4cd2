#include "tests/e2e/Harness.h"

#include "tests/common/UnixShell.h"

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

// A bottom-up 24-bit picture without a palette.
BITMAPINFOHEADER PictureHeader(int width, int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    return header;
}

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
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

std::string TestFolder::CopyProgram(const std::string& exeName, const std::string& targetName) const
{
    std::string target = File(targetName.empty() ? exeName : targetName);
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

std::string ToCodePage932(const std::string& text, UINT codePage)
{
    std::wstring wide(text.size() + 1, L'\0');
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    std::string narrow(wide.size() * 2 + 1, '\0');
    WideCharToMultiByte(932, 0, wide.c_str(), -1, &narrow[0], static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow.c_str();
}

bool XdoTool(const std::string& arguments)
{
    return unixshell::Run("xdotool " + arguments, 10000) == 0;
}

RemoteBuffer::RemoteBuffer(const Process& process, SIZE_T size)
    : process(process.Handle()), address(VirtualAllocEx(process.Handle(), nullptr, size, MEM_COMMIT, PAGE_READWRITE))
{
}

RemoteBuffer::~RemoteBuffer()
{
    if (address)
        VirtualFreeEx(process, address, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(SIZE_T offset, const void* bytes, SIZE_T size) const
{
    SIZE_T written = 0;
    return WriteProcessMemory(process, At(offset), bytes, size, &written) && written == size;
}

bool RemoteBuffer::Read(SIZE_T offset, void* bytes, SIZE_T size) const
{
    SIZE_T read = 0;
    return ReadProcessMemory(process, At(offset), bytes, size, &read) && read == size;
}

std::string RemoteBuffer::ReadText(SIZE_T offset, SIZE_T capacity) const
{
    std::vector<char> text(capacity + 1, '\0');
    ReadProcessMemory(process, At(offset), text.data(), capacity, nullptr);
    return text.data();
}

namespace {

// The file through which xclip reads or writes the clipboard's text.
struct ClipboardFile {
    ClipboardFile()
    {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        static unsigned counter = 0;
        path = std::string(folder) + "zorix-clipboard-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(counter++);
    }
    ~ClipboardFile() { DeleteFileA(path.c_str()); }
    std::string path;
};

} // namespace

bool SetHostClipboard(const std::string& text)
{
    ClipboardFile file;
    std::ofstream(file.path, std::ios::binary) << text;
    // xclip stays to serve the text until another program takes the
    // clipboard; it must not hold the test's output open meanwhile.
    return unixshell::Run("xclip -selection clipboard -i < '" + unixshell::UnixPath(file.path) + "' > /dev/null 2>&1",
                          10000) == 0 &&
           WaitUntil([&] { return ClipboardText() == text; });
}

std::string HostClipboard()
{
    ClipboardFile file;
    if (unixshell::Run("xclip -selection clipboard -o > '" + unixshell::UnixPath(file.path) + "'", 10000) != 0)
        return "<xclip failed>";
    std::ifstream in(file.path, std::ios::binary);
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
    RemoteBuffer reply(process, capacity);
    if (!reply.Valid())
        return "<no remote buffer>";
    LRESULT length = SendWithin(statusBar, SB_GETTEXTLENGTHA, pane, 0);
    if (LOWORD(length) >= capacity || !SendWithin(statusBar, SB_GETTEXTA, pane, reply.Param()))
        return "";
    return reply.ReadText(0, capacity - 1);
}

RECT StatusPaneRect(const Process& process, HWND statusBar, int pane)
{
    RECT rect = {};
    RemoteBuffer reply(process, sizeof rect);
    if (reply.Valid() && SendWithin(statusBar, SB_GETRECT, pane, reply.Param()))
        reply.Read(0, &rect, sizeof rect);
    return rect;
}

std::string ListViewText(const Process& process, HWND listView, int item, int subItem)
{
    const SIZE_T capacity = 256;
    RemoteBuffer remote(process, sizeof(LVITEMA) + capacity);
    if (!remote.Valid())
        return "<no remote buffer>";
    LVITEMA request = {};
    request.iSubItem = subItem;
    request.pszText = remote.At(sizeof request);
    request.cchTextMax = capacity;
    remote.Write(0, &request, sizeof request);
    SendWithin(listView, LVM_GETITEMTEXTA, item, remote.Param());
    return remote.ReadText(sizeof request, capacity - 1);
}

void SelectListViewItem(const Process& process, HWND listView, int item)
{
    RemoteBuffer remote(process, sizeof(LVITEMA));
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Write(0, &state, sizeof state);
    SendWithin(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), remote.Param());
    if (item < 0)
        return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Write(0, &state, sizeof state);
    SendWithin(listView, LVM_SETITEMSTATE, item, remote.Param());
}

std::vector<std::string> ListViewRows(const Process& process, HWND list, int columns)
{
    std::vector<std::string> rows;
    LRESULT count = SendWithin(list, LVM_GETITEMCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column)
            line += (column ? "|" : "") + ListViewText(process, list, row, column);
        rows.push_back(line);
    }
    return rows;
}

RECT ListViewRowRect(const Process& process, HWND list, int row)
{
    RECT rect = {};
    rect.left = LVIR_BOUNDS;
    RemoteBuffer remote(process, sizeof rect);
    if (remote.Valid() && remote.Write(0, &rect, sizeof rect) && SendWithin(list, LVM_GETITEMRECT, row, remote.Param()))
        remote.Read(0, &rect, sizeof rect);
    return rect;
}

std::string MessageBoxText(HWND box)
{
    return WindowText(GetDlgItem(box, 0xFFFF));
}

void PressButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool CloseWith(HWND dialog, int id)
{
    PressButton(dialog, id);
    return WaitUntil([&] { return !IsWindow(dialog); });
}

void Click(HWND dialog, int id)
{
    SendWithin(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

HWND DialogItem(HWND dialog, int id)
{
    return GetDlgItem(dialog, id);
}

void SetItemText(HWND dialog, int id, const std::string& text)
{
    SendWithin(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool FocusComesTo(HWND dialog, int id)
{
    SetForegroundWindow(dialog);
    return WaitUntil([&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
        return info.hwndFocus == GetDlgItem(dialog, id);
    });
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

bool ChooseInColorPicker(HWND picker, COLORREF color)
{
    // The red, green and blue edits of the system's colour picker.
    const int channelEdits[3] = {706, 707, 708};
    const BYTE channels[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    for (int i = 0; i < 3; ++i) {
        HWND edit = GetDlgItem(picker, channelEdits[i]);
        if (!edit)
            return false;
        std::string text = std::to_string(channels[i]);
        SendWithin(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    PressButton(picker, IDOK);
    return WaitUntil([&] { return !IsWindow(picker); });
}

Picture::Picture(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect;
    GetWindowRect(window, &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    stride = (width * 3 + 3) & ~3;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER header = PictureHeader(width, height);
    pixels.resize(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF Picture::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    const auto* pixel = reinterpret_cast<const BYTE*>(&pixels[static_cast<size_t>(height - 1 - y) * stride + x * 3]);
    return RGB(pixel[2], pixel[1], pixel[0]);
}

bool Picture::Has(const RECT& rect, COLORREF color) const
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (At(x, y) == color)
                return true;
    return false;
}

std::string Picture::Save(const std::string& name) const
{
    BITMAPINFOHEADER header = PictureHeader(width, height);
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

Picture SettledPicture(HWND window)
{
    Picture last(window);
    WaitUntil([&] {
        Sleep(100);
        Picture next(window);
        bool settled = next == last;
        last = std::move(next);
        return settled;
    });
    return last;
}

std::string SaveScreenshot(HWND window, const std::string& name)
{
    return Picture(window).Save(name);
}

RECT RectInWindow(HWND child)
{
    RECT rect, window;
    GetWindowRect(child, &rect);
    GetWindowRect(GetAncestor(child, GA_ROOT), &window);
    OffsetRect(&rect, -window.left, -window.top);
    return rect;
}

} // namespace e2e
