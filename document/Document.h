#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "document/ByteBuffer.h"
#include "document/FileStamp.h"
#include "document/UndoRecord.h"

class FrameWindow;

// The one file being edited. It reports its own state changes to the frame;
// with no frame attached (at start-up, in tests) it touches no user interface.
class Document : public ByteBuffer {
public:
    Document();

    char fileName[MAX_PATH] = {};
    BOOL modified = FALSE;
    BOOL readOnly = FALSE;
    std::vector<UndoRecord> undoRecords;
    // The stack depth at which the bytes equal the file, or unreachableDepth.
    size_t savedDepth = 0;
    // The file as this document last read or wrote it, to notice another
    // program's writes before a save overwrites them.
    FileStamp diskStamp;
    FrameWindow* frame = nullptr;

    const char* FileName() const { return fileName; }
    bool IsUntitled() const;
    void SetModified(bool flag);
    void ToggleReadOnly() { readOnly = !readOnly; }
    // Asks about unsaved changes and empties the document; false when cancelled.
    bool Reset();
    // IDNO without asking when nothing changed; IDYES runs Save first, and
    // turns into IDCANCEL when the changes were not saved after all.
    int ConfirmSave();
    void ClearUndo();

    // Editing primitives: each records its undo step before it changes the
    // bytes. When memory runs out they tell the user and return false, having
    // changed no byte and recorded nothing.
    bool PushUndo(UndoKind kind, uint32_t position, uint32_t len);
    bool DeleteBytes(uint32_t position, uint32_t len);
    bool InsertBytes(uint32_t position, uint32_t len);
    // Room for len bytes to be written at position, recorded as one step:
    // zero bytes inserted, or the old bytes saved for overwriting, the data
    // growing past its end when the new ones run over it. Quiet when memory
    // runs out, for callers that must tell the user later.
    bool MakeRoomToWrite(uint32_t position, uint32_t len, bool insert);
    // Changes a byte that the newest step already restores, recording nothing.
    void RewriteRecordedByte(uint32_t position, unsigned char value);
    // Takes back the newest step; position receives where it happened.
    bool Undo(uint32_t& position);

    // The clipboard carries bytes as hexadecimal text. Both operations tell
    // the user why they failed, having changed nothing.
    bool CopyToClipboard(uint32_t position, uint32_t len);
    // Writes the bytes of the clipboard's text at position, inserted or over
    // the old ones as the frame's insert mode says. No text writes nothing.
    bool PasteFromClipboard(uint32_t position);
    // The bytes the first length characters of text describe, written at
    // position as one step; quiet like MakeRoomToWrite.
    bool PasteText(uint32_t position, const char* text, size_t length, bool insert);

    // Loading and saving the whole file; both tell the user why they failed.
    // A save that fails leaves the document's name as it was.
    bool Load(const char* path);
    bool Save(const char* path);

private:
    static constexpr size_t unreachableDepth = SIZE_MAX;
    bool MakeRoomForUndo();
    void AddUndo(UndoRecord&& record);
    bool RefuseForMemory();
    bool RefuseClipboard();
    HWND ClipboardOwner() const;
    // The primitives without the message.
    bool TryPushUndo(UndoKind kind, uint32_t position, uint32_t len);
    bool TryInsertBytes(uint32_t position, uint32_t len);
    bool TryExtendBytes(uint32_t position, uint32_t len);
    // After a save the bytes equal the file at the current depth.
    void MarkSaved();
    // After a save that failed in writing no depth is known to equal the
    // file: the document counts as modified until a save succeeds.
    void MarkUnsaved();
    void SetFileName(const char* path);
    // Empty, untitled and tied to no file.
    void BecomeUntitled();
    bool ReadFileInto(HANDLE file);
    void RefuseLoad(const char* message, DWORD errorCode);
    // An error message, and a Yes/No question that only Yes answers.
    void Tell(const char* message, DWORD errorCode) const;
    bool Agrees(const char* question) const;
    bool MayOverwrite(const char* path) const;
    bool WriteWithBackup(const char* path, bool exists);
    void TellPartlyWritten(const char* backupPath, DWORD error) const;
};

extern const char untitledName[];
// Why a file could not be read; the system's reason follows.
extern const char cannotOpenMessage[];
extern const char cannotReadMessage[];
