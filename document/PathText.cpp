#include "document/PathText.h"

#include <cstring>

namespace {

unsigned char FoldAsciiLetter(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool Fail(PathBuffer& out)
{
    out[0] = '\0';
    return false;
}

// out = head followed by tail, when both fit.
bool JoinPath(PathBuffer& out, const char* head, size_t headLength, const char* tail)
{
    size_t tailLength = std::strlen(tail);
    if (headLength + tailLength >= MAX_PATH)
        return Fail(out);
    std::memmove(out, head, headLength);
    std::memcpy(out + headLength, tail, tailLength + 1);
    return true;
}

// The end of the component that starts at text: its backslash or terminator.
const char* ComponentEnd(const char* text)
{
    while (*text && *text != '\\')
        text = NextChar(text);
    return text;
}

bool HasWildcard(const char* begin, const char* end)
{
    for (const char* p = begin; p < end; p = NextChar(p))
        if (*p == '*' || *p == '?')
            return true;
    return false;
}

bool EndsWithColon(const char* text)
{
    size_t length = std::strlen(text);
    return length > 0 && text[length - 1] == ':';
}

// The long name of the entry that probe names, as the file system lists it.
bool FindLongName(const char* probe, WIN32_FIND_DATAA& found)
{
    HANDLE search = FindFirstFileA(probe, &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

// out, a backslash unless out is empty, then the component [begin, end).
bool AppendComponent(PathBuffer& out, const char* begin, const char* end)
{
    size_t length = std::strlen(out);
    size_t separator = length > 0 ? 1 : 0;
    size_t componentLength = static_cast<size_t>(end - begin);
    if (length + separator + componentLength >= MAX_PATH)
        return false;
    if (separator)
        out[length] = '\\';
    std::memcpy(out + length + separator, begin, componentLength);
    out[length + separator + componentLength] = '\0';
    return true;
}

} // namespace

bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

const char* NextChar(const char* text)
{
    if (*text == '\0')
        return text;
    if (IsLeadByte(static_cast<unsigned char>(text[0])) && text[1] != '\0')
        return text + 2;
    return text + 1;
}

const char* FileNamePart(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p; p = NextChar(p))
        if (*p == '\\')
            name = p + 1;
    return name;
}

bool CopyPath(PathBuffer& out, const char* text)
{
    return JoinPath(out, "", 0, text);
}

void CopyWholeChars(char* out, size_t size, const char* text)
{
    if (size == 0)
        return;
    size_t length = 0;
    for (const char* p = text; *p;) {
        const char* next = NextChar(p);
        if (static_cast<size_t>(next - text) > size - 1)
            break;
        p = next;
        length = static_cast<size_t>(p - text);
    }
    std::memcpy(out, text, length);
    out[length] = '\0';
}

bool BackupPathFor(const char* path, PathBuffer& out)
{
    const char* lastDot = nullptr;
    for (const char* p = FileNamePart(path); *p; p = NextChar(p))
        if (*p == '.')
            lastDot = p;
    size_t keep = lastDot ? static_cast<size_t>(lastDot - path) : std::strlen(path);
    return JoinPath(out, path, keep, ".BAK");
}

void FolderOf(const char* path, PathBuffer& out)
{
    size_t length = static_cast<size_t>(FileNamePart(path) - path);
    JoinPath(out, path, length, length > 0 ? "" : ".");
}

bool CompanionPathFor(const char* path, const char* extension, PathBuffer& out)
{
    size_t length = std::strlen(path);
    if (length < 3)
        return Fail(out);
    return JoinPath(out, path, length - 3, extension);
}

bool ProgramCompanionPath(const char* extension, PathBuffer& out)
{
    PathBuffer program = {};
    DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    // A full buffer means the path was cut off (and, on older systems, not terminated).
    if (length == 0 || length >= MAX_PATH)
        return Fail(out);
    return CompanionPathFor(program, extension, out);
}

CommandLineStatus CommandLinePath(const char* commandLine, PathBuffer& out, bool expandShortNames)
{
    out[0] = '\0';
    if (!commandLine || commandLine[0] == '\0')
        return CommandLineStatus::Empty;
    const char* begin = commandLine;
    size_t length = std::strlen(commandLine);
    bool quoted = begin[0] == '"';
    if (quoted) {
        ++begin;
        --length;
        if (length > 0 && begin[length - 1] == '"')
            --length;
    }
    if (length >= MAX_PATH)
        return CommandLineStatus::TooLong;
    std::memcpy(out, begin, length);
    out[length] = '\0';
    if (!quoted && expandShortNames) {
        PathBuffer shortPath;
        std::memcpy(shortPath, out, length + 1);
        ExpandLongPath(shortPath, out);
    }
    return CommandLineStatus::Path;
}

CommandLineStatus CommandLinePath(const char* commandLine, PathBuffer& out)
{
    return CommandLinePath(commandLine, out, !IsWindowsNT());
}

bool SamePathText(const char* a, const char* b)
{
    for (;;) {
        unsigned char ca = static_cast<unsigned char>(*a);
        unsigned char cb = static_cast<unsigned char>(*b);
        if (IsLeadByte(ca) && a[1] != '\0') {
            // b[1] is readable: b[0] equals the nonzero a[0] when it is compared.
            if (ca != cb || a[1] != b[1])
                return false;
            a += 2;
            b += 2;
            continue;
        }
        if (FoldAsciiLetter(ca) != FoldAsciiLetter(cb))
            return false;
        if (ca == '\0')
            return true;
        ++a;
        ++b;
    }
}

bool ExpandLongPath(const char* path, PathBuffer& out)
{
    out[0] = '\0';
    const char* begin = path;
    for (;;) {
        const char* end = ComponentEnd(begin);
        PathBuffer probe;
        std::memcpy(probe, out, std::strlen(out) + 1);
        if (!AppendComponent(probe, begin, end))
            return Fail(out);
        if (EndsWithColon(probe)) {
            std::memcpy(out, probe, sizeof probe);
        } else {
            // A wildcard would make the search report some other entry.
            WIN32_FIND_DATAA found;
            if (HasWildcard(begin, end) || !FindLongName(probe, found))
                return Fail(out);
            const char* name = found.cFileName;
            if (!AppendComponent(out, name, name + std::strlen(name)))
                return Fail(out);
        }
        if (*end == '\0')
            return true;
        begin = end + 1;
    }
}

bool IsWindowsNT()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
