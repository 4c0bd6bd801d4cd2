// Prints how long the editor's heavy paths take, each next to a baseline
// measured in the same run. Names on the command line run only those groups.
#include <cstring>

#include "tests/benchmark/Benchmarks.h"

int main(int argc, char** argv)
{
    const struct {
        const char* name;
        void (*run)();
    } groups[] = {
        {"repaint", BenchmarkRepaint},   {"typing", BenchmarkTyping},     {"files", BenchmarkLoadAndSave},
        {"editing", BenchmarkEditing},   {"clipboard", BenchmarkClipboard}, {"search", BenchmarkSearchAndSum},
        {"compare", BenchmarkCompare},   {"scrolling", BenchmarkScrolling},
    };
    for (const auto& group : groups) {
        bool chosen = argc == 1;
        for (int i = 1; i < argc; ++i)
            chosen = chosen || std::strcmp(argv[i], group.name) == 0;
        if (chosen)
            group.run();
    }
    return 0;
}
