#pragma once
// Keeps the frame on a screen when its stored placement lies off every
// monitor, as one saved while a second monitor was attached does. All
// rectangles are in workspace coordinates, those of the window placement.
#include <windows.h>

#include <vector>

// The restored rectangle the settings store as position and size, at least
// the least size the system gives a window (so that it is placed with the size
// it will really have); one reaching beyond the int range is moved back into it.
RECT StoredRestoredRect(int left, int top, int width, int height, SIZE least);

// The rectangle as it is while it covers part of one of the work areas,
// otherwise moved the shortest way into the nearest one, its size cut to fit.
// No work areas: the rectangle as it is.
RECT KeepOnWorkAreas(const RECT& rect, const std::vector<RECT>& workAreas);
