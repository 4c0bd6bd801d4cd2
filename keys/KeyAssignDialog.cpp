#include "keys/KeyAssignDialog.h"

#include <commctrl.h>

#include <string>

#include "app/Application.h"
#include "dialogs/ReportList.h"
#include "keys/KeyText.h"
#include "resources/resource.h"

namespace {

const int commandColumnWidth = 105;
const int keyColumnWidth = 115;

void InsertItem(HWND list, int index, const char* text)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void SetSubItemText(HWND list, int index, int subItem, const char* text)
{
    LVITEMA item = {};
    item.iSubItem = subItem;
    item.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
}

void SelectItem(HWND list, int index)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

} // namespace

KeyAssignDialog::KeyAssignDialog(const KeyAssignments& current) : DialogBase(IDD_KEYASSIGN), rows(current)
{
}

HWND KeyAssignDialog::CommandList() const
{
    return GetDlgItem(hwnd, IDC_KEY_COMMANDS);
}

HWND KeyAssignDialog::KeyList() const
{
    return GetDlgItem(hwnd, IDC_KEY_NAMES);
}

void KeyAssignDialog::OnInitDialog()
{
    HWND list = CommandList();
    SetUpReportList(list, {{"メニュー", commandColumnWidth}, {"キー", keyColumnWidth}});
    for (int i = 0; i < commandCount; ++i)
        InsertItem(list, i, commandTable[i].label);
    SelectItem(list, 0);
    FillKeyColumn();
    FillKeyList();
}

INT_PTR KeyAssignDialog::OnCommand(WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_KEY_ASSIGN:
        AssignKey();
        return TRUE;
    case IDC_KEY_CLEAR:
        ClearKey();
        return TRUE;
    case IDC_KEY_SHIFT:
    case IDC_KEY_CTRL:
    case IDC_KEY_ALT:
        if (HIWORD(wParam) == BN_CLICKED)
            FillKeyList();
        return TRUE;
    default:
        return FALSE;
    }
}

bool KeyAssignDialog::IsChecked(int id) const
{
    return IsDlgButtonChecked(hwnd, id) == BST_CHECKED;
}

BYTE KeyAssignDialog::CheckedModifiers() const
{
    return ModifierMask(IsChecked(IDC_KEY_SHIFT), IsChecked(IDC_KEY_CTRL), IsChecked(IDC_KEY_ALT));
}

int KeyAssignDialog::SelectedRow() const
{
    auto row = static_cast<int>(SendMessageA(CommandList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row >= 0 && row < commandCount ? row : -1;
}

WORD KeyAssignDialog::SelectedKey() const
{
    HWND list = KeyList();
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (index == LB_ERR || length == LB_ERR)
        return 0;
    std::string name(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&name[0]));
    name.resize(static_cast<size_t>(length));
    const KeyName* key = FindKeyByName(name);
    return key ? key->vk : 0;
}

void KeyAssignDialog::FillKeyColumn()
{
    HWND list = CommandList();
    for (int i = 0; i < commandCount; ++i) {
        std::string text = rows[i].key != 0 ? FormatKeyText(rows[i].flags, rows[i].key) : std::string();
        SetSubItemText(list, i, 1, text.c_str());
    }
}

void KeyAssignDialog::FillKeyList()
{
    HWND list = KeyList();
    std::vector<const KeyName*> listed = ListedKeys(CheckedModifiers());
    WORD remembered = SelectedKey();
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const KeyName* key : listed)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key->name));
    SendMessageA(list, LB_SETCURSEL, KeyListSelection(listed, remembered), 0);
}

void KeyAssignDialog::AssignKey()
{
    int row = SelectedRow();
    BYTE flags = CheckedModifiers();
    WORD key = SelectedKey();
    if (row < 0 || key == 0) {
        MessageBeep(MB_OK);
        return;
    }
    if (IsTakenByOtherRow(rows, row, flags, key)) {
        theFrame.ShowMessage(hwnd, "同じキーが割り当てられている項目があります。", MB_ICONHAND);
        return;
    }
    rows[row].flags = flags;
    rows[row].key = key;
    FillKeyColumn();
}

void KeyAssignDialog::ClearKey()
{
    int row = SelectedRow();
    if (row < 0) {
        MessageBeep(MB_OK);
        return;
    }
    rows[row].flags = 0;
    rows[row].key = 0;
    FillKeyColumn();
}
