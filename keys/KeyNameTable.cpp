#include "keys/KeyNameTable.h"

const KeyName keyNameTable[keyNameCount] = {
    {VK_F1, "F1", anyModifiers},   {VK_F2, "F2", anyModifiers},   {VK_F3, "F3", anyModifiers},
    {VK_F4, "F4", anyModifiers},   {VK_F5, "F5", anyModifiers},   {VK_F6, "F6", anyModifiers},
    {VK_F7, "F7", anyModifiers},   {VK_F8, "F8", anyModifiers},   {VK_F9, "F9", anyModifiers},
    {VK_F10, "F10", anyModifiers}, {VK_F11, "F11", anyModifiers}, {VK_F12, "F12", anyModifiers},
    {VK_ESCAPE, "Esc", anyModifiers},
    {VK_HOME, "Home", anyModifiers},
    {VK_END, "End", anyModifiers},
    {'A', "A", ctrlOrAltOnly}, {'B', "B", ctrlOrAltOnly}, {'C', "C", ctrlOrAltOnly},
    {'D', "D", ctrlOrAltOnly}, {'E', "E", ctrlOrAltOnly}, {'F', "F", ctrlOrAltOnly},
    {'G', "G", ctrlOrAltOnly}, {'H', "H", ctrlOrAltOnly}, {'I', "I", ctrlOrAltOnly},
    {'J', "J", ctrlOrAltOnly}, {'K', "K", ctrlOrAltOnly}, {'L', "L", ctrlOrAltOnly},
    {'M', "M", ctrlOrAltOnly}, {'N', "N", ctrlOrAltOnly}, {'O', "O", ctrlOrAltOnly},
    {'P', "P", ctrlOrAltOnly}, {'Q', "Q", ctrlOrAltOnly}, {'R', "R", ctrlOrAltOnly},
    {'S', "S", ctrlOrAltOnly}, {'T', "T", ctrlOrAltOnly}, {'U', "U", ctrlOrAltOnly},
    {'V', "V", ctrlOrAltOnly}, {'W', "W", ctrlOrAltOnly}, {'X', "X", ctrlOrAltOnly},
    {'Y', "Y", ctrlOrAltOnly}, {'Z', "Z", ctrlOrAltOnly},
};

namespace {

// Locale-independent: only the 26 ASCII letters fold.
char FoldAsciiLetter(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool SameKeyWord(std::string_view text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (FoldAsciiLetter(text[i]) != FoldAsciiLetter(word[i]))
            return false;
    return true;
}

const KeyName* FindKeyByVk(WORD vk)
{
    for (const KeyName& key : keyNameTable)
        if (key.vk == vk)
            return &key;
    return nullptr;
}

const KeyName* FindKeyByName(std::string_view text)
{
    for (const KeyName& key : keyNameTable)
        if (SameKeyWord(text, key.name))
            return &key;
    return nullptr;
}

bool IsKeyListed(const KeyName& key, BYTE modifierMask)
{
    return (key.allowedModifiers & modifierMask) != 0;
}
