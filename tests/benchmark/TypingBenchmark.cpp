// Keys posted all at once to the real editor, as a keyboard buffer delivers a
// fast typist's keys, beside a minimal program that repaints a full screen of
// rows for each key, and one memmove of the file the editor inserts into.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/benchmark/BenchmarkTools.h"
#include "tests/benchmark/Benchmarks.h"
#include "tests/e2e/Editor.h"

namespace {

using bench::Now;

std::vector<WPARAM> Digits(size_t count)
{
    std::vector<WPARAM> digits;
    for (size_t i = 0; i < count; ++i)
        digits.push_back("0123456789ABCDEF"[i % 16]);
    return digits;
}

// Milliseconds per message posted to the editor on a copy of the file, in the
// mode, in a frame of the minimal program's size, where the view shows 25 rows.
double EditorMilliseconds(const std::string& file, bool insert, UINT message, size_t count)
{
    e2e::Editor editor("\"" + file + "\"", std::string("[Settings]\r\nInsert=") + (insert ? "1" : "0") +
                                               "\r\nReadOnly=0\r\nBackUp=0\r\nPosW=768\r\nPosH=576\r\n");
    // Loading a large file takes a while: start once it is done.
    if (bench::Handled(editor.frame) < 0)
        return -1;
    return bench::PerMessage(editor.frame, message, Digits(count), message == WM_KEYUP ? 0xC0000001 : 1);
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
    e2e::TestFolder folder;
    folder.Write("small.bin", std::string(4096, 0x5A));
    folder.Write("large.bin", std::string(bench::hugeSize, 0x5A));
    const std::string small = folder.File("small.bin");
    const std::string large = folder.File("large.bin");

    double minimal = -1;
    {
        e2e::Process program(e2e::BuildFolder() + "minimal_repaint.exe", "", folder.Path());
        minimal = bench::PerMessage(program.WaitTopWindow("MinimalRepaintClass"), WM_CHAR, Digits(keys), 1);
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
        double each = EditorMilliseconds(c.file, c.insert, c.message, c.count);
        std::printf("type    %s       %7.2f ms a key   (x%.2f)\n", c.name, each, each / minimal);
    }
    const size_t bytes = 40;
    double perByte = EditorMilliseconds(large, true, WM_CHAR, 2 * bytes) * 2;
    double move = MemmoveMilliseconds(bench::hugeSize);
    std::printf("type    256 MiB head, insert            %7.2f ms a byte   memmove 256 MiB %7.2f ms (x%.2f)\n", perByte,
                move, perByte / move);
}
