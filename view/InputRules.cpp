#include "view/InputRules.h"

#include "app/FrameWindow.h"

int HexDigitValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

char NumpadLetter(const NumpadKey (&keys)[6], WPARAM vk, LPARAM keyData)
{
    const LPARAM extendedKey = 1 << 24;
    if (vk == VK_RETURN && !(keyData & extendedKey))
        return 0;
    for (const NumpadKey& key : keys)
        if (key.vk != 0 && key.vk == vk)
            return key.letter;
    return 0;
}
