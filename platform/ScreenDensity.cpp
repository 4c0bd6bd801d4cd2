#include "platform/ScreenDensity.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

// The metrics as systems that scale each screen on its own fill them, with the
// field the older headers leave out.
struct NonClientMetrics : NONCLIENTMETRICSW {
    int iPaddedBorderWidth;
};

// A function of user32, or nullptr on a system without it.
template <typename Function>
Function UserFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

} // namespace

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int ScaledToDpi(int designPixels, int dpi)
{
    return MulDiv(designPixels, dpi, designDpi);
}

int WindowDpi(HWND window)
{
    static const auto getDpiForWindow = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

int SystemMetricAtDpi(int index, int dpi)
{
    static const auto getMetric = UserFunction<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    return getMetric ? getMetric(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

bool StatusFontAtDpi(int dpi, LOGFONTW& font)
{
    static const auto getParameter = UserFunction<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
    NonClientMetrics metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!getParameter || !getParameter(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return false;
    font = metrics.lfStatusFont;
    return true;
}
