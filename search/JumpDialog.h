#pragma once
#include <cstdint>

#include "dialogs/DialogBase.h"

// The texts last read from the jump dialog, kept until the program ends.
extern char AbsoluteText[9];
extern char RelativeText[9];

// The jump dialog: "移動" goes to an absolute address and closes; "前へ" and
// "次へ" move by a distance and leave it open.
class JumpDialog : public DialogBase {
public:
    JumpDialog();

    void OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam) override;

private:
    void ReadTexts();
    void GoTo(uint32_t target);
};

// An unsigned 32-bit hexadecimal number as strtoul reads one: leading blanks,
// a sign (minus negates modulo 2^32) and a 0x prefix are accepted, reading
// stops at the first other character, no digits give 0 and more than 32 bits
// give FFFFFFFF.
uint32_t ReadJumpText(const char* text);
// caret - distance, but not below 0.
uint32_t JumpBackTarget(uint32_t caret, uint32_t distance);
// caret + distance, but not past size and without wrapping around.
uint32_t JumpForwardTarget(uint32_t caret, uint32_t distance, uint32_t size);
