// Copying a 64 MiB selection and pasting 64 MiB of bytes (128 MiB of text)
// into an empty document, each beside a plain table-driven conversion of the
// same bytes into memory the process has not touched yet.
#include <cstdio>
#include <cstring>
#include <random>

#include "app/FrameWindow.h"
#include "document/ClipboardText.h"
#include "document/Document.h"
#include "tests/benchmark/BenchmarkTools.h"
#include "tests/benchmark/Benchmarks.h"
#include "view/HexView.h"

namespace {

using bench::Now;
using bench::UsedAddressSpace;

const uint32_t byteCount = 64u << 20;
const double mebibyte = 1024.0 * 1024.0;

// A document of random bytes in a view whose frame owns the clipboard.
struct ClipboardEditing {
    ClipboardEditing()
    {
        frame.hwndFrame = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        document.frame = &frame;
        view.frame = &frame;
        view.document = &document;
    }
    ~ClipboardEditing() { DestroyWindow(frame.hwndFrame); }
    FrameWindow frame;
    Document document;
    HexView view;
};

void FillRandom(unsigned char* bytes, uint32_t count)
{
    std::mt19937 random(11);
    for (uint32_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(random());
}

double PlainFormatMilliseconds(const unsigned char* bytes, uint32_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    char* text = new char[2 * size_t{count} + 1];
    double start = Now();
    for (uint32_t i = 0; i < count; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 15];
    }
    text[2 * size_t{count}] = '\0';
    double elapsed = Now() - start;
    delete[] text;
    return elapsed;
}

double PlainParseMilliseconds(const char* text, uint32_t count)
{
    unsigned char values[256] = {};
    for (int digit = 0; digit < 16; ++digit)
        values[static_cast<unsigned char>("0123456789ABCDEF"[digit])] = static_cast<unsigned char>(digit);
    unsigned char* bytes = new unsigned char[count];
    double start = Now();
    for (uint32_t j = 0; j < count; ++j)
        bytes[j] = static_cast<unsigned char>(values[static_cast<unsigned char>(text[2 * j])] << 4 |
                                              values[static_cast<unsigned char>(text[2 * j + 1])]);
    double elapsed = Now() - start;
    delete[] bytes;
    return elapsed;
}

// The bytes as clipboard text in a block of their own.
HGLOBAL TextBlock(const unsigned char* bytes, uint32_t count)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 2 * size_t{count} + 1);
    if (block) {
        FormatHexText(bytes, count, static_cast<char*>(GlobalLock(block)));
        GlobalUnlock(block);
    }
    return block;
}

// How long the system takes to accept the block as the clipboard's text;
// negative when it refuses.
double PutOnClipboardMilliseconds(HWND owner, HGLOBAL block)
{
    double start = Now();
    if (!block || !OpenClipboard(owner))
        return -1;
    EmptyClipboard();
    bool taken = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    return taken ? Now() - start : -1;
}

void BenchmarkCopy()
{
    ClipboardEditing editing;
    editing.document.Resize(byteCount);
    FillRandom(editing.document.data, byteCount);
    double plain = PlainFormatMilliseconds(editing.document.data, byteCount);
    editing.view.selectionEnd = byteCount;
    DWORDLONG before = UsedAddressSpace();
    double start = Now();
    editing.view.EditCopy();
    double copy = Now() - start;
    double grown = static_cast<double>(UsedAddressSpace() - before) / mebibyte;
    double system = PutOnClipboardMilliseconds(editing.frame.hwndFrame, TextBlock(editing.document.data, byteCount));
    std::printf("copy    64 MiB selection           %7.1f ms   plain table 64 MiB %7.1f ms (x%.2f)"
                "   plus the system taking the text %7.1f ms (x%.2f)   memory +%.0f MiB (text 128 MiB)\n",
                copy, plain, copy / plain, system, copy / (plain + system), grown);
}

double PlainParseOfClipboardMilliseconds(HWND owner, uint32_t count)
{
    if (!OpenClipboard(owner))
        return 0;
    HANDLE handle = GetClipboardData(CF_TEXT);
    double elapsed = PlainParseMilliseconds(static_cast<const char*>(GlobalLock(handle)), count);
    GlobalUnlock(handle);
    CloseClipboard();
    return elapsed;
}

// The benchmark puts the text on the clipboard itself, as another program would.
void BenchmarkPaste()
{
    ClipboardEditing editing;
    editing.frame.insertMode = TRUE;
    unsigned char* source = new unsigned char[byteCount];
    FillRandom(source, byteCount);
    if (PutOnClipboardMilliseconds(editing.frame.hwndFrame, TextBlock(source, byteCount)) < 0) {
        std::printf("paste   could not fill the clipboard\n");
        delete[] source;
        return;
    }
    double plain = PlainParseOfClipboardMilliseconds(editing.frame.hwndFrame, byteCount);
    DWORDLONG before = UsedAddressSpace();
    double start = Now();
    editing.view.EditPaste();
    double paste = Now() - start;
    double grown = static_cast<double>(UsedAddressSpace() - before) / mebibyte;
    bool same = editing.document.size == byteCount && std::memcmp(editing.document.data, source, byteCount) == 0;
    delete[] source;
    std::printf("paste   64 MiB (128 MiB of text)   %7.1f ms   plain table 64 MiB %7.1f ms (x%.2f)"
                "   memory +%.0f MiB (document 64 MiB)%s\n",
                paste, plain, paste / plain, grown, same ? "" : "   WRONG BYTES");
}

} // namespace

void BenchmarkClipboard()
{
    BenchmarkCopy();
    BenchmarkPaste();
}
