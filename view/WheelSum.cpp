#include "view/WheelSum.h"

#include <windows.h>

int WheelSum::Add(short delta)
{
    if ((delta < 0 && sum > 0) || (delta > 0 && sum < 0))
        sum = 0;
    sum += delta;
    const int notches = sum / WHEEL_DELTA;
    sum -= notches * WHEEL_DELTA;
    return notches;
}
