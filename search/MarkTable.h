#pragma once
#include <cstdint>

// The 64 mark slots of the view; an empty slot holds emptyMark.
struct MarkTable {
    static constexpr int slotCount = 64;
    static constexpr uint32_t emptyMark = 0xFFFFFFFF;
    uint32_t slots[slotCount];

    MarkTable() { Clear(); }
    void Clear();
    bool Contains(uint32_t offset) const;
};
