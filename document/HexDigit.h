#pragma once

// 0-15 for a hexadecimal digit in either case, -1 for any other character.
// Typing, pasting, finding and jumping all read digits this one way.
constexpr int HexDigitValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
