#pragma once
// The setup program's paths in fixed code page 932 buffers. The builders
// refuse (return false, leave an empty string) rather than cut a path, since
// a cut path would name a different file.
#include <cstddef>

constexpr size_t PathBufferSize = 260;

bool IsLeadByte932(unsigned char c);

// Removes a lead byte left without its trail byte, as a cut to a buffer's
// size can leave at the end.
void DropDanglingLeadByte(char* text);

// True when the last character (not a trail byte such as the one of "ソ") is "\".
bool EndsWithBackslash(const char* path);

// A shortcut name is a file name, not a path: false when it is empty, "." or
// "..", or holds a character no file name can hold (separators and drive
// colons among them). Trail bytes such as the 0x5C of "表" are no characters
// of their own.
bool IsValidShortcutName(const char* name);

// The program's path with its last three characters replaced by "INI".
bool SettingsPathFor(const char* programPath, char* out, size_t outSize);

// The program's path cut after its last backslash, which stays.
bool FolderOf(const char* programPath, char* out, size_t outSize);

// folder + "\" (unless it already ends with one) + name + ".lnk".
bool ShortcutPathFor(const char* folder, const char* name, char* out, size_t outSize);

// folder (ending with "\") + file.
bool TargetPathFor(const char* folder, const char* file, char* out, size_t outSize);
