#pragma once
#include <array>
#include <cstdint>

#include "dialogs/DialogBase.h"
#include "view/DisplayColors.h"

// The byte value typed for a rule: the first two characters as hexadecimal
// digits after any blanks. Text that reads as 0 without starting with the
// digit 0 (empty, "G1") switches the rule off.
uint16_t ColoringValueFromEdit(const char* text);

// Five byte values, each painted in a colour of its own.
class ColoringDialog : public DialogBase {
public:
    ColoringDialog(const ColoringRule (&current)[5], COLORREF dataBackground);

    std::array<ColoringRule, 5> rules;
    // The samples show each rule's colour on the data background.
    COLORREF background;

    void OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam) override;
    void OnOK() override;
    INT_PTR OnPaint() override;
};
