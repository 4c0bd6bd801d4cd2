// A search, a byte sum and a file comparison over 256 MiB, each beside the
// plain loop or host tool that does the same work in the same run.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/Application.h"
#include "search/ByteSum.h"
#include "search/CompareDialog.h"
#include "search/PatternScan.h"
#include "tests/benchmark/BenchmarkTools.h"
#include "tests/benchmark/Benchmarks.h"
#include "tests/common/UnixShell.h"

namespace {

using bench::hugeSize;
using bench::Now;
using bench::TempPath;
using bench::UsedAddressSpace;

const uint32_t differenceCount = 1000000;

void FillRandom(std::vector<unsigned char>& data)
{
    uint32_t state = 2024;
    for (unsigned char& b : data) {
        state = state * 1103515245u + 12345u;
        b = static_cast<unsigned char>(state >> 16);
    }
}

// What the search is measured against: memchr to each candidate, memcmp to confirm.
uint32_t MemchrScan(const std::vector<unsigned char>& data, const SearchPattern& pattern)
{
    const unsigned char* end = data.data() + data.size() - pattern.size() + 1;
    for (const unsigned char* p = data.data(); p < end; ++p) {
        p = static_cast<const unsigned char*>(std::memchr(p, static_cast<unsigned char>(pattern[0]), end - p));
        if (!p)
            break;
        if (std::memcmp(p, pattern.data(), pattern.size()) == 0)
            return static_cast<uint32_t>(p - data.data());
    }
    return 0xFFFFFFFF;
}

uint32_t PlainSum(const std::vector<unsigned char>& data)
{
    uint32_t sum = 0;
    for (unsigned char b : data)
        sum += b;
    return sum;
}

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& data)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool done = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
                written == data.size();
    CloseHandle(file);
    return done;
}

// Ends the dialog once it is shown and painted: the modal loop tells its owner it is idle.
LRESULT CALLBACK OwnerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
        auto dialog = reinterpret_cast<HWND>(lParam);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        EndDialog(dialog, IDCANCEL);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The fastest of three runs, so that other work on the machine counts less.
template <typename Work>
double BestOfThree(Work work)
{
    double best = 0;
    for (int round = 0; round < 3; ++round) {
        double start = Now();
        work();
        double elapsed = Now() - start;
        if (round == 0 || elapsed < best)
            best = elapsed;
    }
    return best;
}

// Python's bytes.find and bytes.rfind on the same data, in milliseconds, best of three.
bool PythonFind(const SearchPattern& pattern, double& find, double& rfind)
{
    std::string bytes;
    for (char c : pattern)
        bytes += std::to_string(static_cast<unsigned char>(c)) + ",";
    const std::string result = TempPath("zorix-bench-python.txt");
    const std::string n = std::to_string(hugeSize);
    const std::string script =
        "import time;n=" + n + ";p=bytes([" + bytes + "]);z=bytes(n-len(p));d=z+p;e=p+z;"
        "t=lambda f:min((lambda s:(f(),time.perf_counter()-s)[1])(time.perf_counter()) for i in range(3))*1000;"
        "print(t(lambda:d.find(p)),t(lambda:e.rfind(p)))";
    if (unixshell::Run("python3 -c '" + script + "' > '" + unixshell::UnixPath(result) + "'", 600000) != 0)
        return false;
    std::ifstream(result) >> find >> rfind;
    DeleteFileA(result.c_str());
    return true;
}

// The worst case of a scan that tries every position where the pattern's
// first byte fits: zero bytes everywhere, and a pattern of zeros that differs
// only at its end, found at the far end of the direction searched.
void BenchmarkRepetitiveSearch(std::vector<unsigned char>& data)
{
    const SearchPattern pattern("\0\0\0\0\0\0\0\0\xDE\xAD\xBE\xEF\xCA\xFE\xBA\xBE", 16);
    double find = 0, rfind = 0;
    const char* python = PythonFind(pattern, find, rfind) ? "" : "   (python3 did not run)";
    std::fill(data.begin(), data.end(), 0);
    std::memcpy(&data[hugeSize - pattern.size()], pattern.data(), pattern.size());
    uint32_t hit = 0;
    bool found = false;
    double forward = BestOfThree([&] { found = ScanForPattern(data.data(), hugeSize, pattern, 0, SearchFromHead, hit); });
    std::printf("find    256 MiB zeros fwd %s  %7.1f ms   Python find   %7.1f ms (x%.2f)%s\n",
                found && hit == hugeSize - pattern.size() ? "      " : "WRONG ", forward, find, forward / find, python);
    std::memset(&data[hugeSize - pattern.size()], 0, pattern.size());
    std::memcpy(&data[0], pattern.data(), pattern.size());
    double backward =
        BestOfThree([&] { found = ScanForPattern(data.data(), hugeSize, pattern, hugeSize, SearchBackward, hit); });
    std::printf("find    256 MiB zeros bwd %s  %7.1f ms   Python rfind  %7.1f ms (x%.2f)%s\n",
                found && hit == 0 ? "      " : "WRONG ", backward, rfind, backward / rfind, python);
}

} // namespace

void BenchmarkSearchAndSum()
{
    std::vector<unsigned char> data(hugeSize);
    FillRandom(data);
    const SearchPattern pattern("\x5A\xC3\x19\xE7\x00\x42\x99\x10\xFE\x7B\x33\x81\x0D\x66\xA4\x2F", 16);
    // The only hit is at the far end of the direction searched.
    std::memcpy(&data[hugeSize - pattern.size()], pattern.data(), pattern.size());
    uint32_t baselineHit = 0;
    double baseline = BestOfThree([&] { baselineHit = MemchrScan(data, pattern); });
    uint32_t hit = 0;
    bool found = false;
    double forward = BestOfThree([&] { found = ScanForPattern(data.data(), hugeSize, pattern, 0, SearchFromHead, hit); });
    std::printf("find    256 MiB forwards  %s  %7.1f ms   memchr+memcmp %7.1f ms (x%.2f)\n",
                found && hit == baselineHit ? "      " : "WRONG ", forward, baseline, forward / baseline);
    std::memset(&data[hugeSize - pattern.size()], 0, pattern.size());
    std::memcpy(&data[0], pattern.data(), pattern.size());
    double backward =
        BestOfThree([&] { found = ScanForPattern(data.data(), hugeSize, pattern, hugeSize, SearchBackward, hit); });
    std::printf("find    256 MiB backwards %s  %7.1f ms   memchr+memcmp %7.1f ms (x%.2f)\n",
                found && hit == 0 ? "      " : "WRONG ", backward, baseline, backward / baseline);
    BenchmarkRepetitiveSearch(data);
    FillRandom(data);

    uint32_t plain = 0;
    double plainTime = BestOfThree([&] { plain = PlainSum(data); });
    uint32_t sum = 0;
    double sumTime = BestOfThree([&] { sum = SumBytes(data.data(), hugeSize); });
    std::printf("sum     256 MiB           %s  %7.1f ms   plain loop    %7.1f ms (x%.2f)\n",
                sum == plain ? "      " : "WRONG ", sumTime, plainTime, sumTime / plainTime);
}

void BenchmarkCompare()
{
    const std::string edited = TempPath("zorix-bench-edited.bin");
    const std::string other = TempPath("zorix-bench-other.bin");
    {
        std::vector<unsigned char> data(hugeSize);
        FillRandom(data);
        WriteWholeFile(edited, data);
        for (uint32_t i = 0; i < differenceCount; ++i)
            data[static_cast<uint64_t>(i) * hugeSize / differenceCount] ^= 0x5A;
        WriteWholeFile(other, data);
    }
    // Into a file: cmp gives up listing at the first difference when its output is /dev/null.
    const std::string listing = TempPath("zorix-bench-cmp.txt");
    std::string cmp = "cmp -l '" + unixshell::UnixPath(edited) + "' '" + unixshell::UnixPath(other) + "' > '" +
                      unixshell::UnixPath(listing) + "'";
    // cmp ends with status 1 when the files differ.
    bool cmpRan = false;
    double cmpTime = BestOfThree([&] { cmpRan = unixshell::Run(cmp) == 1; });

    theDocument.Load(edited.c_str());
    HWND owner = bench::CreateBenchmarkWindow("ZorixBenchmarkOwner", OwnerProcedure, 0, 10, 10);
    InitCommonControls();
    bool opened = true;
    DWORDLONG growth = 0;
    double open = BestOfThree([&] {
        CompareDialog dialog;
        lstrcpynA(dialog.comparePath, other.c_str(), MAX_PATH);
        DWORDLONG before = UsedAddressSpace();
        bool compared = dialog.Compare();
        growth = UsedAddressSpace() - before;
        opened = opened && compared && RunDialog(dialog, owner) == IDCANCEL;
    });
    std::printf("compare 256 MiB, %u differences %s %7.1f ms   cmp -l %7.1f ms (x%.2f)   memory +%.1f bytes per difference\n",
                differenceCount, opened && cmpRan ? "      " : "FAILED", open, cmpTime, open / cmpTime,
                static_cast<double>(growth) / differenceCount);
    DestroyWindow(owner);
    theDocument.Free();
    DeleteFileA(edited.c_str());
    DeleteFileA(other.c_str());
    DeleteFileA(listing.c_str());
}
