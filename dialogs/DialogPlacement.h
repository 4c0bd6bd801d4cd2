#pragma once
// Where a dialog goes on the screen: centred on the window it belongs to, and
// off the row that a search or a comparison has just brought the caret to.
// All rectangles are in screen coordinates.
#include <windows.h>

// The dialog centred on the owner, moved the shortest way into the work area
// where that would leave part of it outside; one larger than the area starts
// at the area's corner.
RECT CentreOnOwner(const RECT& dialog, const RECT& owner, const RECT& workArea);

// The dialog as it is unless it covers part of the row; then moved just above
// or just below it, to a side where it fits whole in the work area (the nearer
// one when both do, the roomier one, kept in the area, when neither does).
RECT ClearOfRow(const RECT& dialog, const RECT& row, const RECT& workArea);
