#pragma once
#include <string>

#include "view/CharCode.h"

// The three forms a search text can take, as the find dialog and the
// settings file number them.
enum FindMode : unsigned char { FindModeText = 0, FindModeHex = 1, FindModeDecimal = 2 };

// The bytes a search looks for; never holds a terminator.
using SearchPattern = std::string;

// The text's bytes in the character code: Shift-JIS converted to EUC, UCS-2
// (always low byte first) or UTF-8; ASCII and Shift-JIS take the bytes as they are.
SearchPattern MakeTextPattern(const char* text, CharCode code);
// Each UTF-16 unit encoded by itself, so a surrogate pair gives two three-byte sequences.
std::string EncodeUnitsAsUtf8(const std::wstring& units);

// Digit pairs from the left; an odd last digit is the high nibble of a last byte.
// False when a character is not a hexadecimal digit.
bool MakeHexPattern(const char* text, SearchPattern& pattern);
// The number in the fewest bytes that hold it (values beyond 32 bits count as
// FFFFFFFF), least significant first unless the order is big endian.
// False when a character is not a decimal digit.
bool MakeDecimalPattern(const char* text, ByteOrder order, SearchPattern& pattern);

// The pattern of a non-empty text in the mode; false when a number is invalid.
bool MakeSearchPattern(const char* text, unsigned char mode, CharCode code, ByteOrder order, SearchPattern& pattern);
