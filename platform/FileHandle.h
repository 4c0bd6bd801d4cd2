#pragma once
#include <windows.h>

// A file handle closed when it goes out of scope, so that no failure path of
// a load, save or comparison can leave the file open (and locked: files are
// opened without sharing).
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }
    // Closes now; a written file can still fail here when the system flushes
    // it. The last error is the close's only when it fails.
    bool Close()
    {
        if (!IsOpen())
            return true;
        DWORD error = GetLastError();
        bool closed = CloseHandle(handle) != 0;
        handle = INVALID_HANDLE_VALUE;
        if (closed)
            SetLastError(error);
        return closed;
    }

private:
    HANDLE handle;
};
