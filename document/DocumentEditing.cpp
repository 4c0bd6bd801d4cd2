// The editing primitives and the undo stack. Each primitive gets all the
// memory it needs before it changes anything, so a refused edit leaves the
// bytes, the stack and the modified flag as they were.
#include <new>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "resources/resource.h"

namespace {

const char noMemoryMessage[] = "メモリが足りないため、この操作を実行できません。";

} // namespace

bool Document::RefuseForMemory()
{
    if (frame)
        frame->ShowMessage(nullptr, noMemoryMessage, MB_ICONHAND);
    return false;
}

// One free slot on the stack, so that adding the record cannot fail after the
// bytes have changed. The stack grows geometrically: a push is O(1) amortised.
bool Document::MakeRoomForUndo()
{
    if (undoRecords.size() < undoRecords.capacity())
        return true;
    try {
        undoRecords.reserve(undoRecords.capacity() < 16 ? 16 : undoRecords.capacity() * 2);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void Document::AddUndo(UndoRecord&& record)
{
    // An edit made below the saved depth leaves the saved state out of reach of undo.
    if (undoRecords.size() < savedDepth)
        savedDepth = unreachableDepth;
    undoRecords.push_back(std::move(record));
    if (frame)
        frame->EnableCommand(ID_EDIT_UNDO, true);
}

void Document::RewriteRecordedByte(uint32_t position, unsigned char value)
{
    data[position] = value;
    // The stack does not move, so undoing down to the saved depth would no
    // longer give back the saved bytes.
    if (undoRecords.size() <= savedDepth)
        savedDepth = unreachableDepth;
}

void Document::MarkSaved()
{
    savedDepth = undoRecords.size();
    SetModified(false);
}

void Document::MarkUnsaved()
{
    savedDepth = unreachableDepth;
    SetModified(true);
}

void Document::ClearUndo()
{
    undoRecords.clear();
    undoRecords.shrink_to_fit();
    savedDepth = 0;
    if (frame)
        frame->EnableCommand(ID_EDIT_UNDO, false);
}

bool Document::TryPushUndo(UndoKind kind, uint32_t position, uint32_t len)
{
    UndoRecord record;
    if (!MakeRoomForUndo() || !record.Set(kind, position, len, data))
        return false;
    AddUndo(std::move(record));
    return true;
}

bool Document::PushUndo(UndoKind kind, uint32_t position, uint32_t len)
{
    return TryPushUndo(kind, position, len) || RefuseForMemory();
}

bool Document::DeleteBytes(uint32_t position, uint32_t len)
{
    if (len > size - position)
        len = size - position;
    if (!PushUndo(Deleted, position, len))
        return false;
    Erase(position, len);
    return true;
}

bool Document::TryInsertBytes(uint32_t position, uint32_t len)
{
    UndoRecord record;
    record.Set(Inserted, position, len, nullptr);
    if (!MakeRoomForUndo() || !InsertZeros(position, len))
        return false;
    AddUndo(std::move(record));
    return true;
}

bool Document::InsertBytes(uint32_t position, uint32_t len)
{
    return TryInsertBytes(position, len) || RefuseForMemory();
}

// Saves the old tail from position and grows the data to position + len;
// the grown bytes are undefined until the caller writes them.
bool Document::TryExtendBytes(uint32_t position, uint32_t len)
{
    if (len > UINT32_MAX - position)
        return false;
    UndoRecord record;
    if (!MakeRoomForUndo() || !record.Set(Extended, position, size - position, data) || !Resize(position + len))
        return false;
    AddUndo(std::move(record));
    return true;
}

bool Document::MakeRoomToWrite(uint32_t position, uint32_t len, bool insert)
{
    if (insert)
        return TryInsertBytes(position, len);
    if (len <= size - position)
        return TryPushUndo(Overwritten, position, len);
    return TryExtendBytes(position, len);
}

bool Document::Undo(uint32_t& position)
{
    if (undoRecords.empty())
        return false;
    const UndoRecord& newest = undoRecords.back();
    if (!newest.Apply(*this))
        return RefuseForMemory();
    position = newest.CaretAfterUndo();
    undoRecords.pop_back();
    if (undoRecords.empty()) {
        undoRecords.shrink_to_fit();
        if (frame)
            frame->EnableCommand(ID_EDIT_UNDO, false);
    }
    SetModified(undoRecords.size() != savedDepth);
    return true;
}
