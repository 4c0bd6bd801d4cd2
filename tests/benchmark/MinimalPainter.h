#pragma once
#include <windows.h>

// What the platform needs at least for a full screen of rows: one call per
// row of 74 characters, the width of the editor's rows.
void PaintMinimalRows(HDC dc, int rows, int lineHeight);
