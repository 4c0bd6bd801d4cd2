#pragma once
#include <windows.h>

#include <initializer_list>

// One left-aligned column of a report list view, its width in pixels at 96 dpi.
struct ReportColumn {
    const char* title;
    int width;
};

// Gives a report list view full-row selection, keeping its other extended
// styles, and its columns in order, as wide as the screen's density makes them.
void SetUpReportList(HWND list, std::initializer_list<ReportColumn> columns);
