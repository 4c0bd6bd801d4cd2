#pragma once
#include "dialogs/DialogBase.h"

// The about box: the program's name, version and where its help is.
class AboutDialog : public DialogBase {
public:
    AboutDialog();
    void OnInitDialog() override;
};
