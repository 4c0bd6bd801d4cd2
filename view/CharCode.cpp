#include "view/CharCode.h"

CharCode charCode = ShiftJis;
ByteOrder byteOrder = LittleEndian;

void SetCharCode(unsigned value)
{
    unsigned low = value & 0xFF;
    charCode = low <= Utf8 ? static_cast<CharCode>(low) : Ascii;
}

void SetByteOrder(unsigned value)
{
    unsigned low = value & 0xFF;
    byteOrder = low <= BigEndian ? static_cast<ByteOrder>(low) : LittleEndian;
}

void CycleCharCode()
{
    SetCharCode(charCode < Utf8 ? charCode + 1 : Ascii);
}
