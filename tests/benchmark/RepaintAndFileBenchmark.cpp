// A repaint of a huge file beside that of a small one, and a load and save
// beside plain reads and writes of the same file.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "document/Document.h"
#include "view/CharCode.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"
#include "tests/benchmark/BenchmarkTools.h"
#include "tests/benchmark/Benchmarks.h"
#include "tests/benchmark/MinimalPainter.h"

namespace {

using bench::hugeSize;
using bench::Now;
using bench::TempPath;
using bench::UsedAddressSpace;

const int repaintRounds = 20;

HexView* paintedView = nullptr;
HFONT minimalFont = nullptr;
int minimalRows = 0;

LRESULT CALLBACK MinimalProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HGDIOBJ previous = SelectObject(dc, minimalFont);
        PaintMinimalRows(dc, minimalRows, displayMetrics.lineHeight);
        SelectObject(dc, previous);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK PaintProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && paintedView) {
        paintedView->Paint();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Japanese text in Shift-JIS with line breaks and no zero byte.
void FillShiftJisText(Document& document, uint32_t size)
{
    static const char line[] = "日本語の文章です。漢字とかなが続きます。ABC 123\r\n";
    const size_t length = sizeof line - 1;
    document.Resize(size);
    for (uint32_t i = 0; i < size; ++i)
        document.data[i] = static_cast<unsigned char>(line[i % length]);
}

void FillBinary(Document& document, uint32_t size)
{
    document.Resize(size);
    uint32_t state = 12345;
    for (uint32_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        document.data[i] = static_cast<unsigned char>(state >> 16);
    }
}

double RepaintMilliseconds(HWND window)
{
    double start = Now();
    for (int i = 0; i < repaintRounds; ++i) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    GdiFlush();
    return (Now() - start) / repaintRounds;
}

void ReportRepaint(const char* name, HexView& view, HWND window, double baseline)
{
    view.topRow = 0;
    double top = RepaintMilliseconds(window);
    view.topRow = view.MaxTopRow();
    double end = RepaintMilliseconds(window);
    std::printf("repaint %-28s top %7.2f ms (x%.2f)   end %7.2f ms (x%.2f)\n", name, top, top / baseline, end,
                end / baseline);
}

double PlainRead(const std::string& path)
{
    double start = Now();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD size = GetFileSize(file, nullptr);
    void* block = HeapAlloc(GetProcessHeap(), 0, size);
    DWORD read = 0;
    ReadFile(file, block, size, &read, nullptr);
    CloseHandle(file);
    double elapsed = Now() - start;
    HeapFree(GetProcessHeap(), 0, block);
    return elapsed;
}

double PlainWrite(const std::string& path, const ByteBuffer& bytes)
{
    double start = Now();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data, bytes.size, &written, nullptr);
    SetEndOfFile(file);
    CloseHandle(file);
    return Now() - start;
}

// A view as large as the screen beside the minimal program's rows in the same
// font: the header, the whole rows and the partly visible one.
void ReportFullScreenRepaint(HexView& view, Document& document)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HWND editorWindow = bench::CreateBenchmarkWindow("ZorixBenchmarkFullScreen", PaintProcedure, WS_VISIBLE, width, height);
    HWND previousWindow = view.window;
    view.window = editorWindow;
    displayMetrics.FitRows(height);
    FillShiftJisText(document, 1 << 20);
    view.topRow = 0;
    RepaintMilliseconds(editorWindow);
    double editor = RepaintMilliseconds(editorWindow);
    DestroyWindow(editorWindow);
    minimalFont = view.font;
    minimalRows = displayMetrics.visibleRows + 2;
    HWND minimal = bench::CreateBenchmarkWindow("ZorixBenchmarkMinimal", MinimalProcedure, WS_VISIBLE, width, height);
    RepaintMilliseconds(minimal);
    double baseline = RepaintMilliseconds(minimal);
    DestroyWindow(minimal);
    std::printf("repaint %dx%d screen, %d rows            %7.2f ms   minimal program %7.2f ms (x%.2f)\n", width,
                height, minimalRows, editor, baseline, editor / baseline);
    view.window = previousWindow;
}

} // namespace

void BenchmarkRepaint()
{
    Document document;
    HexView view;
    view.document = &document;
    view.window = bench::CreateBenchmarkWindow("ZorixBenchmarkWindow", PaintProcedure, WS_VISIBLE, 900, 700);
    paintedView = &view;
    view.CreateDisplayFont("FixedSys", 14, false, false, WindowDpi(view.window));
    RECT client;
    GetClientRect(view.window, &client);
    displayMetrics.FitRows(client.bottom);
    SetCharCode(ShiftJis);

    FillShiftJisText(document, 4096);
    view.topRow = 0;
    RepaintMilliseconds(view.window);
    double baseline = RepaintMilliseconds(view.window);
    std::printf("repaint %-28s      %7.2f ms (baseline)\n", "4 KiB Shift-JIS text", baseline);
    FillShiftJisText(document, hugeSize);
    ReportRepaint("256 MiB Shift-JIS text", view, view.window, baseline);
    FillBinary(document, hugeSize);
    ReportRepaint("256 MiB binary", view, view.window, baseline);
    ReportFullScreenRepaint(view, document);
    paintedView = nullptr;
    DestroyWindow(view.window);
}

void BenchmarkLoadAndSave()
{
    const std::string source = TempPath("zorix-bench-source.bin");
    const std::string target = TempPath("zorix-bench-target.bin");
    {
        Document pattern;
        FillBinary(pattern, hugeSize);
        PlainWrite(source, pattern);
    }
    PlainRead(source);
    double plainRead = PlainRead(source);
    DWORDLONG before = UsedAddressSpace();
    Document document;
    double start = Now();
    bool loaded = document.Load(source.c_str());
    double load = Now() - start;
    DWORDLONG after = UsedAddressSpace();
    std::printf("load    256 MiB %s        %7.1f ms   plain read  %7.1f ms (x%.2f)   memory +%lu MiB\n",
                loaded ? "      " : "FAILED", load, plainRead, load / plainRead,
                static_cast<unsigned long>((after - before) >> 20));

    PlainWrite(target, document);
    double plainWrite = PlainWrite(target, document);
    start = Now();
    bool saved = document.Save(target.c_str());
    double save = Now() - start;
    std::printf("save    256 MiB %s        %7.1f ms   plain write %7.1f ms (x%.2f)\n", saved ? "      " : "FAILED",
                save, plainWrite, save / plainWrite);
    DeleteFileA(source.c_str());
    DeleteFileA(target.c_str());
}

