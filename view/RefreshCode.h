#pragma once

// How much of the view a handler's change needs redrawn. Any value not listed
// here redraws nothing, like RedrawNothing.
enum RefreshCode : unsigned char {
    RedrawAll = 0,
    ScrolledTowardStart = 1,
    ScrolledTowardEnd = 2,
    RedrawRows = 3,
    CaretOnly = 4,
    RedrawNothing = 255,
};
