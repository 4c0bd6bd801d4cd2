#pragma once
#include "dialogs/DialogBase.h"

// The find dialog: searches from the head, backwards or forwards without
// closing; Enter does nothing. The opener keeps text and mode afterwards.
class FindDialog : public DialogBase {
public:
    FindDialog();

    char text[33] = {};
    unsigned char mode = 0;

    void OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam) override;
    void OnOK() override {}

private:
    void ReadControls();
};
