#include "dialogs/AboutDialog.h"

#include "resources/resource.h"

AboutDialog::AboutDialog() : DialogBase(IDD_ABOUT)
{
}

void AboutDialog::OnInitDialog()
{
    SetFocus(GetDlgItem(hwnd, IDOK));
}
