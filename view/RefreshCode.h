#pragma once

// How much of the view a handler's change needs redrawn. Any value not listed
// here redraws nothing, like RedrawNothing.
enum RefreshCode : unsigned char {
    RedrawAll = 0,
    ScrolledTowardStart = 1,
    ScrolledTowardEnd = 2,
    RedrawRows = 3,
    CaretOnly = 4,
    // The byte at editedByte changed in place; the caret is on its row or the next.
    RedrawEditedByte = 5,
    // A byte was inserted at editedByte: the rows from there down changed.
    RedrawFromEditedByte = 6,
    RedrawNothing = 255,
};
