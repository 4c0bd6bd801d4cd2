#include "search/MarkTable.h"

void MarkTable::Clear()
{
    for (uint32_t& slot : slots)
        slot = emptyMark;
}

bool MarkTable::Contains(uint32_t offset) const
{
    for (uint32_t slot : slots)
        if (slot == offset)
            return true;
    return false;
}

void MarkTable::Toggle(uint32_t offset)
{
    for (uint32_t& slot : slots)
        if (slot == offset) {
            slot = emptyMark;
            return;
        }
    for (uint32_t& slot : slots)
        if (slot == emptyMark) {
            slot = offset;
            return;
        }
}

bool MarkTable::Nearest(uint32_t caret, uint32_t size, bool forward, uint32_t& mark) const
{
    bool found = false;
    for (uint32_t slot : slots) {
        if (slot >= size || slot == caret || (slot > caret) != forward)
            continue;
        if (!found || (forward ? slot < mark : slot > mark))
            mark = slot;
        found = true;
    }
    return found;
}

uint32_t MarkTable::MarkedSum(const unsigned char* data, uint32_t size) const
{
    uint32_t sum = 0;
    for (uint32_t slot : slots)
        if (slot < size)
            sum += data[slot];
    return sum;
}
