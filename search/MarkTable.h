#pragma once
#include <cstdint>

// The 64 mark slots of the view; an empty slot holds emptyMark. The slots are
// unordered and a position occupies at most one. Marks keep their offsets
// when bytes are inserted or deleted; one at or past the end of the data is
// ignored until the data grows past it again.
struct MarkTable {
    static constexpr int slotCount = 64;
    static constexpr uint32_t emptyMark = 0xFFFFFFFF;
    uint32_t slots[slotCount];

    MarkTable() { Clear(); }
    void Clear();
    bool Contains(uint32_t offset) const;
    // Removes the mark at offset, or puts one into the first empty slot;
    // with every slot in use nothing changes.
    void Toggle(uint32_t offset);
    // The nearest mark inside size bytes after (forward) or before the caret.
    bool Nearest(uint32_t caret, uint32_t size, bool forward, uint32_t& mark) const;
    // The sum, wrapping at 32 bits, of the bytes at the marks inside the data.
    uint32_t MarkedSum(const unsigned char* data, uint32_t size) const;
};
