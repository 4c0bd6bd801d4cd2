#pragma once
#include <cstddef>

// Bytes travel through the clipboard as text: two upper-case hexadecimal
// digits per byte, no separators. Reading accepts any text, pair by pair.

// The length of text up to its NUL, but at most limit: a text that another
// program put on the clipboard need not end inside its block.
size_t TextLength(const char* text, size_t limit);

// Writes the 2 * count digits of the bytes and a NUL after them.
void FormatHexText(const unsigned char* bytes, size_t count, char* text);

// The byte a two-character pair stands for: the low eight bits of what
// strtoul with base 16 makes of the pair, so blanks, signs and other
// characters count the way the C library counts them.
unsigned char PairValue(const char* pair);

// Converts the first count pairs of text into count bytes.
void ParseHexText(const char* text, size_t count, unsigned char* bytes);
