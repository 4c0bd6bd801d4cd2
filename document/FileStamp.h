#pragma once
#include <windows.h>

// What tells one version of a file from another without reading it: its size
// and last-write time. A file that cannot be looked at has no stamp.
struct FileStamp {
    bool exists = false;
    ULONGLONG size = 0;
    FILETIME lastWrite = {};

    static FileStamp Of(const char* path);
    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};
