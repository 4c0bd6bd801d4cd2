// Loading and saving the document whole. A file handle lives only inside one
// load or save; nothing is reported as done unless every byte was moved.
#include <string>

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
const char partlyWrittenMessage[] = "ファイルを保存できませんでした。ファイルの内容は一部書き換えられています。\r\n";
const char readOnlyQuestion[] = "ファイルが読み取り専用です。属性を解除しますか？";
const char changedOnDiskQuestion[] = "ファイルは他のプログラムによって変更されています。上書きしますか？";

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

// Runs a clean-up step without losing the error that made it necessary.
template <typename Step>
bool KeepingLastError(Step step)
{
    DWORD error = GetLastError();
    bool done = step();
    SetLastError(error);
    return done;
}

// The file's current length, or UINT32_MAX for one of 4 GiB or more, which
// the data (below 4 GiB) can never outgrow.
bool FileLength(HANDLE file, uint32_t& length)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        return false;
    length = size.QuadPart > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(size.QuadPart);
    return true;
}

// Cuts the file only when it is longer than length: on a full disk even a
// cut to the length a file already has can fail.
bool ShrinkTo(HANDLE file, uint32_t length)
{
    uint32_t current = 0;
    return FileLength(file, current) && (current <= length || (SeekTo(file, length) && SetEndOfFile(file)));
}

// How far a save got; anything short of Written is a failure.
enum class WriteOutcome {
    NotOpened,       // the file was not touched
    OldBytesKept,    // opened, but it holds its old bytes (or, created by the save, is gone again)
    OldBytesChanged, // part of the file was rewritten before the failure
    Written
};

// Writes the part beyond the old end first, so that a failure to grow (most
// often a full disk) leaves the old bytes alone; the file is then cut back to
// its old length.
WriteOutcome WriteGrowth(HANDLE file, const unsigned char* data, uint32_t oldLength, uint32_t size)
{
    if (SeekTo(file, oldLength) && WriteWhole(file, data + oldLength, size - oldLength))
        return WriteOutcome::Written;
    return KeepingLastError([&] { return ShrinkTo(file, oldLength); }) ? WriteOutcome::OldBytesKept
                                                                      : WriteOutcome::OldBytesChanged;
}

// Replaces the file's content in place, keeping its identity, attributes and
// links. Overwriting the old bytes can still fail for want of room, on file
// systems that give a rewritten block new space (copy-on-write, compressed,
// sparse files).
WriteOutcome WriteInPlace(HANDLE file, const unsigned char* data, uint32_t size)
{
    uint32_t oldLength = 0;
    if (!FileLength(file, oldLength))
        return WriteOutcome::OldBytesKept;
    uint32_t overwritten = size;
    if (size > oldLength) {
        WriteOutcome growth = WriteGrowth(file, data, oldLength, size);
        if (growth != WriteOutcome::Written)
            return growth;
        overwritten = oldLength;
    }
    if (!SeekTo(file, 0) || !WriteWhole(file, data, overwritten) || !ShrinkTo(file, size))
        return WriteOutcome::OldBytesChanged;
    return WriteOutcome::Written;
}

// A file this save created goes again when the save fails: a failure leaves
// no file where the user had none.
WriteOutcome WriteFileFrom(const char* path, const unsigned char* data, uint32_t size)
{
    FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return WriteOutcome::NotOpened;
    const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
    WriteOutcome outcome = WriteInPlace(file.Get(), data, size);
    // Closing flushes, and can still fail when every byte was handed over.
    if (outcome == WriteOutcome::Written && !file.Close())
        outcome = WriteOutcome::OldBytesChanged;
    if (outcome == WriteOutcome::Written || !created)
        return outcome;
    KeepingLastError([&] {
        file.Close();
        return DeleteFileA(path);
    });
    return WriteOutcome::OldBytesKept;
}

// The user who asked for a backup must never lose the old content without
// one. The copy goes to a temporary file beside it first, so that a copy that
// fails part-way leaves the older backup as it was.
bool MakeBackup(const char* path, PathBuffer& backupPath)
{
    if (!BackupPathFor(path, backupPath)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    PathBuffer folder, temporary;
    FolderOf(path, folder);
    if (!GetTempFileNameA(folder, "zbk", 0, temporary))
        return false;
    if (CopyFileA(path, temporary, FALSE) && MoveFileExA(temporary, backupPath, MOVEFILE_REPLACE_EXISTING))
        return true;
    KeepingLastError([&] { return DeleteFileA(temporary); });
    return false;
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
    file.Close();
    diskStamp = FileStamp::Of(fileName);
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
    BecomeUntitled();
    Tell(message, errorCode);
}

void Document::Tell(const char* message, DWORD errorCode) const
{
    if (frame)
        frame->ShowMessage(nullptr, message, MB_ICONHAND, errorCode);
}

bool Document::Agrees(const char* question) const
{
    return frame && frame->ShowMessage(nullptr, question, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

// The document takes the new name only once the file holds its bytes.
bool Document::Save(const char* path)
{
    if (!MayOverwrite(path))
        return false;
    const DWORD attributes = GetFileAttributesA(path);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const bool readOnlyFile = exists && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnlyFile) {
        if (!Agrees(readOnlyQuestion))
            return false;
        SetFileAttributesA(path, attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (!WriteWithBackup(path, exists)) {
        // The user let the attribute go for a save that did not happen.
        if (readOnlyFile)
            SetFileAttributesA(path, attributes);
        return false;
    }
    SetFileName(path);
    diskStamp = FileStamp::Of(path);
    MarkSaved();
    return true;
}

// Another program may have written the file since this document last read
// or wrote it. A file deleted meanwhile is simply written again.
bool Document::MayOverwrite(const char* path) const
{
    if (!diskStamp.exists || !SamePathText(path, fileName))
        return true;
    FileStamp now = FileStamp::Of(path);
    return !now.exists || now == diskStamp || Agrees(changedOnDiskQuestion);
}

bool Document::WriteWithBackup(const char* path, bool exists)
{
    PathBuffer backupPath = {};
    if (exists && frame && frame->backUp && !MakeBackup(path, backupPath)) {
        Tell(cannotBackUpMessage, GetLastError());
        return false;
    }
    WaitCursor waitCursor;
    WriteOutcome outcome = WriteFileFrom(path, data, size);
    if (outcome == WriteOutcome::Written)
        return true;
    DWORD error = GetLastError();
    // A failure on the document's own file may have changed it or left none:
    // no undo step may claim the bytes on disk any more. A failed Save As to
    // another name leaves that file as it was.
    if (SamePathText(path, fileName)) {
        // This program, not another, changed the file.
        if (outcome != WriteOutcome::NotOpened)
            diskStamp = FileStamp::Of(path);
        MarkUnsaved();
    }
    if (outcome == WriteOutcome::OldBytesChanged)
        TellPartlyWritten(backupPath, error);
    else
        Tell(cannotSaveMessage, error);
    return false;
}

// The user must not take a failure for "nothing happened": the file is no
// longer what it was, and the backup, when there is one, still is.
void Document::TellPartlyWritten(const char* backupPath, DWORD error) const
{
    std::string text = partlyWrittenMessage;
    if (backupPath[0])
        text += std::string("元の内容はバックアップファイル「") + FileNamePart(backupPath) + "」に残っています。\r\n";
    Tell(text.c_str(), error);
}
