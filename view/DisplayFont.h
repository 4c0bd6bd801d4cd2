#pragma once
#include <windows.h>

// The point sizes the view offers: each comes back unchanged through the font
// height at 72 dpi and more, so a stored size reads back as it was written.
constexpr int MinFontPoints = 1;
constexpr int MaxFontPoints = 999;

// The logical font the view asks for: a fixed-pitch Shift-JIS font of the
// given point size at the given vertical dpi.
LOGFONTA DisplayFontDescription(const char* faceName, int points, bool bold, bool italic, int dpi);
// The point size of a font height in logical units, the inverse of the description.
int PointSizeOfHeight(LONG height, int dpi);
// The height of a font of the point size at the dpi, as the description asks for it.
LONG HeightOfPointSize(int points, int dpi);
