#include "dialogs/DialogPlacement.h"

#include "platform/ScreenAreas.h"

namespace {

bool Covers(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom && b.left < b.right &&
           b.top < b.bottom;
}

RECT MovedTo(const RECT& rect, LONG left, LONG top)
{
    return {left, top, left + (rect.right - rect.left), top + (rect.bottom - rect.top)};
}

// The size is kept: only the top left corner has to be reachable.
RECT KeepInWorkArea(const RECT& dialog, const RECT& workArea)
{
    const RECT inside = MoveIntoArea(dialog, workArea);
    return MovedTo(dialog, inside.left, inside.top);
}

} // namespace

RECT CentreOnOwner(const RECT& dialog, const RECT& owner, const RECT& workArea)
{
    const LONG left = owner.left + ((owner.right - owner.left) - (dialog.right - dialog.left)) / 2;
    const LONG top = owner.top + ((owner.bottom - owner.top) - (dialog.bottom - dialog.top)) / 2;
    return KeepInWorkArea(MovedTo(dialog, left, top), workArea);
}

RECT ClearOfRow(const RECT& dialog, const RECT& row, const RECT& workArea)
{
    if (!Covers(dialog, row))
        return dialog;
    const LONG height = dialog.bottom - dialog.top;
    const LONG roomAbove = row.top - workArea.top;
    const LONG roomBelow = workArea.bottom - row.bottom;
    const RECT above = MovedTo(dialog, dialog.left, row.top - height);
    const RECT below = MovedTo(dialog, dialog.left, row.bottom);
    bool goAbove;
    if (roomAbove >= height && roomBelow >= height)
        goAbove = dialog.bottom - row.top <= row.bottom - dialog.top;
    else if (roomAbove >= height || roomBelow >= height)
        goAbove = roomAbove >= height;
    else
        goAbove = roomAbove > roomBelow;
    return KeepInWorkArea(goAbove ? above : below, workArea);
}
