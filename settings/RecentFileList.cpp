#include "settings/RecentFileList.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char section[] = "Recent File List";
// GetFileTitleA's result is at most 255 characters.
constexpr WORD titleSize = 256;

struct KeyName {
    char text[16];
    explicit KeyName(int number) { std::snprintf(text, sizeof text, "File%u", static_cast<unsigned>(number)); }
};

// The title the system's file dialogs show, or the name part when the system
// refuses the path (a hand-edited value may end in a backslash).
std::string FileTitle(const char* path)
{
    char title[titleSize + 1] = {};
    if (GetFileTitleA(path, title, titleSize) == 0 && title[0] != '\0')
        return title;
    const char* name = FileNamePart(path);
    CopyWholeChars(title, titleSize, *name ? name : path);
    return title;
}

std::string DoubledAmpersands(const char* text)
{
    std::string result;
    for (const char* p = text; *p;) {
        const char* next = NextChar(p);
        if (*p == '&')
            result += '&';
        result.append(p, next);
        p = next;
    }
    return result;
}

} // namespace

std::string RecentMenuLabel(int number, const char* path)
{
    return "&" + std::to_string(number) + " " + DoubledAmpersands(FileTitle(path).c_str());
}

RecentFileList::RecentFileList(int menuPosition, int count)
    : menuPosition(menuPosition), count(std::max(count, 0)), entries(this->count)
{
    ProgramCompanionPath("INI", iniPath);
}

RecentFileList::RecentFileList(int menuPosition, int count, const char* iniPath)
    : menuPosition(menuPosition), count(std::max(count, 0)), entries(this->count)
{
    CopyPath(this->iniPath, iniPath);
}

const char* RecentFileList::Entry(int index) const
{
    return InRange(index) ? entries[index].data() : "";
}

int RecentFileList::IndexOfCommand(UINT id, UINT firstId) const
{
    if (id < firstId || id - firstId >= static_cast<UINT>(count))
        return -1;
    return static_cast<int>(id - firstId);
}

void RecentFileList::ReadList()
{
    for (int i = 0; i < count; ++i) {
        // One byte more than a path can use tells a value that was cut off.
        char value[MAX_PATH + 1] = {};
        // An empty file name would make the system read its own WIN.INI.
        if (iniPath[0] != '\0')
            GetPrivateProfileStringA(section, KeyName(i + 1).text, "", value, sizeof value, iniPath);
        if (std::strlen(value) >= MAX_PATH)
            value[0] = '\0';
        std::memcpy(entries[i].data(), value, std::strlen(value) + 1);
    }
    CloseGaps();
}

void RecentFileList::WriteList() const
{
    if (iniPath[0] == '\0')
        return;
    for (int i = 0; i < count; ++i)
        WritePrivateProfileStringA(section, KeyName(i + 1).text, entries[i].data(), iniPath);
}

const char* RecentFileList::MoveToFront(int index)
{
    if (!InRange(index))
        return nullptr;
    std::rotate(entries.begin(), entries.begin() + index, entries.begin() + index + 1);
    return entries[0].data();
}

void RecentFileList::Add(const char* path)
{
    if (!path || path[0] == '\0' || std::strlen(path) >= MAX_PATH || count == 0)
        return;
    int existing = FindEntry(path);
    if (existing >= 0) {
        MoveToFront(existing);
        return;
    }
    std::rotate(entries.begin(), entries.end() - 1, entries.end());
    std::strcpy(entries[0].data(), path);
}

void RecentFileList::Remove(int index)
{
    if (!InRange(index))
        return;
    std::rotate(entries.begin() + index, entries.begin() + index + 1, entries.end());
    entries.back()[0] = '\0';
}

void RecentFileList::Clear()
{
    for (auto& entry : entries)
        entry[0] = '\0';
}

void RecentFileList::BuildMenu(HMENU menu, UINT firstId) const
{
    for (int i = 0; i < count; ++i)
        DeleteMenu(menu, firstId + i, MF_BYCOMMAND);
    UINT position = static_cast<UINT>(menuPosition);
    for (int i = 0; i < count; ++i) {
        if (entries[i][0] == '\0')
            continue;
        std::string label = RecentMenuLabel(i + 1, entries[i].data());
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_TYPE;
        item.fType = MFT_STRING;
        item.wID = firstId + i;
        item.dwTypeData = &label[0];
        item.cch = static_cast<UINT>(label.size());
        InsertMenuItemA(menu, position++, TRUE, &item);
    }
}

int RecentFileList::FindEntry(const char* path) const
{
    for (int i = 0; i < count; ++i)
        if (entries[i][0] != '\0' && SamePathText(entries[i].data(), path))
            return i;
    return -1;
}

void RecentFileList::CloseGaps()
{
    std::stable_partition(entries.begin(), entries.end(),
                          [](const std::array<char, MAX_PATH>& entry) { return entry[0] != '\0'; });
}
