// Typing into the head of a large file, a deep undo stack, and deleting half
// of a large file and taking it back, each beside plain memory moves of the
// same data.
#include <cstdio>
#include <cstring>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "tests/benchmark/BenchmarkTools.h"
#include "tests/benchmark/Benchmarks.h"
#include "view/HexView.h"

namespace {

using bench::Now;
using bench::UsedAddressSpace;

const uint32_t largeSize = 256u << 20;

double MemmoveMilliseconds(Document& document)
{
    double start = Now();
    std::memmove(document.data + 1, document.data, document.size - 1);
    return Now() - start;
}

// A detached view, frame and document, as the keyboard handlers see them.
struct Editing {
    Editing()
    {
        document.frame = &frame;
        view.frame = &frame;
        view.document = &document;
        document.Resize(largeSize);
        std::memset(document.data, 0x5A, largeSize);
    }
    FrameWindow frame;
    Document document;
    HexView view;
};

void BenchmarkTypingAtTheHead()
{
    Editing editing;
    editing.frame.insertMode = TRUE;
    double move = MemmoveMilliseconds(editing.document);
    const int typed = 40;
    double start = Now();
    editing.view.OnChar('4');
    editing.view.OnChar('1');
    double first = Now() - start;
    start = Now();
    for (int i = 1; i < typed; ++i) {
        editing.view.caret = 0;
        editing.view.OnChar('4');
        editing.view.OnChar('1');
    }
    double each = (Now() - start) / (typed - 1);
    std::printf("type    1 byte at the head of 256 MiB  %7.1f ms (first %.1f ms)   memmove 256 MiB %7.1f ms (x%.2f)\n",
                each, first, move, each / move);
}

void BenchmarkUndoDepth()
{
    const int steps = 1000000;
    Document document;
    document.Resize(steps);
    std::memset(document.data, 0, steps);
    DWORDLONG before = UsedAddressSpace();
    double start = Now();
    for (uint32_t i = 0; i < static_cast<uint32_t>(steps); ++i) {
        document.PushUndo(Overwritten, i, 1);
        document.data[i] = 0x41;
    }
    double push = Now() - start;
    DWORDLONG after = UsedAddressSpace();
    start = Now();
    uint32_t position = 0;
    for (int i = 0; i < steps; ++i)
        document.Undo(position);
    double undo = Now() - start;
    std::printf("undo    1,000,000 one-byte steps   record %7.1f ms   undo all %7.1f ms   %.1f bytes per step\n", push,
                undo, static_cast<double>(after - before) / steps);
}

// What any delete that can be undone must pay at least: a copy of the
// deleted bytes into memory the process has not touched yet.
double FreshCopyMilliseconds(const Document& document, uint32_t length)
{
    double start = Now();
    void* block = HeapAlloc(GetProcessHeap(), 0, length);
    std::memcpy(block, document.data, length);
    double elapsed = Now() - start;
    HeapFree(GetProcessHeap(), 0, block);
    return elapsed;
}

void BenchmarkLargeDelete()
{
    Editing editing;
    double move = MemmoveMilliseconds(editing.document);
    double copy = FreshCopyMilliseconds(editing.document, largeSize / 2);
    editing.view.selectionAnchor = largeSize / 4;
    editing.view.selectionEnd = largeSize / 4 * 3;
    double start = Now();
    editing.view.OnKeyDown(VK_DELETE, 0);
    double erase = Now() - start;
    start = Now();
    editing.view.EditUndo();
    double undo = Now() - start;
    std::printf("delete  128 MiB of 256 MiB      %7.1f ms   undo %7.1f ms   memmove 256 MiB %7.1f ms (x%.2f, x%.2f)"
                "   copy 128 MiB to new memory %7.1f ms (x%.2f)\n",
                erase, undo, move, erase / move, undo / move, copy, erase / copy);
}

} // namespace

void BenchmarkEditing()
{
    BenchmarkTypingAtTheHead();
    BenchmarkUndoDepth();
    BenchmarkLargeDelete();
}
