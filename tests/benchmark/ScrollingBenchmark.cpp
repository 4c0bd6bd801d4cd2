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
#include "tests/benchmark/BenchmarkTools.h"
#include "tests/benchmark/Benchmarks.h"
#include "tests/e2e/Editor.h"

namespace {

const size_t steps = 1000;
const int rounds = 3;

const struct {
    const char* name;
    UINT message;
    WPARAM wParam;
} cases[] = {
    {"PageDown", WM_KEYDOWN, VK_NEXT},
    {"Down at bottom", WM_KEYDOWN, VK_DOWN},
    {"wheel notch", WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA))},
};

// The milliseconds a step of each case, then of the minimal program's full
// repaint of as many rows in a frame of the editor's size, which goes to frame.
std::vector<double> Round(const std::string& file, bool maximised, RECT& frame)
{
    std::vector<double> perStep;
    int viewHeight = 0;
    {
        e2e::Editor editor("\"" + file + "\"", maximised ? "[Settings]\r\nMaximize=1\r\n" : "");
        for (const auto& c : cases) {
            // From the head down to the last whole row, where every Down scrolls.
            editor.PostCommand(ID_EDIT_HEAD);
            bench::PerMessage(editor.frame, WM_KEYDOWN, std::vector<WPARAM>(200, VK_DOWN), 1);
            perStep.push_back(bench::PerMessage(editor.frame, c.message, std::vector<WPARAM>(steps, c.wParam), 1));
        }
        viewHeight = e2e::ClientRect(editor.view).bottom;
        GetWindowRect(editor.frame, &frame);
    }
    e2e::Process minimal(e2e::BuildFolder() + "minimal_repaint.exe", std::to_string(viewHeight), e2e::BuildFolder());
    HWND window = minimal.WaitTopWindow("MinimalRepaintClass");
    if (maximised)
        ShowWindow(window, SW_MAXIMIZE);
    else
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER);
    perStep.push_back(bench::PerMessage(window, WM_CHAR, std::vector<WPARAM>(steps, 'x'), 1));
    return perStep;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

void BenchmarkScrolling()
{
    e2e::TestFolder folder;
    std::string bytes(64u << 20, 0);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>('A' + i % 16);
    folder.Write("scroll.bin", bytes);
    for (bool maximised : {false, true}) {
        RECT frame = {};
        std::vector<std::vector<double>> runs;
        for (int round = 0; round < rounds; ++round)
            runs.push_back(Round(folder.File("scroll.bin"), maximised, frame));
        const std::string size = std::string(maximised ? "maximised " : "default ") +
                                 std::to_string(frame.right - frame.left) + "x" +
                                 std::to_string(frame.bottom - frame.top);
        for (size_t c = 0; c < std::size(cases); ++c) {
            std::vector<double> editor, minimal, ratios;
            for (const std::vector<double>& run : runs) {
                editor.push_back(run[c]);
                minimal.push_back(run.back());
                ratios.push_back(run[c] / run.back());
            }
            std::sort(ratios.begin(), ratios.end());
            std::printf("scroll  64 MiB, %-19s %-14s %6.2f ms a step   minimal program %6.2f ms (x%.2f, rounds x%.2f-%.2f)\n",
                        size.c_str(), cases[c].name, Median(editor), Median(minimal), Median(editor) / Median(minimal),
                        ratios.front(), ratios.back());
        }
    }
}
