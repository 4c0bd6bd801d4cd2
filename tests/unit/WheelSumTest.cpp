#include <gtest/gtest.h>

#include <vector>

#include "view/WheelSum.h"

// Runs of wheel deltas and the whole notches each message completes.
TEST(WheelSum, CountsWholeNotchesOfTheRunningSum)
{
    const struct {
        const char* name;
        std::vector<short> deltas;
        std::vector<int> notches;
    } cases[] = {
        {"plain wheel, two notches at once", {-120, -120, 120, 240, -240}, {-1, -1, 1, 2, -2}},
        {"the remainder is kept", {-30, -100, -50, -60, 50, 120}, {0, -1, 0, -1, 0, 1}},
        {"a turn drops the remainder", {-100, 30, 90, -20, -100}, {0, 0, 1, 0, -1}},
        {"fifteen deltas of -8, then five of +24",
         {-8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, 24, 24, 24, 24, 24},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        WheelSum wheel;
        std::vector<int> notches;
        for (short delta : c.deltas)
            notches.push_back(wheel.Add(delta));
        EXPECT_EQ(notches, c.notches) << c.name;
    }
}
