#include "app/StatusPaneWidths.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/StatusPaneText.h"
#include "platform/ScreenDensity.h"

namespace {

const PaneEdges designedEdges = {210, 270, 330, 365, 410};
// Text is drawn this far inside a pane's sunken edge on either side.
const int textInset = 3;

int TextWidth(HDC dc, const std::string& text)
{
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int WidestText(HDC dc, const std::vector<std::string>& texts)
{
    int widest = 0;
    for (const std::string& text : texts)
        widest = std::max(widest, TextWidth(dc, text));
    return widest;
}

// In a proportional font the digits differ in width: the widest one stands for all.
char WidestCharacter(HDC dc, const char* candidates)
{
    char widest = *candidates;
    for (const char* c = candidates; *c; ++c)
        if (TextWidth(dc, std::string(1, *c)) > TextWidth(dc, std::string(1, widest)))
            widest = *c;
    return widest;
}

PaneEdges MeasureWidestTexts(HDC dc)
{
    std::vector<std::string> codeNames;
    for (unsigned code = 0; code < 5; ++code)
        codeNames.push_back(CharCodePaneText(code));
    const char widestHex = WidestCharacter(dc, "0123456789ABCDEF");
    const char widestDecimal = WidestCharacter(dc, "0123456789");
    return {
        TextWidth(dc, WidestPositionPaneText(widestHex, widestDecimal)),
        TextWidth(dc, std::string(8, WidestCharacter(dc, "01"))),
        TextWidth(dc, ReadOnlyPaneText(true)),
        WidestText(dc, {InsertModePaneText(true), InsertModePaneText(false)}),
        WidestText(dc, codeNames),
    };
}

} // namespace

PaneEdges FittedPaneEdges(const PaneEdges& textWidths, int margins, int dpi)
{
    PaneEdges edges;
    int edge = 0;
    for (int i = 0; i < statusPaneCount; ++i) {
        const int designedWidth =
            ScaledToDpi(designedEdges[i], dpi) - (i > 0 ? ScaledToDpi(designedEdges[i - 1], dpi) : 0);
        edge += std::max(designedWidth, textWidths[i] + margins);
        edges[i] = edge;
    }
    return edges;
}

void FitStatusPanes(HWND statusBar, int dpi)
{
    HDC dc = GetDC(statusBar);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(statusBar, WM_GETFONT, 0, 0));
    HGDIOBJ previousFont = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    const PaneEdges widths = MeasureWidestTexts(dc);
    SelectObject(dc, previousFont);
    ReleaseDC(statusBar, dc);
    // borders[2] is the gap between two panes.
    int borders[3] = {};
    SendMessageA(statusBar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const int margins = borders[2] + 2 * (SystemMetricAtDpi(SM_CXEDGE, dpi) + ScaledToDpi(textInset, dpi));
    const PaneEdges edges = FittedPaneEdges(widths, margins, dpi);
    SendMessageA(statusBar, SB_SETPARTS, statusPaneCount, reinterpret_cast<LPARAM>(edges.data()));
}
