#include "dialogs/ReportList.h"

#include <commctrl.h>

#include "platform/ScreenDensity.h"

void SetUpReportList(HWND list, std::initializer_list<ReportColumn> columns)
{
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const int dpi = WindowDpi(list);
    int index = 0;
    for (const ReportColumn& entry : columns) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        column.cx = ScaledToDpi(entry.width, dpi);
        column.pszText = const_cast<char*>(entry.title);
        SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
    }
}
