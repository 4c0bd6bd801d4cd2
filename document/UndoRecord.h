#pragma once
#include <cstdint>

#include "document/ByteBuffer.h"

enum UndoKind : unsigned char { None = 0, Deleted = 1, Inserted = 2, Overwritten = 3, Extended = 4 };

// One step of the undo stack: what changed where, and the bytes needed to take
// it back. For Inserted, bytes holds no block and its size is the inserted length.
struct UndoRecord {
    ByteBuffer bytes;
    UndoKind kind = None;
    uint32_t position = 0;
};
