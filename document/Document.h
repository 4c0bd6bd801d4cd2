#pragma once
#include <windows.h>

#include <vector>

#include "document/ByteBuffer.h"
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
    FrameWindow* frame = nullptr;

    const char* FileName() const { return fileName; }
    bool IsUntitled() const;
    void SetModified(bool flag);
    void ToggleReadOnly() { readOnly = !readOnly; }
    // Asks about unsaved changes and empties the document; false when cancelled.
    bool Reset();
    // IDNO without asking when nothing changed; IDYES runs Save first.
    int ConfirmSave();
    void ClearUndo();

    // Loading and saving the whole file; both tell the user why they failed.
    bool Load(const char* path);
    bool Save(const char* path);

private:
    void SetFileName(const char* path);
    bool ReadFileInto(HANDLE file);
    void RefuseLoad(const char* message, DWORD errorCode);
    bool WriteFileFrom();
};

extern const char untitledName[];
// Why a file could not be read; the system's reason follows.
extern const char cannotOpenMessage[];
extern const char cannotReadMessage[];
