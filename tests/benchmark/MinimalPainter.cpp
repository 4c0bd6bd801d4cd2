#include "tests/benchmark/MinimalPainter.h"

void PaintMinimalRows(HDC dc, int rows, int lineHeight)
{
    static const char row[] = "00000010  41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50  ABCDEFGHIJKLMNOP";
    for (int i = 0; i < rows; ++i)
        TextOutA(dc, 0, i * lineHeight, row, sizeof row - 1);
}
