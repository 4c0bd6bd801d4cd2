#include "dialogs/OptionsDialog.h"

#include "app/Application.h"
#include "dialogs/Pickers.h"
#include "resources/resource.h"

namespace {

const int optionBoxes[4] = {IDC_OPTION_INSERT, IDC_OPTION_READONLY, IDC_OPTION_BACKUP, IDC_OPTION_UNICODE};
const char notAssigned[] = "(未設定)";

// Row 0 of each list is "(未設定)"; row r names numpadNames[r - 1].
int RowOfKey(WORD vk)
{
    return NumpadKeyIndex(vk) + 1;
}

WORD KeyOfRow(LRESULT row)
{
    return row >= 1 && row <= numpadKeyCount ? numpadNames[row - 1].vk : 0;
}

} // namespace

int FirstRepeatedNumpadKey(const std::array<WORD, numpadKeyCount>& keys)
{
    for (int i = 0; i < numpadKeyCount; ++i)
        for (int j = i + 1; j < numpadKeyCount; ++j)
            if (keys[i] != 0 && keys[i] == keys[j])
                return j;
    return -1;
}

OptionsDialog::OptionsDialog(const OptionValues& current) : DialogBase(IDD_OPTIONS), values(current)
{
}

void OptionsDialog::OnInitDialog()
{
    for (int i = 0; i < 4; ++i)
        CheckDlgButton(hwnd, optionBoxes[i], values.flags[i] ? BST_CHECKED : BST_UNCHECKED);
    for (int i = 0; i < numpadKeyCount; ++i) {
        HWND list = GetDlgItem(hwnd, IDC_OPTION_FIRSTNUMPAD + i);
        SendMessageA(list, CB_RESETCONTENT, 0, 0);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(notAssigned));
        for (const NumpadName& key : numpadNames)
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.name));
        SendMessageA(list, CB_SETCURSEL, RowOfKey(values.numpadKeys[i]), 0);
    }
    SetDlgItemTextA(hwnd, IDC_OPTION_CALCULATOR, values.calculator);
}

INT_PTR OptionsDialog::OnCommand(WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_OPTION_CLEARHISTORY:
        ClearHistory();
        return TRUE;
    case IDC_OPTION_BROWSE:
        BrowseCalculator();
        return TRUE;
    default:
        return FALSE;
    }
}

void OptionsDialog::ClearHistory()
{
    if (theFrame.ShowMessage(hwnd, "ファイル履歴をクリアしますか？", MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        theFrame.ClearRecentFiles();
}

void OptionsDialog::BrowseCalculator()
{
    PathBuffer path;
    ReadItemText(IDC_OPTION_CALCULATOR, path, sizeof path);
    if (ChooseFileName(hwnd, path, false))
        SetDlgItemTextA(hwnd, IDC_OPTION_CALCULATOR, path);
}

void OptionsDialog::OnOK()
{
    OptionValues chosen = values;
    for (int i = 0; i < 4; ++i)
        chosen.flags[i] = IsDlgButtonChecked(hwnd, optionBoxes[i]) == BST_CHECKED;
    for (int i = 0; i < numpadKeyCount; ++i)
        chosen.numpadKeys[i] = KeyOfRow(SendDlgItemMessageA(hwnd, IDC_OPTION_FIRSTNUMPAD + i, CB_GETCURSEL, 0, 0));
    int repeated = FirstRepeatedNumpadKey(chosen.numpadKeys);
    if (repeated >= 0) {
        theFrame.ShowMessage(hwnd, "同じキーが割り当てられている項目があります。", MB_ICONHAND);
        HWND later = GetDlgItem(hwnd, IDC_OPTION_FIRSTNUMPAD + repeated);
        SendMessageA(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(later), TRUE);
        return;
    }
    ReadItemText(IDC_OPTION_CALCULATOR, chosen.calculator, sizeof chosen.calculator);
    values = chosen;
    EndDialog(hwnd, IDOK);
}
