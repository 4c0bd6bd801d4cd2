#pragma once

// How the character column decodes bytes, and how the status bar reads
// multi-byte values. Both are process-wide.
enum CharCode : unsigned char { Ascii = 0, ShiftJis = 1, Euc = 2, Ucs2 = 3, Utf8 = 4 };
enum ByteOrder : unsigned char { LittleEndian = 0, BigEndian = 1 };

extern CharCode charCode;
extern ByteOrder byteOrder;

// Only the low eight bits count; an out-of-range value falls back to the first.
void SetCharCode(unsigned value);
void SetByteOrder(unsigned value);
// Moves to the next code, from UTF-8 back to ASCII.
void CycleCharCode();
