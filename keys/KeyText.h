#pragma once
#include <windows.h>

#include <string>

// The text form of a shortcut, as the settings file and the menu show it:
// "Shift", "Ctrl", "Alt" in that order, then the key name, joined by "+".
// A key outside the key name table leaves only the modifiers.
std::string FormatKeyText(BYTE flags, WORD key);

// Reads a shortcut written by hand or by FormatKeyText: words separated by
// "+" in any order and case. Returns false, with flags and key 0, when the
// text names no assignable key; modifiers alone assign nothing.
bool ParseKeyText(const char* text, BYTE& flags, WORD& key);
