// Loading and saving the document whole. A file handle lives only inside one
// load or save; nothing is reported as done unless every byte was moved.
#include "app/FrameWindow.h"
#include "app/WaitCursor.h"
#include "document/BlockTransfer.h"
#include "document/Document.h"
#include "document/PathText.h"

namespace {

// Large blocks keep each system call within what every platform version accepts.
const DWORD transferBlock = 64u << 20;

const char tooLargeMessage[] = "ファイルが大きすぎるため開けません。";
const char noMemoryMessage[] = "メモリが足りないため、ファイルを開けません。";
const char cannotSaveMessage[] = "ファイルを保存できませんでした。\r\n";

bool ReadWhole(HANDLE file, unsigned char* data, uint32_t size)
{
    return TransferInBlocks(size, transferBlock, [&](uint32_t offset, DWORD length, DWORD& moved) {
        return ReadFile(file, data + offset, length, &moved, nullptr) != 0;
    });
}

bool WriteWhole(HANDLE file, const unsigned char* data, uint32_t size)
{
    return TransferInBlocks(size, transferBlock, [&](uint32_t offset, DWORD length, DWORD& moved) {
        return WriteFile(file, data + offset, length, &moved, nullptr) != 0;
    });
}

} // namespace

const char cannotOpenMessage[] = "ファイルが開けません。\r\n";
const char cannotReadMessage[] = "ファイルを最後まで読み込めませんでした。\r\n";

bool Document::Load(const char* path)
{
    SetFileName(path);
    HANDLE file = CreateFileA(fileName, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        RefuseLoad(cannotOpenMessage, error);
        return false;
    }
    WaitCursor waitCursor;
    bool loaded = ReadFileInto(file);
    CloseHandle(file);
    if (!loaded)
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
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        if (!frame || frame->ShowMessage(nullptr, "ファイルが読み取り専用です。属性を解除しますか？", MB_YESNO | MB_ICONEXCLAMATION) ==
            IDNO)
            return false;
        SetFileAttributesA(fileName, attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (frame && frame->backUp) {
        PathBuffer backupPath;
        if (BackupPathFor(fileName, backupPath))
            CopyFileA(fileName, backupPath, FALSE);
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

bool Document::WriteFileFrom()
{
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = SetFilePointer(file, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
                   WriteWhole(file, data, size) && SetEndOfFile(file);
    DWORD error = GetLastError();
    bool closed = CloseHandle(file);
    SetLastError(error);
    return written && closed;
}
