#include "tests/common/UnixShell.h"

#include <windows.h>

#include <cstring>
#include <fstream>

namespace unixshell {

namespace {

std::string TempFileName(const char* suffix)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    static unsigned counter = 0;
    return std::string(folder) + "zorix-shell-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(counter++) + suffix;
}

} // namespace

std::string UnixPath(const std::string& windowsPath)
{
    using Converter = char*(CDECL*)(const wchar_t*);
    auto convert = reinterpret_cast<Converter>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::wstring wide(windowsPath.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    char* path = convert ? convert(wide.c_str()) : nullptr;
    if (!path)
        return "";
    // The host spells it in UTF-8; a command line goes through the ANSI code page.
    std::wstring unixWide(std::strlen(path) + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path, -1, &unixWide[0], static_cast<int>(unixWide.size()));
    HeapFree(GetProcessHeap(), 0, path);
    std::string result(unixWide.size() * 2, '\0');
    WideCharToMultiByte(CP_ACP, 0, unixWide.c_str(), -1, &result[0], static_cast<int>(result.size()), nullptr,
                        nullptr);
    return result.c_str();
}

int Run(const std::string& command, unsigned long timeoutMs)
{
    // Wine starts a host program named by its host path, splitting the command
    // line the way Windows programs do, but gives no handle to wait on: the
    // shell leaves its exit status in a file that appears whole at the end.
    const std::string status = TempFileName(".status");
    const std::string unixStatus = UnixPath(status);
    std::string commandLine = "/bin/sh -c \"(" + command + "); echo $? > '" + unixStatus + ".part'; mv '" +
                              unixStatus + ".part' '" + unixStatus + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (unixStatus.empty() ||
        !CreateProcessA("/bin/sh", &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return -1;
    DWORD start = GetTickCount();
    while (GetFileAttributesA(status.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > timeoutMs)
            return -1;
        Sleep(20);
    }
    int exitCode = -1;
    std::ifstream(status) >> exitCode;
    DeleteFileA(status.c_str());
    return exitCode;
}

} // namespace unixshell
