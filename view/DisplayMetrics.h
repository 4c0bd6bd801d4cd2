#pragma once
#include <cstdint>

// Pixel geometry shared by painting, hit testing and scrolling; derived from
// the display font whenever it changes.
struct DisplayMetrics {
    uint16_t bytesPerRow = 16;
    int charWidth = 1;
    int lineHeight = 1;
    int headerHeight = 1;
    int hexLeft = 9;
    int textLeft = 9 + 49;
    uint16_t visibleRows = 1;

    // Width and height of the text "00000000" in the display font.
    void MeasureFromAddressText(int width, int height);
    // Whole rows that fit below the header in a client area of this height.
    void FitRows(int clientHeight);
    // Right of this edge every row shows only its background: it lies past the
    // character column, a double-width character begun in its last cell, and
    // a line height of room for ink leaning beyond that.
    int RowContentRight() const;
};

extern DisplayMetrics displayMetrics;
