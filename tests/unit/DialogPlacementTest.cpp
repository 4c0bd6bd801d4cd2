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

// A second monitor left of the primary one, with a taskbar along its bottom.
const RECT workArea = {-1280, 0, 0, 984};

TEST(DialogPlacement, CentredOnTheOwnerAndKeptWholeInTheWorkArea)
{
    const RECT dialog = {0, 0, 300, 200};
    const RECT cases[][2] = {
        // owner, placed dialog
        {{-1000, 100, -400, 500}, {-850, 200, -550, 400}},
        {{-1001, 101, -400, 500}, {-851, 200, -551, 400}},
        // An owner smaller than the dialog.
        {{-700, 400, -600, 450}, {-800, 325, -500, 525}},
        // Owners hanging over each edge.
        {{-1400, 300, -1200, 500}, {-1280, 300, -980, 500}},
        {{-100, 300, 200, 500}, {-300, 300, 0, 500}},
        {{-900, -150, -700, 50}, {-950, 0, -650, 200}},
        {{-900, 900, -700, 1100}, {-950, 784, -650, 984}},
        // Maximised on the other monitor.
        {{0, 0, 1920, 1080}, {-300, 440, 0, 640}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentreOnOwner(dialog, c[0], workArea), c[1]) << c[0];
    // Larger than the work area: its top left corner stays reachable.
    EXPECT_EQ(CentreOnOwner({0, 0, 1400, 1000}, {-1000, 100, -400, 500}, workArea), (RECT{-1280, 0, 120, 1000}));
}

TEST(DialogPlacement, OffTheCaretRowToTheSideWithRoom)
{
    const RECT cases[][3] = {
        // dialog, row, placed dialog
        // Clear of the row already, or touching it: as it is.
        {{-800, 300, -500, 500}, {-1200, 500, -600, 516}, {-800, 300, -500, 500}},
        {{-800, 300, -500, 500}, {-1200, 284, -600, 300}, {-800, 300, -500, 500}},
        {{-800, 300, -500, 500}, {-1200, 400, -801, 416}, {-800, 300, -500, 500}},
        {{-800, 300, -500, 500}, {}, {-800, 300, -500, 500}},
        // Room on both sides: the shorter move.
        {{-800, 300, -500, 500}, {-1200, 350, -600, 366}, {-800, 366, -500, 566}},
        {{-800, 300, -500, 500}, {-1200, 450, -600, 466}, {-800, 250, -500, 450}},
        // Room on one side only.
        {{-800, 100, -500, 300}, {-1200, 150, -600, 166}, {-800, 166, -500, 366}},
        {{-800, 700, -500, 900}, {-1200, 850, -600, 866}, {-800, 650, -500, 850}},
        // Room on neither: the roomier side, kept on the screen.
        {{-800, 0, -500, 900}, {-1200, 400, -600, 416}, {-800, 84, -500, 984}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClearOfRow(c[0], c[1], workArea), c[2]) << c[0] << " over " << c[1];
}
