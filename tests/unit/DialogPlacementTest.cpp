#include <gtest/gtest.h>

#include <ostream>

#include "dialogs/DialogPlacement.h"

static bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

// The end-to-end tests have one screen and cannot leave the dialog without
// room on either side; here the monitor lies left of the primary one, with a
// taskbar along its bottom.
const RECT workArea = {-1280, 0, 0, 984};

TEST(DialogPlacement, OffTheCaretRowToTheSideWithRoom)
{
    const RECT dialog = {-800, 300, -500, 500};
    const RECT cases[][3] = {
        // dialog, row, placed dialog
        // Touching the row or beside it: as it is.
        {dialog, {-1200, 500, -600, 516}, dialog},
        {dialog, {-1200, 400, -801, 416}, dialog},
        // Room on both sides: the shorter move.
        {dialog, {-1200, 350, -600, 366}, {-800, 366, -500, 566}},
        {dialog, {-1200, 450, -600, 466}, {-800, 250, -500, 450}},
        // Room on one side only.
        {{-800, 700, -500, 900}, {-1200, 850, -600, 866}, {-800, 650, -500, 850}},
        // Room on neither: the roomier side, kept on the screen.
        {{-800, 0, -500, 900}, {-1200, 400, -600, 416}, {-800, 84, -500, 984}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClearOfRow(c[0], c[1], workArea), c[2]) << c[0] << " over " << c[1];
}
