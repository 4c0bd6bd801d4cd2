#include "search/FindDialog.h"

#include "app/Application.h"
#include "resources/resource.h"
#include "search/SearchPattern.h"

FindDialog::FindDialog() : DialogBase(IDD_FIND)
{
}

void FindDialog::OnInitDialog()
{
    SetDlgItemTextA(hwnd, IDC_FIND_TEXT, text);
    int radio = mode == FindModeHex ? IDC_FIND_HEXMODE : mode == FindModeDecimal ? IDC_FIND_DECIMALMODE : IDC_FIND_TEXTMODE;
    CheckRadioButton(hwnd, IDC_FIND_TEXTMODE, IDC_FIND_DECIMALMODE, radio);
    SetFocus(GetDlgItem(hwnd, IDC_FIND_TEXT));
}

void FindDialog::ReadControls()
{
    ReadItemText(IDC_FIND_TEXT, text, sizeof text);
    if (IsDlgButtonChecked(hwnd, IDC_FIND_HEXMODE))
        mode = FindModeHex;
    else if (IsDlgButtonChecked(hwnd, IDC_FIND_DECIMALMODE))
        mode = FindModeDecimal;
    else
        mode = FindModeText;
}

INT_PTR FindDialog::OnCommand(WPARAM wParam)
{
    WORD id = LOWORD(wParam);
    if (id != IDC_FIND_HEAD && id != IDC_FIND_PREV && id != IDC_FIND_NEXT)
        return 0;
    ReadControls();
    auto direction = static_cast<SearchDirection>(id - IDC_FIND_HEAD);
    RefreshCode code = theView.SearchData(hwnd, text, mode, direction);
    theView.Refresh(code);
    // Only a hit moves the caret; a message box leaves everything in place.
    if (code != RedrawNothing)
        KeepClearOf(theView.CaretRowOnScreen());
    return 1;
}
