// Loading and saving the document whole. A file handle lives only inside one
// load or save; nothing is reported as done unless every byte was moved.
#include "app/FrameWindow.h"
#include "platform/WaitCursor.h"
#include "platform/BlockTransfer.h"
#include "document/Document.h"
#include "platform/FileHandle.h"
#include "document/PathText.h"

namespace {

// Large blocks keep each system call within what every platform version accepts.
const DWORD transferBlock = 64u << 20;

const char tooLargeMessage[] = "ファイルが大きすぎるため開けません。";
const char noMemoryMessage[] = "メモリが足りないため、ファイルを開けません。";
const char cannotSaveMessage[] = "ファイルを保存できませんでした。\r\n";
const char cannotBackUpMessage[] = "バックアップファイルを作成できませんでした。\r\n";

bool ReadWhole(HANDLE file, unsigned char* data, uint32_t size)
{
    return TransferInBlocks(size, transferBlock, [&](uint32_t offset, DWORD length, DWORD& moved) {
        return ReadFile(file, data + offset, length, &moved, nullptr) != 0;
    });
}

// A write that moves nothing without an error is a full disk on some systems.
bool WriteWhole(HANDLE file, const unsigned char* data, uint32_t size)
{
    return TransferInBlocks(size, transferBlock, [&](uint32_t offset, DWORD length, DWORD& moved) {
        if (!WriteFile(file, data + offset, length, &moved, nullptr))
            return false;
        if (moved == 0)
            SetLastError(ERROR_DISK_FULL);
        return true;
    });
}

bool SeekTo(HANDLE file, uint32_t offset)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    return SetFilePointerEx(file, distance, nullptr, FILE_BEGIN) != 0;
}

bool CutAt(HANDLE file, uint32_t offset)
{
    return SeekTo(file, offset) && SetEndOfFile(file);
}

// The file's current length, or UINT32_MAX for one of 4 GiB or more, which
// the data (below 4 GiB) can never outgrow.
bool OldLength(HANDLE file, uint32_t& length)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        return false;
    length = size.QuadPart > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(size.QuadPart);
    return true;
}

// Writes the part beyond the old end first, where a full disk can only strike
// before any old byte is touched; then the file is cut back to its old length.
bool WriteGrowth(HANDLE file, const unsigned char* data, uint32_t oldLength, uint32_t size)
{
    if (SeekTo(file, oldLength) && WriteWhole(file, data + oldLength, size - oldLength))
        return true;
    DWORD error = GetLastError();
    CutAt(file, oldLength);
    SetLastError(error);
    return false;
}

// Replaces the file's content in place, keeping its identity, attributes and
// links. Room for growth is taken before the old bytes are overwritten.
bool WriteInPlace(HANDLE file, const unsigned char* data, uint32_t size)
{
    uint32_t oldLength = 0;
    if (!OldLength(file, oldLength))
        return false;
    uint32_t overwritten = size;
    if (size > oldLength) {
        if (!WriteGrowth(file, data, oldLength, size))
            return false;
        overwritten = oldLength;
    }
    return SeekTo(file, 0) && WriteWhole(file, data, overwritten) && CutAt(file, size);
}

} // namespace

const char cannotOpenMessage[] = "ファイルが開けません。\r\n";
const char cannotReadMessage[] = "ファイルを最後まで読み込めませんでした。\r\n";

bool Document::Load(const char* path)
{
    SetFileName(path);
    FileHandle file(CreateFileA(fileName, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        DWORD error = GetLastError();
        RefuseLoad(cannotOpenMessage, error);
        return false;
    }
    WaitCursor waitCursor;
    if (!ReadFileInto(file.Get()))
        return false;
    if (frame) {
        frame->UpdateTitle();
        readOnly = frame->readOnlyOnLoad;
    }
    return true;
}

bool Document::ReadFileInto(HANDLE file)
{
    DWORD sizeHigh = 0;
    DWORD sizeLow = GetFileSize(file, &sizeHigh);
    if (sizeLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        RefuseLoad(cannotReadMessage, GetLastError());
        return false;
    }
    if (sizeHigh != 0) {
        RefuseLoad(tooLargeMessage, 0);
        return false;
    }
    if (!Resize(sizeLow)) {
        RefuseLoad(noMemoryMessage, 0);
        return false;
    }
    if (size > 0 && !ReadWhole(file, data, size)) {
        DWORD error = GetLastError();
        RefuseLoad(cannotReadMessage, error);
        return false;
    }
    return true;
}

// A failed load leaves an empty, untitled document: keeping the failed path
// would let a later Save overwrite a file whose bytes were never read.
void Document::RefuseLoad(const char* message, DWORD errorCode)
{
    Free();
    SetFileName(untitledName);
    if (frame)
        frame->ShowMessage(nullptr, message, MB_ICONHAND, errorCode);
}

bool Document::Save(const char* path)
{
    SetFileName(path);
    DWORD attributes = GetFileAttributesA(fileName);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) {
        if (!frame || frame->ShowMessage(nullptr, "ファイルが読み取り専用です。属性を解除しますか？", MB_YESNO | MB_ICONEXCLAMATION) ==
            IDNO)
            return false;
        SetFileAttributesA(fileName, attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (exists && frame && frame->backUp && !MakeBackup()) {
        DWORD error = GetLastError();
        // The file stays exactly as it was, read-only attribute included.
        SetFileAttributesA(fileName, attributes);
        frame->ShowMessage(nullptr, cannotBackUpMessage, MB_ICONHAND, error);
        return false;
    }
    WaitCursor waitCursor;
    if (!WriteFileFrom()) {
        if (frame)
            frame->ShowMessage(nullptr, cannotSaveMessage, MB_ICONHAND, GetLastError());
        return false;
    }
    MarkSaved();
    return true;
}

// The user who asked for a backup must never lose the old content without one.
bool Document::MakeBackup() const
{
    PathBuffer backupPath;
    if (!BackupPathFor(fileName, backupPath)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    return CopyFileA(fileName, backupPath, FALSE) != 0;
}

bool Document::WriteFileFrom()
{
    FileHandle file(CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen() && WriteInPlace(file.Get(), data, size) && file.Close();
}
