#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "document/PathText.h"

// The files used last, newest first in slot 0, kept in the settings file and
// shown as items of the File menu. The non-empty slots always come first.
class RecentFileList {
public:
    // The list of the settings file beside the program.
    explicit RecentFileList(int menuPosition = 5, int count = 5);
    // The list of the given settings file.
    RecentFileList(int menuPosition, int count, const char* iniPath);
    virtual ~RecentFileList() = default;

    int Count() const { return count; }
    int MenuPosition() const { return menuPosition; }
    const char* IniPath() const { return iniPath; }
    // The path in slot index; empty for an empty slot or an index outside the list.
    const char* Entry(int index) const;
    // The slot a menu command stands for, or -1 for an id outside the list.
    int IndexOfCommand(UINT id, UINT firstId) const;

    // Values too long for a path are dropped rather than cut to another path.
    void ReadList();
    void WriteList() const;
    // Null for an index outside the list; otherwise slot 0 after the move.
    const char* MoveToFront(int index);
    // An empty path, or one too long to store, is not added.
    void Add(const char* path);
    void Remove(int index);
    void Clear();
    void BuildMenu(HMENU menu, UINT firstId) const;

private:
    int menuPosition;
    int count;
    std::vector<std::array<char, MAX_PATH>> entries;
    PathBuffer iniPath = {};

    bool InRange(int index) const { return index >= 0 && index < count; }
    int FindEntry(const char* path) const;
    void CloseGaps();
};

// The File-menu label of a recent file: its number as the mnemonic and the
// file title, with "&" doubled so that it shows as written.
std::string RecentMenuLabel(int number, const char* path);
