#pragma once
#include <cstdint>

#include "document/ByteBuffer.h"

enum UndoKind : unsigned char { None = 0, Deleted = 1, Inserted = 2, Overwritten = 3, Extended = 4 };

// One step of the undo stack: what changed where, and the bytes needed to take
// it back. A step of a few bytes keeps them in the record itself, so that a
// long run of typed bytes costs no heap block per byte.
class UndoRecord {
public:
    UndoRecord() = default;
    ~UndoRecord();
    UndoRecord(UndoRecord&& other) noexcept;
    UndoRecord& operator=(UndoRecord&& other) noexcept;
    UndoRecord(const UndoRecord&) = delete;
    UndoRecord& operator=(const UndoRecord&) = delete;

    UndoKind kind = None;
    uint32_t position = 0;

    // Records a step of len bytes at position. Deleted, Overwritten and
    // Extended save the len bytes that source holds at position (none when
    // source is null); Inserted keeps only the length. False, with the record
    // cleared, when the bytes cannot be saved.
    bool Set(UndoKind newKind, uint32_t newPosition, uint32_t len, const unsigned char* source);
    // Puts the data back as it was before the step. False, with the data
    // unchanged, when the data cannot grow back to its old size.
    bool Apply(ByteBuffer& data) const;
    // Where the caret goes after the step is taken back.
    uint32_t CaretAfterUndo() const { return kind == None ? 0 : position; }
    uint32_t Length() const { return length; }

private:
    static constexpr uint32_t inlineCapacity = sizeof(unsigned char*);
    static bool SavesBytes(UndoKind kind) { return kind != None && kind != Inserted; }
    bool HasBlock() const { return SavesBytes(kind) && length > inlineCapacity; }
    const unsigned char* Saved() const { return HasBlock() ? saved.block : saved.bytes; }
    unsigned char* Saved() { return HasBlock() ? saved.block : saved.bytes; }
    void Clear();

    uint32_t length = 0;
    union {
        unsigned char* block;
        unsigned char bytes[inlineCapacity];
    } saved = {};
};
