#pragma once
#include <array>

#include "dialogs/DialogBase.h"

// The seven display colours, each picked with the system's colour picker and
// shown at once in the samples.
class DisplayColorDialog : public DialogBase {
public:
    explicit DisplayColorDialog(const COLORREF (&current)[7]);

    // Indexed like displayColors.
    std::array<COLORREF, 7> colors;

    INT_PTR OnCommand(WPARAM wParam) override;
    INT_PTR OnPaint() override;

private:
    void DrawSample(int sampleId, int textIndex, int backIndex) const;
};
