#include "keys/KeyTable.h"

#include <cstddef>
#include <string>

#include "keys/CommandTable.h"
#include "keys/KeyText.h"
#include "resources/resource.h"

namespace {

const char acceleratorsSection[] = "Accelerators";
const BYTE virtualKeyFlags = FVIRTKEY | FNOINVERT;
// The structure as the oldest systems know it, without the bitmap field.
const UINT menuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);

} // namespace

void KeyTable::AddEntry(BYTE flags, WORD key, WORD cmd)
{
    entries.push_back(ACCEL{flags, key, cmd});
}

const ACCEL* KeyTable::Find(WORD cmd) const
{
    for (const ACCEL& entry : entries)
        if (entry.cmd == cmd)
            return &entry;
    return nullptr;
}

void KeyTable::ReadEntry(WORD cmd, const char* iniKey, const char* defaultText, const char* iniPath)
{
    char text[256] = {};
    GetPrivateProfileStringA(acceleratorsSection, iniKey, defaultText, text, sizeof text, iniPath);
    BYTE flags = 0;
    WORD key = 0;
    if (ParseKeyText(text, flags, key))
        AddEntry(flags, key, cmd);
}

void KeyTable::WriteEntry(WORD cmd, const char* iniKey, const char* iniPath) const
{
    const ACCEL* entry = Find(cmd);
    std::string text = entry ? FormatKeyText(entry->fVirt, entry->key) : std::string();
    WritePrivateProfileStringA(acceleratorsSection, iniKey, text.c_str(), iniPath);
}

void KeyTable::ReadAssignments(const char* iniPath, bool escapeExits)
{
    ClearEntries();
    for (const CommandEntry& command : commandTable)
        ReadEntry(command.id, command.iniKey, FormatKeyText(command.defaultModifiers, command.defaultKey).c_str(),
                  iniPath);
    const ACCEL* exit = Find(ID_FILE_EXIT);
    if (escapeExits && !(exit && exit->key != 0))
        AddEntry(virtualKeyFlags, VK_ESCAPE, ID_FILE_EXIT);
}

void KeyTable::WriteAssignments(const char* iniPath) const
{
    for (const CommandEntry& command : commandTable)
        WriteEntry(command.id, command.iniKey, iniPath);
}

void KeyTable::SetMenuText(HMENU menu, WORD cmd, const char* label) const
{
    std::string text = label;
    if (const ACCEL* entry = Find(cmd))
        text += "\t" + FormatKeyText(entry->fVirt, entry->key);
    MENUITEMINFOA info = {};
    info.cbSize = menuItemInfoSize;
    info.fMask = MIIM_TYPE | MIIM_ID;
    info.fType = MFT_STRING;
    info.wID = cmd;
    info.dwTypeData = &text[0];
    info.cch = static_cast<UINT>(text.size());
    SetMenuItemInfoA(menu, cmd, FALSE, &info);
}

void KeyTable::SetAllMenuTexts(HMENU menu) const
{
    for (const CommandEntry& command : commandTable)
        SetMenuText(menu, command.id, MenuLabel(command).c_str());
}

HACCEL KeyTable::BuildHandle()
{
    handle = entries.empty() ? nullptr : CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()));
    return handle;
}

void KeyTable::DestroyHandle()
{
    if (handle)
        DestroyAcceleratorTable(handle);
    handle = nullptr;
}
