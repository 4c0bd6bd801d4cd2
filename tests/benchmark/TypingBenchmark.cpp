// Keys posted all at once to the real editor, as a keyboard buffer delivers a
// fast typist's keys, beside a minimal program that repaints a full screen of
// rows for each key, and one memmove of the file the editor inserts into.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/benchmark/BenchmarkProgram.h"
#include "tests/benchmark/BenchmarkTools.h"
#include "tests/benchmark/Benchmarks.h"

namespace {

using bench::Now;
using bench::Program;

// The minimal program paints 25 rows, as many as the editor's view shows at this size.
const int typingWidth = 768;
const int typingHeight = 576;

std::string Digits(size_t count)
{
    std::string digits;
    for (size_t i = 0; i < count; ++i)
        digits += "0123456789ABCDEF"[i % 16];
    return digits;
}

// Milliseconds per message posted to the editor on a copy of the file, in the mode.
double EditorMilliseconds(const bench::EditorFolder& folder, const std::string& file, bool insert, UINT message,
                          size_t count)
{
    folder.WriteSettings(std::string("[Settings]\r\nInsert=") + (insert ? "1" : "0") +
                         "\r\nReadOnly=0\r\nBackUp=0\r\n");
    Program editor(folder.Editor(), "\"" + file + "\"", "ZORIXBinaryEditorClass");
    if (!editor.Ready() || !editor.Resize(typingWidth, typingHeight))
        return -1;
    double elapsed = editor.Post(message, Digits(count), message == WM_KEYUP ? 0xC0000001 : 1);
    return elapsed < 0 ? -1 : elapsed / count;
}

double MemmoveMilliseconds(uint32_t size)
{
    std::vector<unsigned char> bytes(size, 0x5A);
    double start = Now();
    std::memmove(bytes.data() + 1, bytes.data(), size - 1);
    return Now() - start;
}

} // namespace

void BenchmarkTyping()
{
    const size_t keys = 2000;
    const std::string programs = bench::ProgramFolder();
    bench::EditorFolder folder("zorix-typing");
    std::string small, large;
    {
        std::vector<char> bytes(bench::hugeSize, 0x5A);
        small = folder.AddFile("small.bin", bytes.data(), 4096);
        large = folder.AddFile("large.bin", bytes.data(), bench::hugeSize);
    }

    double minimal = -1;
    {
        Program program(programs + "minimal_repaint.exe", "", "MinimalRepaintClass");
        if (program.Ready() && program.Resize(typingWidth, typingHeight))
            minimal = program.Post(WM_CHAR, Digits(keys), 1) / keys;
    }
    std::printf("type    minimal program, full repaint of 25 rows   %7.2f ms a key (baseline)\n", minimal);
    const struct {
        const char* name;
        const std::string& file;
        bool insert;
        UINT message;
        size_t count;
    } cases[] = {
        {"4 KiB, overwrite            ", small, false, WM_CHAR, keys},
        {"4 KiB, insert               ", small, true, WM_CHAR, keys},
        {"4 KiB, key up only (Refresh)", small, false, WM_KEYUP, keys},
        {"256 MiB head, overwrite     ", large, false, WM_CHAR, keys},
    };
    for (const auto& c : cases) {
        double each = EditorMilliseconds(folder, c.file, c.insert, c.message, c.count);
        std::printf("type    %s       %7.2f ms a key   (x%.2f)\n", c.name, each, each / minimal);
    }
    const size_t bytes = 40;
    double perByte = EditorMilliseconds(folder, large, true, WM_CHAR, 2 * bytes) * 2;
    double move = MemmoveMilliseconds(bench::hugeSize);
    std::printf("type    256 MiB head, insert            %7.2f ms a byte   memmove 256 MiB %7.2f ms (x%.2f)\n", perByte,
                move, perByte / move);
}
