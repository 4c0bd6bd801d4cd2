#pragma once
// Where a dialog goes on the screen: centred on the window it belongs to, and
// off the row that a search or a comparison has just brought the caret to.
// All rectangles are in screen coordinates.
#include <windows.h>

// The dialog, its size kept, with its top left corner moved the shortest way
// into the work area; one larger than the area starts at the area's corner.
RECT KeepInWorkArea(const RECT& dialog, const RECT& workArea);

// The dialog centred on the owner, kept in the work area.
RECT CentreOnOwner(const RECT& dialog, const RECT& owner, const RECT& workArea);

// The dialog as it is unless it covers part of the row; then moved just above
// or just below it, to a side where it fits whole in the work area (the nearer
// one when both do, the roomier one when neither does).
RECT ClearOfRow(const RECT& dialog, const RECT& row, const RECT& workArea);
