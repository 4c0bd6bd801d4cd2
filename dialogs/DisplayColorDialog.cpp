#include "dialogs/DisplayColorDialog.h"

#include <algorithm>

#include "dialogs/Pickers.h"
#include "resources/resource.h"
#include "view/DisplayColors.h"

DisplayColorDialog::DisplayColorDialog(const COLORREF (&current)[7]) : DialogBase(IDD_DISPLAYCOLOR)
{
    std::copy(std::begin(current), std::end(current), colors.begin());
}

INT_PTR DisplayColorDialog::OnCommand(WPARAM wParam)
{
    int index = LOWORD(wParam) - IDC_COLOR_FIRSTBUTTON;
    if (index >= 0 && index < static_cast<int>(colors.size())) {
        colors[index] = ChooseColorValue(hwnd, colors[index]);
        SendMessageA(hwnd, WM_PAINT, 0, 0);
    }
    return FALSE;
}

INT_PTR DisplayColorDialog::OnPaint()
{
    PaintControlsFirst();
    DrawSample(IDC_COLOR_ADDRESSSAMPLE, AddressText, AddressBack);
    DrawSample(IDC_COLOR_DATASAMPLE, DataText, DataBack);
    DrawSample(IDC_COLOR_SELECTIONSAMPLE, SelectedText, SelectionBack);
    // Marked bytes keep the background of their cell.
    DrawSample(IDC_COLOR_MARKSAMPLE, MarkText, DataBack);
    return TRUE;
}

void DisplayColorDialog::DrawSample(int sampleId, int textIndex, int backIndex) const
{
    DrawColorSample(GetDlgItem(hwnd, sampleId), colors[textIndex], colors[backIndex], "0123456789");
}
