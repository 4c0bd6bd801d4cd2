// Keys posted all at once to the real editor, as a keyboard buffer delivers a
// fast typist's keys, beside a minimal program that repaints a full screen of
// rows for each key, and one memmove of the file the editor inserts into.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/benchmark/BenchmarkTools.h"
#include "tests/benchmark/Benchmarks.h"

namespace {

using bench::Now;

const int markerId = 2001; // the editor's toolbar, the minimal program's marker window

std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1);
}

bool WriteWholeFile(const std::string& path, const char* bytes, DWORD size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool done = WriteFile(file, bytes, size, &written, nullptr) && written == size;
    CloseHandle(file);
    return done;
}

// A program started for the measurement and ended with it.
class Program {
public:
    Program(const std::string& exe, const std::string& arguments, const char* className)
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + exe + "\" " + arguments;
        if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info))
            return;
        for (double start = Now(); !frame && Now() - start < 60000; Sleep(20))
            frame = FindOwnWindow(className);
        if (!frame)
            return;
        SetWindowPos(frame, nullptr, 0, 0, 768, 576, SWP_NOZORDER);
        marker = GetDlgItem(frame, markerId);
        // Loading a large file takes a while: start once it is done.
        ready = marker && Handled();
    }
    ~Program()
    {
        if (!info.hProcess)
            return;
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 10000);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    bool Ready() const { return ready; }

    // Posts the messages and returns the milliseconds until the program has handled them all.
    double Post(UINT message, const std::string& keys, LPARAM keyData)
    {
        double start = Now();
        for (char key : keys)
            PostMessageA(frame, message, static_cast<unsigned char>(key), keyData);
        return Handled() ? Now() - start : -1;
    }

private:
    HWND FindOwnWindow(const char* className) const
    {
        for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr;) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == info.dwProcessId && IsWindowVisible(window))
                return window;
        }
        return nullptr;
    }
    // Posted messages are handled in turn: the marker window flips once all before it are done.
    bool Handled() const
    {
        bool visible = IsWindowVisible(marker) != 0;
        PostMessageA(frame, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
        for (double start = Now(); Now() - start < 600000; Sleep(5))
            if ((IsWindowVisible(marker) != 0) != visible)
                return true;
        return false;
    }

    PROCESS_INFORMATION info = {};
    HWND frame = nullptr;
    HWND marker = nullptr;
    bool ready = false;
};

std::string Digits(size_t count)
{
    std::string digits;
    for (size_t i = 0; i < count; ++i)
        digits += "0123456789ABCDEF"[i % 16];
    return digits;
}

// Milliseconds per message posted to the editor on a copy of the file, in the mode.
double EditorMilliseconds(const std::string& folder, const std::string& file, bool insert, UINT message,
                          size_t count)
{
    const std::string settings = std::string("[Settings]\r\nInsert=") + (insert ? "1" : "0") +
                                 "\r\nReadOnly=0\r\nBackUp=0\r\n";
    WriteWholeFile(folder + "zorix.INI", settings.data(), static_cast<DWORD>(settings.size()));
    Program editor(folder + "zorix.exe", "\"" + file + "\"", "ZORIXBinaryEditorClass");
    if (!editor.Ready())
        return -1;
    double elapsed = editor.Post(message, Digits(count), message == WM_KEYUP ? 0xC0000001 : 1);
    return elapsed < 0 ? -1 : elapsed / count;
}

double MemmoveMilliseconds(uint32_t size)
{
    std::vector<unsigned char> bytes(size, 0x5A);
    double start = Now();
    std::memmove(bytes.data() + 1, bytes.data(), size - 1);
    return Now() - start;
}

} // namespace

void BenchmarkTyping()
{
    const size_t keys = 2000;
    const std::string programs = ProgramFolder();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "zorix-typing\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA((programs + "zorix.exe").c_str(), (folder + "zorix.exe").c_str(), FALSE);
    const std::string small = folder + "small.bin";
    const std::string large = folder + "large.bin";
    {
        std::vector<char> bytes(bench::hugeSize, 0x5A);
        WriteWholeFile(small, bytes.data(), 4096);
        WriteWholeFile(large, bytes.data(), bench::hugeSize);
    }

    double minimal = -1;
    {
        Program program(programs + "minimal_repaint.exe", "", "MinimalRepaintClass");
        if (program.Ready())
            minimal = program.Post(WM_CHAR, Digits(keys), 1) / keys;
    }
    std::printf("type    minimal program, full repaint of 25 rows   %7.2f ms a key (baseline)\n", minimal);
    const struct {
        const char* name;
        const std::string& file;
        bool insert;
        UINT message;
        size_t count;
    } cases[] = {
        {"4 KiB, overwrite            ", small, false, WM_CHAR, keys},
        {"4 KiB, insert               ", small, true, WM_CHAR, keys},
        {"4 KiB, key up only (Refresh)", small, false, WM_KEYUP, keys},
        {"256 MiB head, overwrite     ", large, false, WM_CHAR, keys},
    };
    for (const auto& c : cases) {
        double each = EditorMilliseconds(folder, c.file, c.insert, c.message, c.count);
        std::printf("type    %s       %7.2f ms a key   (x%.2f)\n", c.name, each, each / minimal);
    }
    const size_t bytes = 40;
    double perByte = EditorMilliseconds(folder, large, true, WM_CHAR, 2 * bytes) * 2;
    double move = MemmoveMilliseconds(bench::hugeSize);
    std::printf("type    256 MiB head, insert            %7.2f ms a byte   memmove 256 MiB %7.2f ms (x%.2f)\n", perByte,
                move, perByte / move);
    DeleteFileA(small.c_str());
    DeleteFileA(large.c_str());
    DeleteFileA((folder + "zorix.INI").c_str());
    DeleteFileA((folder + "zorix.exe").c_str());
    RemoveDirectoryA(folder.c_str());
}
