#include "view/InputRules.h"

#include "app/FrameWindow.h"
#include "document/HexDigit.h"

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

int TypedDigitValue(WPARAM character)
{
    if (character <= 0xFF)
        return HexDigitValue(static_cast<unsigned char>(character));
    const struct {
        WPARAM first;
        WPARAM count;
        int value;
    } fullWidthDigits[] = {{0x824F, 10, 0}, {0x8260, 6, 10}, {0x8281, 6, 10}};
    for (const auto& run : fullWidthDigits)
        if (character >= run.first && character < run.first + run.count)
            return run.value + static_cast<int>(character - run.first);
    return -1;
}
