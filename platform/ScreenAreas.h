#pragma once
// Rectangles on the screens' work areas, in workspace coordinates (those of
// the window placement).
#include <windows.h>

#include <vector>

// The rectangle moved the shortest way into the area, its size cut to fit.
RECT MoveIntoArea(const RECT& rect, const RECT& area);

// The work areas of all monitors.
std::vector<RECT> MonitorWorkAreas();
