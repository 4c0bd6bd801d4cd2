#include "setup/SetupSettings.h"

#include <windows.h>

#include "setup/SetupPaths.h"
#include "setup/SetupResource.h"

const ShortcutKind shortcutKinds[ShortcutKindCount] = {
    {IDC_DESKTOP, "Desktop", "Desktop"},
    {IDC_SENDTO, "SendTo", "SendTo"},
    {IDC_STARTUP, "Startup", "Startup"},
};

namespace {

const char SettingsSection[] = "Settings";

void ReadValue(const char* iniPath, const char* key, const char* fallback, char* out, DWORD outSize)
{
    GetPrivateProfileStringA(SettingsSection, key, fallback, out, outSize, iniPath);
    DropDanglingLeadByte(out);
}

} // namespace

bool SettingsFileExists(const char* iniPath)
{
    DWORD attributes = GetFileAttributesA(iniPath);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ReadSettings(const char* iniPath, SetupSettings& settings)
{
    ReadValue(iniPath, "Title", "QUENTAR", settings.title, sizeof settings.title);
    for (int kind = 0; kind < ShortcutKindCount; ++kind)
        ReadValue(iniPath, shortcutKinds[kind].nameKey, "", settings.names[kind], sizeof settings.names[kind]);
    ReadValue(iniPath, "File", "", settings.file, sizeof settings.file);
}
