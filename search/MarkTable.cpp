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
