#pragma once
// What every benchmark of the editor measures with.
#include <windows.h>

#include <string>

namespace bench {

// Milliseconds from an arbitrary start, at the resolution of the performance counter.
double Now();
// Address space committed by the process: what limits a 32-bit program.
DWORDLONG UsedAddressSpace();
// A path in the temporary folder.
std::string TempPath(const char* name);

} // namespace bench
