// Scrolling the real editor through a 64 MiB file by posted PageDown keys,
// Down keys at the bottom edge and wheel notches, at the default size and
// maximised, each beside the minimal program repainting as many rows in a
// window of the same size.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/benchmark/BenchmarkProgram.h"
#include "tests/benchmark/Benchmarks.h"

namespace {

using bench::Program;

const size_t steps = 1000;

struct ScrollTimes {
    double pageDown = -1;
    double downAtBottom = -1;
    double wheel = -1;
    int viewHeight = 0;
    RECT frame = {};
};

double PerStep(double elapsed)
{
    return elapsed < 0 ? -1 : elapsed / steps;
}

ScrollTimes ScrollEditor(const bench::EditorFolder& folder, const std::string& file, bool maximised)
{
    folder.WriteSettings(maximised ? "[Settings]\r\nMaximize=1\r\n" : "");
    ScrollTimes times;
    Program editor(folder.Editor(), "\"" + file + "\"", "ZORIXBinaryEditorClass");
    if (!editor.Ready())
        return times;
    RECT view;
    GetClientRect(GetDlgItem(editor.Frame(), IDC_VIEW), &view);
    times.viewHeight = view.bottom;
    GetWindowRect(editor.Frame(), &times.frame);
    times.pageDown = PerStep(editor.Post(WM_KEYDOWN, VK_NEXT, 1, steps));
    // Paging leaves the caret behind: bring it back to the head and down to
    // the last whole row first; every Down after that scrolls.
    editor.Post(WM_COMMAND, ID_EDIT_HEAD, 0, 1);
    editor.Post(WM_KEYDOWN, VK_DOWN, 1, 200);
    times.downAtBottom = PerStep(editor.Post(WM_KEYDOWN, VK_DOWN, 1, steps));
    times.wheel = PerStep(editor.Post(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0, steps));
    return times;
}

// The minimal program's full repaint of as many rows, in a frame of the editor's size.
double MinimalRepaint(const ScrollTimes& editor, bool maximised)
{
    Program minimal(bench::ProgramFolder() + "minimal_repaint.exe", std::to_string(editor.viewHeight),
                    "MinimalRepaintClass");
    const RECT& frame = editor.frame;
    bool placed = minimal.Ready() && (maximised ? minimal.Maximise()
                                                : minimal.Resize(frame.right - frame.left, frame.bottom - frame.top));
    return placed ? PerStep(minimal.Post(WM_CHAR, 'x', 1, steps)) : -1;
}

void Report(const char* size, const char* what, double editor, double minimal)
{
    std::printf("scroll  64 MiB, %-9s %-14s %7.2f ms a step   minimal program %7.2f ms (x%.2f)\n", size, what,
                editor, minimal, editor / minimal);
}

} // namespace

void BenchmarkScrolling()
{
    bench::EditorFolder folder("zorix-scrolling");
    std::string file;
    {
        std::vector<char> bytes(64u << 20);
        uint32_t state = 12345;
        for (char& byte : bytes) {
            state = state * 1103515245u + 12345u;
            byte = static_cast<char>(state >> 16);
        }
        file = folder.AddFile("scroll.bin", bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    for (bool maximised : {false, true}) {
        const char* size = maximised ? "maximised" : "default";
        ScrollTimes editor = ScrollEditor(folder, file, maximised);
        double minimal = MinimalRepaint(editor, maximised);
        Report(size, "PageDown", editor.pageDown, minimal);
        Report(size, "Down at bottom", editor.downAtBottom, minimal);
        Report(size, "wheel notch", editor.wheel, minimal);
    }
}
