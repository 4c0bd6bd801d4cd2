#include "setup/SetupPaths.h"

#include <cstring>

namespace {

// Appends text after the first `used` bytes of out; false when it would not fit.
bool Append(char* out, size_t outSize, size_t& used, const char* text)
{
    size_t length = std::strlen(text);
    if (length >= outSize - used)
        return false;
    std::memcpy(out + used, text, length + 1);
    used += length;
    return true;
}

// Fills out with the parts in order, or leaves it empty when they do not fit.
bool Concatenate(char* out, size_t outSize, const char* const* parts, size_t count)
{
    if (outSize == 0)
        return false;
    out[0] = '\0';
    size_t used = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!Append(out, outSize, used, parts[i])) {
            out[0] = '\0';
            return false;
        }
    }
    return true;
}

// Offset of the last character of text that is a single byte c, or -1.
long LastSingleByte(const char* text, char c)
{
    long found = -1;
    for (long i = 0; text[i] != '\0'; ++i) {
        if (IsLeadByte932(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0')
            ++i;
        else if (text[i] == c)
            found = i;
    }
    return found;
}

bool IsForbiddenInFileName(unsigned char c)
{
    return c < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr;
}

} // namespace

bool IsLeadByte932(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

void DropDanglingLeadByte(char* text)
{
    size_t i = 0;
    while (text[i] != '\0') {
        if (IsLeadByte932(static_cast<unsigned char>(text[i]))) {
            if (text[i + 1] == '\0') {
                text[i] = '\0';
                return;
            }
            ++i;
        }
        ++i;
    }
}

bool IsValidShortcutName(const char* name)
{
    if (name[0] == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return false;
    for (size_t i = 0; name[i] != '\0'; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (IsLeadByte932(c) && name[i + 1] != '\0')
            ++i;
        else if (IsForbiddenInFileName(c))
            return false;
    }
    return true;
}

bool EndsWithBackslash(const char* path)
{
    long last = LastSingleByte(path, '\\');
    return last >= 0 && path[last + 1] == '\0';
}

bool SettingsPathFor(const char* programPath, char* out, size_t outSize)
{
    size_t length = std::strlen(programPath);
    if (length < 3 || length >= outSize) {
        if (outSize > 0)
            out[0] = '\0';
        return false;
    }
    std::memcpy(out, programPath, length - 3);
    std::memcpy(out + length - 3, "INI", 4);
    return true;
}

bool FolderOf(const char* programPath, char* out, size_t outSize)
{
    long last = LastSingleByte(programPath, '\\');
    size_t length = static_cast<size_t>(last + 1);
    if (last < 0 || length >= outSize) {
        if (outSize > 0)
            out[0] = '\0';
        return false;
    }
    std::memcpy(out, programPath, length);
    out[length] = '\0';
    return true;
}

bool ShortcutPathFor(const char* folder, const char* name, char* out, size_t outSize)
{
    const char* separator = EndsWithBackslash(folder) ? "" : "\\";
    const char* const parts[] = {folder, separator, name, ".lnk"};
    return Concatenate(out, outSize, parts, 4);
}

bool TargetPathFor(const char* folder, const char* file, char* out, size_t outSize)
{
    const char* const parts[] = {folder, file};
    return Concatenate(out, outSize, parts, 2);
}
