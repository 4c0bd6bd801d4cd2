#include "search/CompareDialog.h"

#include "app/Application.h"
#include "platform/WaitCursor.h"
#include "dialogs/ReportList.h"
#include "document/PathText.h"
#include "resources/resource.h"

CompareDialog::CompareDialog() : DialogBase(IDD_COMPARE)
{
}

bool CompareDialog::Compare()
{
    CompareStatus status;
    DWORD error;
    {
        WaitCursor waitCursor;
        status = CompareWithFile(comparePath, theDocument.data, theDocument.size, comparison, error);
    }
    switch (status) {
    case CompareStatus::Compared:
        return true;
    case CompareStatus::CannotOpen:
        theFrame.ShowMessage(nullptr, cannotOpenMessage, MB_ICONHAND, error);
        return false;
    case CompareStatus::OtherFileEmpty:
        theFrame.ShowMessage(nullptr, "比較先ファイルのサイズが０です。", MB_ICONHAND);
        return false;
    case CompareStatus::CannotRead:
        theFrame.ShowMessage(nullptr, cannotReadMessage, MB_ICONHAND, error);
        return false;
    default:
        theFrame.ShowMessage(nullptr, "メモリが足りないため、ファイルを比較できません。", MB_ICONHAND);
        return false;
    }
}

void CompareDialog::OnInitDialog()
{
    SetDlgItemTextA(hwnd, IDC_COMPARE_NAME, FileNamePart(comparePath));
    SetDlgItemTextA(hwnd, IDC_COMPARE_OTHERSIZE, HexSizeText(comparison.otherSize).c_str());
    SetDlgItemTextA(hwnd, IDC_COMPARE_EDITEDSIZE, HexSizeText(theDocument.size).c_str());
    HWND list = GetDlgItem(hwnd, IDC_COMPARE_LIST);
    SetUpReportList(list, {{"アドレス", 75}, {"編集中", 70}, {"比較先", 70}});
    // The rows are drawn on demand from the offsets, however many there are.
    auto rows = static_cast<int>(comparison.offsets.size());
    SendMessageA(list, LVM_SETITEMCOUNT, rows, 0);
    if (rows > 0) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void CompareDialog::FillRowText(LVITEMA& item) const
{
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || static_cast<size_t>(item.iItem) >= comparison.offsets.size())
        return;
    uint32_t offset = comparison.offsets[item.iItem];
    std::string text;
    switch (item.iSubItem) {
    case 0:
        text = HexSizeText(offset);
        break;
    case 1:
        text = CompareByteText(theDocument.data[offset]);
        break;
    default:
        text = CompareByteText(comparison.otherBytes[item.iItem]);
        break;
    }
    lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
}

INT_PTR CompareDialog::OnCommand(WPARAM wParam)
{
    if (LOWORD(wParam) != IDC_COMPARE_GO)
        return 0;
    GoToSelectedDifference();
    return 1;
}

void CompareDialog::OnNotify(NMHDR* notification)
{
    if (notification->idFrom != IDC_COMPARE_LIST)
        return;
    if (notification->code == LVN_GETDISPINFOA)
        FillRowText(reinterpret_cast<NMLVDISPINFOA*>(notification)->item);
    else if (notification->code == NM_DBLCLK)
        GoToSelectedDifference();
}

void CompareDialog::GoToSelectedDifference()
{
    auto selected = SendDlgItemMessageA(hwnd, IDC_COMPARE_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                        LVNI_SELECTED);
    if (selected < 0 || static_cast<size_t>(selected) >= comparison.offsets.size())
        return;
    theView.Refresh(theView.GoToOffset(comparison.offsets[selected]));
    KeepClearOf(theView.CaretRowOnScreen());
}
