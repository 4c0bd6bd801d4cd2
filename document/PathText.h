#pragma once
#include <windows.h>

#include <cstddef>

// Paths are code page 932 strings of at most MAX_PATH - 1 characters. The
// code page is fixed rather than taken from the system, because every text of
// the program is code page 932 and the results must not depend on the machine.
using PathBuffer = char[MAX_PATH];

// First byte of a double-byte character; its trail byte may look like "\".
bool IsLeadByte(unsigned char c);
// The character after the one at text; a lead byte right before the
// terminator counts alone, so a cut-off string is never read past its end.
const char* NextChar(const char* text);
// The text after the last backslash, or the whole path when it has none.
const char* FileNamePart(const char* path);

// Copies text whole, or leaves out empty and returns false when it does not fit.
bool CopyPath(PathBuffer& out, const char* text);
// Copies as many whole characters of text as fit into size - 1 bytes.
void CopyWholeChars(char* out, size_t size, const char* text);

// The backup of path: the file-name part from its last "." replaced by
// ".BAK", or ".BAK" appended when the name has no ".". False (out empty) when
// the result would not fit a path buffer.
bool BackupPathFor(const char* path, PathBuffer& out);
// The folder that holds path, with its trailing backslash, or "." for a bare
// name, as the system's folder operations take it.
void FolderOf(const char* path, PathBuffer& out);

// path with its last three characters replaced by extension, as the settings
// and help files are named after the program. False (out empty) when path is
// shorter than three characters or the result does not fit.
bool CompanionPathFor(const char* path, const char* extension, PathBuffer& out);
// The same for the running program's own path.
bool ProgramCompanionPath(const char* extension, PathBuffer& out);

enum class CommandLineStatus {
    Empty,   // nothing to open
    Path,    // out holds the path to open; it may be empty after a bare quote
    TooLong  // the path does not fit a path buffer; out is empty
};
// The file named by the command line that follows the program name: an
// opening double quote is dropped, and a closing one when it is the last
// character. Unquoted paths are expanded to their long form when
// expandShortNames is set, since only the NT family passes long names itself.
CommandLineStatus CommandLinePath(const char* commandLine, PathBuffer& out, bool expandShortNames);
// As above, expanding exactly when the system is not of the NT family.
CommandLineStatus CommandLinePath(const char* commandLine, PathBuffer& out);

// Equal apart from the case of single-byte ASCII letters; a double-byte
// character must match exactly, since its trail byte may fall in the letter range.
bool SamePathText(const char* a, const char* b);

// Rewrites each component of path into its long name as the file system
// lists it. False, with out empty, when a component does not exist, contains
// a wildcard or the result does not fit. out must be another buffer than path.
bool ExpandLongPath(const char* path, PathBuffer& out);

bool IsWindowsNT();
