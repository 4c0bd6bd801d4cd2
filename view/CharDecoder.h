#pragma once
#include <windows.h>

#include <cstdint>

#include "view/CharCode.h"

// What one character cell of the view shows.
struct DecodedCell {
    enum Kind : unsigned char { Nothing, AnsiText, WideUnit };
    Kind kind = Nothing;
    char ansi[3] = {};    // ansiLength bytes in the ANSI code page, NUL-terminated
    int ansiLength = 0;
    wchar_t unit = 0;     // for WideUnit
};

// The bytes the character column decodes.
struct ByteView {
    const unsigned char* data;
    uint32_t size;
};

// Decodes the cell of the byte at p. skipNextCell carries a two-byte Shift-JIS
// or EUC character from its first cell to the next; procUnicode draws UCS-2 and
// UTF-8 as Unicode instead of converting them to the ANSI code page.
DecodedCell DecodeCell(CharCode code, ByteView bytes, uint32_t p, BOOL& skipNextCell, bool procUnicode);

// Whether a row starting at pos starts on the second byte of a two-byte character.
BOOL ShiftJisStartState(ByteView bytes, uint32_t pos);
BOOL EucStartState(ByteView bytes, uint32_t pos);

// The cells whose text can change when the byte at p changes: a cell before
// it that reads it as part of its character, and for Shift-JIS and EUC the
// cells after it up to the first byte that starts no two-byte character,
// after which the decoding is in step again.
struct CellSpan {
    uint32_t first;
    uint32_t last;
};
CellSpan CellsReadingByte(CharCode code, ByteView bytes, uint32_t p);

// JIS X 0208 code (high byte first) to Shift-JIS; 0 for codes outside the 94 x 94 table.
uint16_t JisToShiftJis(uint16_t jis);
