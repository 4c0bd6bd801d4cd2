#pragma once
// What every benchmark of the editor measures with.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// The size of the large documents the benchmarks measure: 256 MiB.
constexpr uint32_t hugeSize = 256u << 20;

// Milliseconds from an arbitrary start, at the resolution of the performance counter.
double Now();
// Address space committed by the process: what limits a 32-bit program.
DWORDLONG UsedAddressSpace();
// A path in the temporary folder.
std::string TempPath(const char* name);
// A top-level pop-up window of a class of its own with the procedure.
HWND CreateBenchmarkWindow(const char* className, WNDPROC procedure, DWORD style, int width, int height);
// The milliseconds from the start until a program of the build has handled all
// messages posted to its frame so far, -1 if it did not.
double Handled(HWND frame, double start = Now());
// Posts the messages all at once, as a keyboard buffer or a wheel delivers
// them; the milliseconds a message until the program has handled them all.
double PerMessage(HWND frame, UINT message, const std::vector<WPARAM>& wParams, LPARAM lParam);

} // namespace bench
