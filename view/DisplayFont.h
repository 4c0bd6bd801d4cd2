#pragma once
#include <windows.h>

// The logical font the view asks for: a fixed-pitch Shift-JIS font of the
// given point size at the given vertical dpi.
LOGFONTA DisplayFontDescription(const char* faceName, int points, bool bold, bool italic, int dpi);
// The point size of a font height in logical units, the inverse of the description.
int PointSizeOfHeight(LONG height, int dpi);
