#include "search/JumpDialog.h"

#include "app/Application.h"
#include "document/HexDigit.h"
#include "resources/resource.h"
#include "search/SearchPattern.h"

char AbsoluteText[9] = {};
char RelativeText[9] = {};

namespace {

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

uint32_t ReadJumpText(const char* text)
{
    while (IsBlank(*text))
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && HexDigitValue(text[2]) >= 0)
        text += 2;
    uint32_t value = 0;
    for (; HexDigitValue(*text) >= 0; ++text) {
        // Like strtoul, a number beyond 32 bits gives the largest value, whatever its sign.
        if (value > 0x0FFFFFFF)
            return 0xFFFFFFFF;
        value = value << 4 | HexDigitValue(*text);
    }
    return negative ? 0 - value : value;
}

uint32_t JumpBackTarget(uint32_t caret, uint32_t distance)
{
    return distance > caret ? 0 : caret - distance;
}

uint32_t JumpForwardTarget(uint32_t caret, uint32_t distance, uint32_t size)
{
    return distance > size - caret ? size : caret + distance;
}

JumpDialog::JumpDialog() : DialogBase(IDD_JUMP)
{
}

void JumpDialog::OnInitDialog()
{
    SetDlgItemTextA(hwnd, IDC_JUMP_ABSOLUTE, AbsoluteText);
    SetDlgItemTextA(hwnd, IDC_JUMP_RELATIVE, RelativeText);
    // Only eight characters are read, so only eight can be typed.
    SendDlgItemMessageA(hwnd, IDC_JUMP_ABSOLUTE, EM_LIMITTEXT, sizeof AbsoluteText - 1, 0);
    SendDlgItemMessageA(hwnd, IDC_JUMP_RELATIVE, EM_LIMITTEXT, sizeof RelativeText - 1, 0);
    SetFocus(GetDlgItem(hwnd, IDC_JUMP_ABSOLUTE));
}

void JumpDialog::ReadTexts()
{
    ReadItemText(IDC_JUMP_ABSOLUTE, AbsoluteText, sizeof AbsoluteText);
    ReadItemText(IDC_JUMP_RELATIVE, RelativeText, sizeof RelativeText);
}

void JumpDialog::GoTo(uint32_t target)
{
    theView.Refresh(theView.GoToOffset(target));
}

INT_PTR JumpDialog::OnCommand(WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_JUMP_GO:
        ReadTexts();
        GoTo(ReadJumpText(AbsoluteText));
        EndDialog(hwnd, IDOK);
        return 1;
    case IDC_JUMP_BACK:
        ReadTexts();
        GoTo(JumpBackTarget(theView.caret, ReadJumpText(RelativeText)));
        return 1;
    case IDC_JUMP_FORWARD:
        ReadTexts();
        GoTo(JumpForwardTarget(theView.caret, ReadJumpText(RelativeText), theDocument.size));
        return 1;
    default:
        return 0;
    }
}
