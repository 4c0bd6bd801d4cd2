// Prints how long the editor's heavy paths take, each next to a baseline
// measured in the same run.
#include "tests/benchmark/Benchmarks.h"

int main()
{
    BenchmarkRepaint();
    BenchmarkLoadAndSave();
    BenchmarkEditing();
    BenchmarkClipboard();
    BenchmarkSearchAndSum();
    BenchmarkCompare();
    return 0;
}
