#include "document/FileStamp.h"

FileStamp FileStamp::Of(const char* path)
{
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA found;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &found))
        return stamp;
    stamp.exists = true;
    stamp.size = (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    stamp.lastWrite = found.ftLastWriteTime;
    return stamp;
}

bool FileStamp::operator==(const FileStamp& other) const
{
    return exists == other.exists && size == other.size && CompareFileTime(&lastWrite, &other.lastWrite) == 0;
}
