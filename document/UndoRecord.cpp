#include "document/UndoRecord.h"

#include <windows.h>

#include <cstring>
#include <utility>

UndoRecord::~UndoRecord()
{
    Clear();
}

UndoRecord::UndoRecord(UndoRecord&& other) noexcept
    : kind(std::exchange(other.kind, None)), position(other.position), length(std::exchange(other.length, 0)),
      saved(other.saved)
{
}

UndoRecord& UndoRecord::operator=(UndoRecord&& other) noexcept
{
    if (this != &other) {
        Clear();
        kind = std::exchange(other.kind, None);
        position = other.position;
        length = std::exchange(other.length, 0);
        saved = other.saved;
    }
    return *this;
}

void UndoRecord::Clear()
{
    if (HasBlock())
        HeapFree(GetProcessHeap(), 0, saved.block);
    kind = None;
    length = 0;
}

bool UndoRecord::Set(UndoKind newKind, uint32_t newPosition, uint32_t len, const unsigned char* source)
{
    Clear();
    bool savesBytes = SavesBytes(newKind);
    if (newKind == None || (savesBytes && !source))
        len = 0;
    if (savesBytes && len > inlineCapacity) {
        saved.block = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, len));
        if (!saved.block)
            return false;
    }
    kind = newKind;
    position = newPosition;
    length = len;
    if (savesBytes && len > 0)
        std::memcpy(Saved(), source + position, len);
    return true;
}

bool UndoRecord::Apply(ByteBuffer& data) const
{
    switch (kind) {
    case Deleted:
        if (!data.OpenGap(position, length))
            return false;
        break;
    case Inserted:
        data.Erase(position, length);
        return true;
    case Extended:
        data.Resize(position + length);
        break;
    default:
        break;
    }
    if (SavesBytes(kind) && length > 0)
        std::memcpy(data.data + position, Saved(), length);
    return true;
}
