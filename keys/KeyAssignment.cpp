#include "keys/KeyAssignment.h"

#include "keys/KeyTable.h"

KeyAssignments AssignmentsFrom(const KeyTable& keys)
{
    KeyAssignments rows;
    for (int i = 0; i < commandCount; ++i) {
        const ACCEL* entry = keys.Find(commandTable[i].id);
        rows[i] = entry ? KeyAssignment{entry->fVirt, entry->key, entry->cmd} : KeyAssignment{0, 0, commandTable[i].id};
    }
    return rows;
}

void ApplyAssignments(const KeyAssignments& rows, KeyTable& keys, HMENU menu)
{
    keys.ClearEntries();
    for (const KeyAssignment& row : rows)
        if (row.key != 0)
            keys.AddEntry(row.flags, row.key, row.cmd);
    keys.SetAllMenuTexts(menu);
    keys.DestroyHandle();
    keys.BuildHandle();
}

BYTE ModifierMask(bool shift, bool ctrl, bool alt)
{
    return FVIRTKEY | FNOINVERT | (shift ? FSHIFT : 0) | (ctrl ? FCONTROL : 0) | (alt ? FALT : 0);
}

std::vector<const KeyName*> ListedKeys(BYTE modifierMask)
{
    std::vector<const KeyName*> listed;
    for (const KeyName& key : keyNameTable)
        if (IsKeyListed(key, modifierMask))
            listed.push_back(&key);
    return listed;
}

int KeyListSelection(const std::vector<const KeyName*>& listed, WORD rememberedKey)
{
    for (size_t i = 0; i < listed.size(); ++i)
        if (listed[i]->vk == rememberedKey)
            return static_cast<int>(i);
    return 0;
}

bool IsTakenByOtherRow(const KeyAssignments& rows, int row, BYTE flags, WORD key)
{
    for (int i = 0; i < commandCount; ++i)
        if (i != row && rows[i].flags == flags && rows[i].key == key)
            return true;
    return false;
}
