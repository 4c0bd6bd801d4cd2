#pragma once
#include <windows.h>

// One toolbar button; its image is its position in the table.
struct ToolbarButton {
    WORD command;
    BYTE style;
    BYTE state;
    const char* tooltip;
};

extern const ToolbarButton toolbarButtons[19];
// Where separators go, as indices into the bar after the earlier ones are in.
extern const int toolbarSeparatorIndices[7];

// The tooltip of a toolbar command, or nullptr for any other id.
const char* ToolbarTooltip(UINT command);
