#include "tests/benchmark/BenchmarkTools.h"

#include "resources/resource.h"

namespace bench {

namespace {

// Posted messages are handled in turn: the window 2001 (in the editor, the
// toolbar) flips on ID_VIEW_TOOLBAR once all before it are done.
bool Flipped(HWND frame)
{
    HWND marker = GetDlgItem(frame, 2001);
    bool visible = IsWindowVisible(marker) != 0;
    PostMessageA(frame, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    for (double start = Now(); marker && Now() - start < 600000; Sleep(5))
        if ((IsWindowVisible(marker) != 0) != visible)
            return true;
    return false;
}

} // namespace

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

DWORDLONG UsedAddressSpace()
{
    DWORDLONG used = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr; VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT)
            used += region.RegionSize;
        if (static_cast<const char*>(region.BaseAddress) + region.RegionSize < address)
            break;
    }
    return used;
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

HWND CreateBenchmarkWindow(const char* className, WNDPROC procedure, DWORD style, int width, int height)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    return CreateWindowExA(0, className, "", WS_POPUP | style, 0, 0, width, height, nullptr, nullptr, wc.hInstance,
                           nullptr);
}

// The marker flips back untimed, so that the editor's toolbar shows as before
// and every measurement sees the same layout.
double Handled(HWND frame, double start)
{
    if (!Flipped(frame))
        return -1;
    double elapsed = Now() - start;
    return Flipped(frame) ? elapsed : -1;
}

double PerMessage(HWND frame, UINT message, const std::vector<WPARAM>& wParams, LPARAM lParam)
{
    double start = Now();
    for (WPARAM wParam : wParams)
        PostMessageA(frame, message, wParam, lParam);
    double elapsed = Handled(frame, start);
    return elapsed < 0 ? -1 : elapsed / wParams.size();
}

} // namespace bench
