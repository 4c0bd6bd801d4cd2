#include "view/InputRules.h"

#include "app/FrameWindow.h"

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
