#pragma once
#include <windows.h>

#include <array>
#include <vector>

#include "keys/CommandTable.h"
#include "keys/KeyNameTable.h"

class KeyTable;

// One command's shortcut in the key assignment dialog's working copy;
// flags and key are 0 when the command has none.
struct KeyAssignment {
    BYTE flags;
    WORD key;
    WORD cmd;
};

// One row per command, in the order of the command table.
using KeyAssignments = std::array<KeyAssignment, commandCount>;

// Each command's first shortcut in the table, or none.
KeyAssignments AssignmentsFrom(const KeyTable& keys);
// Puts the rows into effect at once: the table's entries become the rows that
// have a key, in row order; every menu label and the accelerator handle follow.
void ApplyAssignments(const KeyAssignments& rows, KeyTable& keys, HMENU menu);

// The flags of a shortcut made with the checked modifier boxes.
BYTE ModifierMask(bool shift, bool ctrl, bool alt);
// The keys that may go with the modifiers, in key name table order.
std::vector<const KeyName*> ListedKeys(BYTE modifierMask);
// The item to select in a refilled key list: the remembered key's while it
// is still listed, the first item otherwise.
int KeyListSelection(const std::vector<const KeyName*>& listed, WORD rememberedKey);
// Whether a row other than row already has exactly this shortcut.
bool IsTakenByOtherRow(const KeyAssignments& rows, int row, BYTE flags, WORD key);
