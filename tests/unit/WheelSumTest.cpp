#include <gtest/gtest.h>

#include <vector>

#include "view/WheelSum.h"

// Runs of wheel deltas and the whole notches each message completes.
TEST(WheelSum, CountsWholeNotchesOfTheRunningSum)
{
    const std::vector<short> fifteenSmallDown(15, -8);
    const std::vector<short> fiveSmallUp(5, 24);
    std::vector<short> touchpadDownAndBack = fifteenSmallDown;
    touchpadDownAndBack.insert(touchpadDownAndBack.end(), fiveSmallUp.begin(), fiveSmallUp.end());
    std::vector<int> oneNotchDownAndBack(20, 0);
    oneNotchDownAndBack[14] = -1;
    oneNotchDownAndBack[19] = 1;
    const struct {
        const char* name;
        std::vector<short> deltas;
        std::vector<int> notches;
    } cases[] = {
        {"plain wheel", {-120, -120, 120, 120}, {-1, -1, 1, 1}},
        {"two notches in one message", {240, -240, 240}, {2, -2, 2}},
        {"touchpad: fifteen times -8, then five times +24", touchpadDownAndBack, oneNotchDownAndBack},
        {"the remainder is kept", {-30, -100, -50, -60, 50, 120}, {0, -1, 0, -1, 0, 1}},
        {"a turn drops the remainder", {-100, 30, 90, -20, -100, 119, 1}, {0, 0, 1, 0, -1, 0, 1}},
    };
    for (const auto& c : cases) {
        WheelSum wheel;
        std::vector<int> notches;
        for (short delta : c.deltas)
            notches.push_back(wheel.Add(delta));
        EXPECT_EQ(notches, c.notches) << c.name;
    }
}
