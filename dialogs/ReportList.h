#pragma once
#include <windows.h>

#include <initializer_list>

// One left-aligned column of a report list view.
struct ReportColumn {
    const char* title;
    int width;
};

// Gives a report list view full-row selection, keeping its other extended
// styles, and its columns in order.
void SetUpReportList(HWND list, std::initializer_list<ReportColumn> columns);
