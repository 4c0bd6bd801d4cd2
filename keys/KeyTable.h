#pragma once
#include <windows.h>

#include <vector>

// The current shortcuts of the commands and the accelerator table built from them.
class KeyTable {
public:
    ~KeyTable() { DestroyHandle(); }

    HACCEL handle = nullptr;
    std::vector<ACCEL> entries;

    void ClearEntries() { entries.clear(); }
    void AddEntry(BYTE flags, WORD key, WORD cmd);
    // The first entry of the command, or null when it has no shortcut.
    const ACCEL* Find(WORD cmd) const;

    // One command's shortcut from the settings file; defaultText applies only
    // when its key is missing, and a value that names no key adds nothing.
    void ReadEntry(WORD cmd, const char* iniKey, const char* defaultText, const char* iniPath);
    void WriteEntry(WORD cmd, const char* iniKey, const char* iniPath) const;
    // The whole command table, in its order, with the Esc-for-Exit rule of old settings files.
    void ReadAssignments(const char* iniPath, bool escapeExits);
    void WriteAssignments(const char* iniPath) const;

    // The label followed by a tab and the shortcut, when the command has one.
    void SetMenuText(HMENU menu, WORD cmd, const char* label) const;
    void SetAllMenuTexts(HMENU menu) const;

    HACCEL BuildHandle();
    void DestroyHandle();
};
