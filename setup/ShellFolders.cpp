#include "setup/ShellFolders.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "setup/SetupPaths.h"

namespace {

const char ShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool Refuse(char* out)
{
    out[0] = '\0';
    return false;
}

// The setters' results are not looked at: nothing would be reported, and a
// link lacking one detail still starts its target.
void WriteLink(IShellLinkA* link, IPersistFile* file, const char* shortcutPath, const char* target,
               const char* workingFolder)
{
    link->SetPath(target);
    link->SetArguments(nullptr);
    link->SetWorkingDirectory(workingFolder);
    link->SetShowCmd(SW_SHOWNORMAL);
    link->SetIconLocation(nullptr, 0);
    WCHAR widePath[PathBufferSize];
    if (MultiByteToWideChar(CP_ACP, 0, shortcutPath, -1, widePath, PathBufferSize) != 0)
        file->Save(widePath, TRUE);
}

} // namespace

bool ReadShellFolder(const char* valueName, char* out, size_t outSize)
{
    out[0] = '\0';
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ShellFoldersKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(outSize);
    LONG result = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(out), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ || size == 0)
        return Refuse(out);
    // A stored string need not carry its terminator.
    if (out[size - 1] != '\0') {
        if (size >= outSize)
            return Refuse(out);
        out[size] = '\0';
    }
    return out[0] != '\0' ? true : Refuse(out);
}

bool ShortcutFilePath(const char* folderValue, const char* name, char* out, size_t outSize)
{
    char folder[PathBufferSize];
    if (!ReadShellFolder(folderValue, folder, sizeof folder))
        return Refuse(out);
    return ShortcutPathFor(folder, name, out, outSize);
}

bool ShortcutFileExists(const char* shortcutPath)
{
    DWORD attributes = GetFileAttributesA(shortcutPath);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CreateShortcutFile(const char* shortcutPath, const char* target, const char* workingFolder)
{
    if (CoInitialize(nullptr) != S_OK)
        return;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WriteLink(link, file, shortcutPath, target, workingFolder);
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
}

void DeleteShortcutFile(const char* shortcutPath)
{
    DeleteFileA(shortcutPath);
}
