#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "settings/OnScreenPlacement.h"

namespace {

// Side by side; the right one is lower and has a taskbar along its top.
const std::vector<RECT> twoMonitors = {{0, 0, 1024, 738}, {1024, 130, 2944, 1200}};

} // namespace

static bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

TEST(OnScreenPlacement, RectanglesCoveringAnyWorkAreaStayAsTheyAre)
{
    for (RECT rect : {RECT{10, 20, 570, 420}, RECT{-500, -300, 1, 1}, RECT{2900, 1100, 9000, 9000},
                      RECT{-5000, -5000, 5000, 5000}})
        EXPECT_EQ(KeepOnWorkAreas(rect, twoMonitors), rect);
    // A rectangle in the taskbar's strip covers no work area.
    EXPECT_EQ(KeepOnWorkAreas({1500, 0, 2000, 100}, twoMonitors), (RECT{1500, 130, 2000, 230}));
    EXPECT_EQ(KeepOnWorkAreas({99999, 99999, 100559, 100399}, {}), (RECT{99999, 99999, 100559, 100399}));
}

TEST(OnScreenPlacement, OffScreenRectanglesMoveTheShortestWayIntoTheNearestArea)
{
    EXPECT_EQ(KeepOnWorkAreas({-900, 100, -340, 500}, twoMonitors), (RECT{0, 100, 560, 500}));
    EXPECT_EQ(KeepOnWorkAreas({3500, 300, 4060, 700}, twoMonitors), (RECT{2384, 300, 2944, 700}));
    // Below the left monitor, 162 pixels away, and 364 pixels left of the right one.
    EXPECT_EQ(KeepOnWorkAreas({100, 900, 660, 1300}, twoMonitors), (RECT{100, 338, 660, 738}));
    EXPECT_EQ(KeepOnWorkAreas({100, 5000, 660, 5400}, twoMonitors), (RECT{1024, 800, 1584, 1200}));
    // Too large for the nearest area: cut to its size.
    EXPECT_EQ(KeepOnWorkAreas({5000, 200, 8000, 3000}, twoMonitors), (RECT{1024, 130, 2944, 1200}));
}

TEST(OnScreenPlacement, StoredNumbersAtTheEndsOfTheRangeDoNotOverflow)
{
    const RECT edges = StoredRestoredRect(INT_MAX, INT_MIN, 560, -400);
    EXPECT_EQ(edges, (RECT{INT_MAX, INT_MIN, INT_MAX, INT_MIN}));
    EXPECT_EQ(KeepOnWorkAreas(edges, twoMonitors), (RECT{2944, 130, 2944, 130}));
    EXPECT_EQ(KeepOnWorkAreas(StoredRestoredRect(INT_MIN, 0, INT_MAX, 400), twoMonitors), (RECT{0, 0, 1024, 400}));
    EXPECT_EQ(StoredRestoredRect(10, 20, 560, 400), (RECT{10, 20, 570, 420}));
}
