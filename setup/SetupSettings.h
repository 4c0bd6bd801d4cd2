#pragma once
// What the setup program learns from the INI file named after itself.

constexpr int ShortcutKindCount = 3;

// The kinds in their fixed order; the index is used throughout.
struct ShortcutKind {
    int boxId;
    const char* nameKey;      // key of the shortcut's name in the INI file
    const char* folderValue;  // value naming the folder under "Shell Folders"
};
extern const ShortcutKind shortcutKinds[ShortcutKindCount];

struct SetupSettings {
    char title[256] = "QUENTAR";
    char names[ShortcutKindCount][256] = {};  // empty or no file name: that kind is not offered
    char file[260] = {};                      // relative to the program's folder
};

bool SettingsFileExists(const char* iniPath);

// Reads section "Settings"; values too long for their buffers are cut
// between characters.
void ReadSettings(const char* iniPath, SetupSettings& settings);
