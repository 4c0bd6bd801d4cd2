#include "platform/ScreenAreas.h"

#include <algorithm>

namespace {

// The start that keeps a span of the given length inside the area, nearest to start.
LONG StartInside(LONG start, long long length, LONG areaStart, LONG areaEnd)
{
    return static_cast<LONG>(std::clamp<long long>(start, areaStart, areaEnd - length));
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM collected)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<RECT>*>(collected)->push_back(info.rcWork);
    return TRUE;
}

} // namespace

RECT MoveIntoArea(const RECT& rect, const RECT& area)
{
    const long long width = std::clamp<long long>(static_cast<long long>(rect.right) - rect.left, 0,
                                                  static_cast<long long>(area.right) - area.left);
    const long long height = std::clamp<long long>(static_cast<long long>(rect.bottom) - rect.top, 0,
                                                   static_cast<long long>(area.bottom) - area.top);
    const LONG left = StartInside(rect.left, width, area.left, area.right);
    const LONG top = StartInside(rect.top, height, area.top, area.bottom);
    return {left, top, static_cast<LONG>(left + width), static_cast<LONG>(top + height)};
}

std::vector<RECT> MonitorWorkAreas()
{
    std::vector<RECT> areas;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    // Workspace coordinates start at the corner of the primary monitor's work area.
    RECT primary = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &primary, 0);
    for (RECT& area : areas)
        OffsetRect(&area, -primary.left, -primary.top);
    return areas;
}
