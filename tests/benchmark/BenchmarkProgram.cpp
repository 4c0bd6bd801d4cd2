#include "tests/benchmark/BenchmarkProgram.h"

#include "resources/resource.h"
#include "tests/benchmark/BenchmarkTools.h"

namespace bench {

namespace {

const int markerId = 2001; // the editor's toolbar, the minimal program's marker window

bool WriteWholeFile(const std::string& path, const char* bytes, DWORD size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool done = WriteFile(file, bytes, size, &written, nullptr) && written == size;
    CloseHandle(file);
    return done;
}

} // namespace

std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1);
}

EditorFolder::EditorFolder(const char* name) : path(TempPath(name) + "\\")
{
    CreateDirectoryA(path.c_str(), nullptr);
    CopyFileA((ProgramFolder() + "zorix.exe").c_str(), Editor().c_str(), FALSE);
    files = {Editor(), path + "zorix.INI"};
}

EditorFolder::~EditorFolder()
{
    for (const std::string& file : files)
        DeleteFileA(file.c_str());
    RemoveDirectoryA(path.c_str());
}

void EditorFolder::WriteSettings(const std::string& text) const
{
    WriteWholeFile(path + "zorix.INI", text.data(), static_cast<DWORD>(text.size()));
}

std::string EditorFolder::AddFile(const char* name, const char* bytes, DWORD size)
{
    files.push_back(path + name);
    WriteWholeFile(files.back(), bytes, size);
    return files.back();
}

Program::Program(const std::string& exe, const std::string& arguments, const char* className)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\" " + arguments;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return;
    // The frame may show before its marker window is made.
    for (double start = Now(); !marker && Now() - start < 60000; Sleep(20)) {
        frame = FindOwnWindow(className);
        marker = frame ? GetDlgItem(frame, markerId) : nullptr;
    }
    ready = marker && Handled() && Handled();
}

Program::~Program()
{
    if (!info.hProcess)
        return;
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
}

bool Program::Resize(int width, int height)
{
    SetWindowPos(frame, nullptr, 0, 0, width, height, SWP_NOZORDER);
    return Handled() && Handled();
}

bool Program::Maximise()
{
    ShowWindow(frame, SW_MAXIMIZE);
    return Handled() && Handled();
}

double Program::Post(UINT message, const std::string& keys, LPARAM keyData)
{
    double start = Now();
    for (char key : keys)
        PostMessageA(frame, message, static_cast<unsigned char>(key), keyData);
    return Finished(start);
}

double Program::Post(UINT message, WPARAM wParam, LPARAM lParam, size_t count)
{
    double start = Now();
    for (size_t i = 0; i < count; ++i)
        PostMessageA(frame, message, wParam, lParam);
    return Finished(start);
}

// The marker flips back untimed, so that the editor's toolbar shows as before
// and every run sees the same layout.
double Program::Finished(double start) const
{
    if (!Handled())
        return -1;
    double elapsed = Now() - start;
    return Handled() ? elapsed : -1;
}

HWND Program::FindOwnWindow(const char* className) const
{
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == info.dwProcessId && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// Posted messages are handled in turn: the marker window flips once all
// before it are done. In the editor the marker is the toolbar, shown or hidden.
bool Program::Handled() const
{
    bool visible = IsWindowVisible(marker) != 0;
    PostMessageA(frame, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    for (double start = Now(); Now() - start < 600000; Sleep(5))
        if ((IsWindowVisible(marker) != 0) != visible)
            return true;
    return false;
}

} // namespace bench
