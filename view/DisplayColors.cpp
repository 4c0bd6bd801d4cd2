#include "view/DisplayColors.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

COLORREF displayColors[7] = {
    RGB(0, 0, 0), RGB(0xC0, 0xC0, 0xC0), RGB(0, 0, 0), RGB(0xFF, 0xFF, 0xFF),
    RGB(0xFF, 0xFF, 0xFF), RGB(0, 0, 0x80), RGB(0xFF, 0, 0),
};

ColoringRule coloringRules[5] = {
    {NoColoringValue, 0}, {NoColoringValue, 0}, {NoColoringValue, 0}, {NoColoringValue, 0}, {NoColoringValue, 0},
};

void SetDisplayColor(int index, COLORREF color)
{
    displayColors[index] = color;
}

uint16_t ParseColoringValue(const char* text)
{
    // A byte value has no sign: "-1" must not wrap round to a value no byte has.
    const char* digits = text + std::strspn(text, " \t\n\v\f\r");
    bool number = std::isxdigit(static_cast<unsigned char>(*digits)) != 0;
    auto value = static_cast<uint16_t>(number ? std::strtoul(digits, nullptr, 16) : 0);
    if (value == 0 && text[0] != '0')
        return NoColoringValue;
    return value;
}

void SetColoringRule(int index, const char* text, COLORREF color)
{
    coloringRules[index] = {ParseColoringValue(text), color};
}

bool FindColoringColor(unsigned char byte, COLORREF& color)
{
    for (const ColoringRule& rule : coloringRules)
        if (rule.value == byte) {
            color = rule.color;
            return true;
        }
    return false;
}
