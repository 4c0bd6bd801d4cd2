#pragma once
// The per-user folders the shell keeps in the registry, and the shortcut
// files in them. Output buffers must hold at least one byte.
#include <cstddef>

// Reads the value under "Shell Folders"; false (and an empty string) when it
// is missing, not a plain string, empty or too long for the buffer.
bool ReadShellFolder(const char* valueName, char* out, size_t outSize);

// The .lnk path for a shortcut called name in the named shell folder; false
// when the folder is unknown or the path would not fit.
bool ShortcutFilePath(const char* folderValue, const char* name, char* out, size_t outSize);

bool ShortcutFileExists(const char* shortcutPath);

// Writes (or rewrites) a shortcut through the shell's link object. Failures
// are silent: the user has nothing to act on.
void CreateShortcutFile(const char* shortcutPath, const char* target, const char* workingFolder);

// A missing file is not an error.
void DeleteShortcutFile(const char* shortcutPath);
