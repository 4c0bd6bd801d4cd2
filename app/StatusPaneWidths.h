#pragma once
#include <windows.h>

#include <array>

// The status bar's five panes, wide enough for their widest texts in the
// bar's own font, never narrower than designed for the screen's density.

constexpr int statusPaneCount = 5;
using PaneEdges = std::array<int, statusPaneCount>;

// The right edges of the panes: each pane as wide as designed at the
// density, or as its widest text plus the margins of a pane, whichever is more.
PaneEdges FittedPaneEdges(const PaneEdges& textWidths, int margins, int dpi);

// Measures the widest texts in the bar's font and sets the panes.
void FitStatusPanes(HWND statusBar, int dpi);
