#include "dialogs/ColoringDialog.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "dialogs/Pickers.h"
#include "resources/resource.h"

namespace {

const int valueLength = 2;

} // namespace

uint16_t ColoringValueFromEdit(const char* text)
{
    return ParseColoringValue(std::string(text).substr(0, valueLength).c_str());
}

ColoringDialog::ColoringDialog(const ColoringRule (&current)[5], COLORREF dataBackground)
    : DialogBase(IDD_COLORING), background(dataBackground)
{
    std::copy(std::begin(current), std::end(current), rules.begin());
}

void ColoringDialog::OnInitDialog()
{
    for (size_t i = 0; i < rules.size(); ++i) {
        int edit = IDC_COLORING_FIRSTVALUE + static_cast<int>(i);
        SendDlgItemMessageA(hwnd, edit, EM_LIMITTEXT, valueLength, 0);
        if (rules[i].value == NoColoringValue)
            continue;
        char text[8];
        std::snprintf(text, sizeof text, "%02X", rules[i].value);
        SetDlgItemTextA(hwnd, edit, text);
    }
}

INT_PTR ColoringDialog::OnCommand(WPARAM wParam)
{
    int index = LOWORD(wParam) - IDC_COLORING_FIRSTBUTTON;
    if (index >= 0 && index < static_cast<int>(rules.size())) {
        rules[index].color = ChooseColorValue(hwnd, rules[index].color);
        SendMessageA(hwnd, WM_PAINT, 0, 0);
    }
    return FALSE;
}

void ColoringDialog::OnOK()
{
    for (size_t i = 0; i < rules.size(); ++i) {
        char text[16] = {};
        GetDlgItemTextA(hwnd, IDC_COLORING_FIRSTVALUE + static_cast<int>(i), text, sizeof text);
        rules[i].value = ColoringValueFromEdit(text);
    }
    EndDialog(hwnd, IDOK);
}

INT_PTR ColoringDialog::OnPaint()
{
    PaintControlsFirst();
    for (size_t i = 0; i < rules.size(); ++i)
        DrawColorSample(GetDlgItem(hwnd, IDC_COLORING_FIRSTSAMPLE + static_cast<int>(i)), rules[i].color,
                        background, "00");
    return TRUE;
}
