#pragma once
#include <windows.h>

#include <string_view>

// One key that can be assigned to a command, with its name in the settings
// file and the modifier flags the key assignment dialog allows with it.
struct KeyName {
    WORD vk;
    char name[5];
    BYTE allowedModifiers;
};

// Any combination of modifiers, including none.
constexpr BYTE anyModifiers = FVIRTKEY | FSHIFT | FCONTROL | FALT;
// Only together with Ctrl or Alt, so that typing a letter never runs a command.
constexpr BYTE ctrlOrAltOnly = FCONTROL | FALT;

// In the order of the dialog's key list.
constexpr int keyNameCount = 41;
extern const KeyName keyNameTable[keyNameCount];

// The first row for the key, or null.
const KeyName* FindKeyByVk(WORD vk);
// The first row whose name equals the text without regard to case, or null.
const KeyName* FindKeyByName(std::string_view text);
// Whether the dialog lists the key while these modifier flags are chosen.
bool IsKeyListed(const KeyName& key, BYTE modifierMask);

// Compares a key word without regard to the case of ASCII letters. Because
// the words are ASCII, a double-byte character never matches, whatever its
// trail byte is.
bool SameKeyWord(std::string_view text, std::string_view word);
