#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "view/DisplayColors.h"
#include "view/DisplayFont.h"

// Value formats of the settings file, apart from the profile calls that read
// and write them. Colours are RRGGBB in the file and COLORREF in memory.

// Exchanges the red and blue bytes and drops the top byte; its own inverse.
COLORREF SwapRedBlue(DWORD color);

// The colour whose RRGGBB digits start at the character position; reading
// stops at the first non-hexadecimal character, and a position at or past the
// end of the value gives black.
COLORREF ReadColorField(const char* value, size_t position);
// Three colours at positions 0, 7 and 14, as "RRGGBB,RRGGBB,RRGGBB".
std::array<COLORREF, 3> ReadColorTriple(const char* value);
std::string FormatColor(COLORREF color);
std::string FormatColorTriple(const std::array<COLORREF, 3>& colors);

// Coloring rule index from its fixed ten-character entry "BB,RRGGBB,".
ColoringRule ReadColoringRule(const char* value, int index);
// The five rules, "--" for inactive ones, without a trailing comma.
std::string FormatColoring(const ColoringRule (&rules)[5]);

// The keypad key named exactly (case-sensitive) by the value, or 0.
WORD NumpadKeyFromName(const char* name);
// The name of a keypad key, or an empty text for 0 or any other key.
const char* NumpadKeyName(WORD vk);

// Only the low eight bits count; anything above 2 there means text search.
unsigned char FindModeFromSetting(unsigned value);

// A stored display font size outside the sizes the view offers (0 and
// negative ones included) means the default, 14 points.
constexpr int DefaultFontSize = 14;
int FontSizeFromSetting(int points);

// The folder, a backslash unless it already ends with one, and "CALC.EXE",
// cut to at most 259 bytes without splitting a double-byte character.
std::string DefaultCalculatorPath(const char* folder);
