#include "view/DisplayMetrics.h"

DisplayMetrics displayMetrics;

void DisplayMetrics::MeasureFromAddressText(int width, int height)
{
    charWidth = width / 8;
    lineHeight = height;
    headerHeight = height;
    hexLeft = width + charWidth;
    textLeft = hexLeft + charWidth * (3 * bytesPerRow + 1);
}

void DisplayMetrics::FitRows(int clientHeight)
{
    int rows = clientHeight / lineHeight - 1;
    visibleRows = static_cast<uint16_t>(rows <= 1 ? 1 : rows);
}

int DisplayMetrics::RowContentRight() const
{
    return textLeft + charWidth * (bytesPerRow + 1) + lineHeight;
}
