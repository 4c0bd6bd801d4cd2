#pragma once
#include <windows.h>

#include <string>

// One command that can carry a keyboard shortcut. The field sizes are those
// of the settings file and the menu: labels of at most 18 bytes, settings
// keys of at most 14 characters.
struct CommandEntry {
    WORD id;
    char label[19];
    char mnemonic;
    char iniKey[15];
    BYTE defaultModifiers;
    WORD defaultKey;
};

// In the order of the key assignment dialog's rows and of the settings file.
constexpr int commandCount = 38;
extern const CommandEntry commandTable[commandCount];

// The menu item's label with its access key, as "%s(&%c)" builds it.
std::string MenuLabel(const CommandEntry& entry);
