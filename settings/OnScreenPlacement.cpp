#include "settings/OnScreenPlacement.h"

#include "platform/ScreenAreas.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Distances and sizes can exceed the int range, so they are reckoned wider.
long long Gap(long long start, long long end, long long areaStart, long long areaEnd)
{
    return std::max({areaStart - end, start - areaEnd, 0LL});
}

double Distance(const RECT& rect, const RECT& area)
{
    return std::hypot(static_cast<double>(Gap(rect.left, rect.right, area.left, area.right)),
                      static_cast<double>(Gap(rect.top, rect.bottom, area.top, area.bottom)));
}

bool Overlaps(const RECT& rect, const RECT& area)
{
    return rect.left < area.right && area.left < rect.right && rect.top < area.bottom && area.top < rect.bottom &&
           rect.left < rect.right && rect.top < rect.bottom;
}

// A span of at least the least length whose end stays within the int range.
void SpanInRange(int start, int length, int least, LONG& spanStart, LONG& spanEnd)
{
    const long long span = std::max(length, least);
    spanStart = static_cast<LONG>(std::min<long long>(start, INT_MAX - span));
    spanEnd = static_cast<LONG>(spanStart + span);
}

} // namespace

RECT StoredRestoredRect(int left, int top, int width, int height, SIZE least)
{
    RECT rect;
    SpanInRange(left, width, least.cx, rect.left, rect.right);
    SpanInRange(top, height, least.cy, rect.top, rect.bottom);
    return rect;
}

RECT KeepOnWorkAreas(const RECT& rect, const std::vector<RECT>& workAreas)
{
    if (workAreas.empty() ||
        std::any_of(workAreas.begin(), workAreas.end(), [&](const RECT& area) { return Overlaps(rect, area); }))
        return rect;
    const RECT& nearest = *std::min_element(workAreas.begin(), workAreas.end(), [&](const RECT& a, const RECT& b) {
        return Distance(rect, a) < Distance(rect, b);
    });
    return MoveIntoArea(rect, nearest);
}
