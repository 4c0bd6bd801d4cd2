#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "settings/OnScreenPlacement.h"

static bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

// The end-to-end SettingsTest has one screen; here are two side by side, the
// right one lower and with a taskbar along its top.
TEST(OnScreenPlacement, OffScreenRectanglesMoveTheShortestWayIntoTheNearestArea)
{
    const std::vector<RECT> twoMonitors = {{0, 0, 1024, 738}, {1024, 130, 2944, 1200}};
    const SIZE least = {112, 27};
    const RECT cases[][2] = {
        // Covering any work area, by one pixel too: as it is.
        {{2900, 1100, 9000, 9000}, {2900, 1100, 9000, 9000}},
        {{-500, -300, 1, 1}, {-500, -300, 1, 1}},
        // In the taskbar's strip, which is no work area.
        {{1500, 0, 2000, 100}, {1500, 130, 2000, 230}},
        {{3500, 300, 4060, 700}, {2384, 300, 2944, 700}},
        // Below the left monitor, 162 pixels away, and 364 pixels left of the right one.
        {{100, 900, 660, 1300}, {100, 338, 660, 738}},
        {{100, 5000, 660, 5400}, {1024, 800, 1584, 1200}},
        // Too large for the nearest area: cut to its size.
        {{5000, 200, 8000, 3000}, {1024, 130, 2944, 1200}},
        // Stored numbers at the ends of the range do not overflow, and a size
        // below the least the system gives a window is taken as that least.
        {StoredRestoredRect(INT_MAX, INT_MIN, 560, -400, least), {2384, 130, 2944, 157}},
        {StoredRestoredRect(INT_MAX, 0, 0, 0, least), {2832, 130, 2944, 157}},
        {StoredRestoredRect(INT_MIN, 0, INT_MAX, 400, least), {0, 0, 1024, 400}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepOnWorkAreas(c[0], twoMonitors), c[1]) << c[0];
    EXPECT_EQ(StoredRestoredRect(INT_MAX, INT_MIN, 560, -400, least), (RECT{INT_MAX - 560, INT_MIN, INT_MAX, INT_MIN + 27}));
    EXPECT_EQ(KeepOnWorkAreas({99999, 99999, 100559, 100399}, {}), (RECT{99999, 99999, 100559, 100399}));
}
