#pragma once
#include <array>
#include <string>

#include "dialogs/DialogBase.h"
#include "document/PathText.h"
#include "settings/SettingsFormat.h"

// What the options dialog edits; the opener copies it in and, after OK, back.
struct OptionValues {
    // Insert mode at start, read-only on load, backup on save, Unicode text
    // output: in the order of the check boxes.
    std::array<BOOL, 4> flags;
    // The keypad key for each letter A to F, 0 for none.
    std::array<WORD, numpadKeyCount> numpadKeys;
    PathBuffer calculator;
};

// The index of the later list of the first pair that names the same key,
// or -1 when no key is given twice; lists without a key never clash.
int FirstRepeatedNumpadKey(const std::array<WORD, numpadKeyCount>& keys);

// The four options, the keypad letters and the calculator path; clearing the
// recent-file list from here is done at once, whatever the dialog's outcome.
class OptionsDialog : public DialogBase {
public:
    explicit OptionsDialog(const OptionValues& current);

    OptionValues values;

    void OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam) override;
    void OnOK() override;

private:
    void ClearHistory();
    void BrowseCalculator();
};
