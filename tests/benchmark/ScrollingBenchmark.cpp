// Scrolling the real editor through a 64 MiB file by posted PageDown keys,
// Down keys at the bottom edge and wheel notches, at the default size and
// maximised, each beside the minimal program repainting as many rows in a
// window of the same size. The file's rows hold the minimal program's row,
// so that both draw the same glyphs. The display is shared and noisy: each
// figure is the median of a few rounds, with the range of the rounds' ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/benchmark/BenchmarkProgram.h"
#include "tests/benchmark/Benchmarks.h"

namespace {

using bench::Program;

const size_t steps = 1000;
const int rounds = 3;

// Milliseconds a step of each case in one round, -1 where it failed.
struct Round {
    double pageDown = -1;
    double downAtBottom = -1;
    double wheel = -1;
    double minimal = -1;
};

double PerStep(double elapsed)
{
    return elapsed < 0 ? -1 : elapsed / steps;
}

// The editor's cases, and the view's height and the frame for the minimal program.
Round ScrollEditor(const bench::EditorFolder& folder, const std::string& file, bool maximised, int& viewHeight,
                   RECT& frame)
{
    folder.WriteSettings(maximised ? "[Settings]\r\nMaximize=1\r\n" : "");
    Round round;
    Program editor(folder.Editor(), "\"" + file + "\"", "ZORIXBinaryEditorClass");
    if (!editor.Ready())
        return round;
    RECT view;
    GetClientRect(GetDlgItem(editor.Frame(), IDC_VIEW), &view);
    viewHeight = view.bottom;
    GetWindowRect(editor.Frame(), &frame);
    round.pageDown = PerStep(editor.Post(WM_KEYDOWN, VK_NEXT, 1, steps));
    // Paging leaves the caret behind: bring it back to the head and down to
    // the last whole row first; every Down after that scrolls.
    editor.Post(WM_COMMAND, ID_EDIT_HEAD, 0, 1);
    editor.Post(WM_KEYDOWN, VK_DOWN, 1, 200);
    round.downAtBottom = PerStep(editor.Post(WM_KEYDOWN, VK_DOWN, 1, steps));
    round.wheel = PerStep(editor.Post(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0, steps));
    return round;
}

// The minimal program's full repaint of as many rows, in a frame of the editor's size.
double MinimalRepaint(int viewHeight, const RECT& frame, bool maximised)
{
    Program minimal(bench::ProgramFolder() + "minimal_repaint.exe", std::to_string(viewHeight),
                    "MinimalRepaintClass");
    bool placed = minimal.Ready() && (maximised ? minimal.Maximise()
                                                : minimal.Resize(frame.right - frame.left, frame.bottom - frame.top));
    return placed ? PerStep(minimal.Post(WM_CHAR, 'x', 1, steps)) : -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const std::string& size, const char* what, const std::vector<Round>& runs, double Round::*step)
{
    std::vector<double> editor, minimal, ratios;
    for (const Round& run : runs) {
        editor.push_back(run.*step);
        minimal.push_back(run.minimal);
        ratios.push_back(run.*step / run.minimal);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("scroll  64 MiB, %-19s %-14s %6.2f ms a step   minimal program %6.2f ms (x%.2f, rounds x%.2f-%.2f)\n",
                size.c_str(), what, Median(editor), Median(minimal), Median(editor) / Median(minimal), ratios.front(),
                ratios.back());
}

} // namespace

void BenchmarkScrolling()
{
    bench::EditorFolder folder("zorix-scrolling");
    std::string file;
    {
        std::vector<char> bytes(64u << 20);
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>('A' + i % 16);
        file = folder.AddFile("scroll.bin", bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    for (bool maximised : {false, true}) {
        std::vector<Round> runs(rounds);
        RECT frame = {};
        for (Round& run : runs) {
            int viewHeight = 0;
            run = ScrollEditor(folder, file, maximised, viewHeight, frame);
            run.minimal = MinimalRepaint(viewHeight, frame, maximised);
        }
        const std::string size = std::string(maximised ? "maximised " : "default ") +
                                 std::to_string(frame.right - frame.left) + "x" +
                                 std::to_string(frame.bottom - frame.top);
        Report(size, "PageDown", runs, &Round::pageDown);
        Report(size, "Down at bottom", runs, &Round::downAtBottom);
        Report(size, "wheel notch", runs, &Round::wheel);
    }
}
