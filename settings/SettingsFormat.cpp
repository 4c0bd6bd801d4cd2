#include "settings/SettingsFormat.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "document/PathText.h"

namespace {

constexpr size_t colorFieldStride = 7;
constexpr size_t coloringEntryLength = 10;
constexpr size_t coloringColorOffset = 3;
constexpr size_t maxPathLength = MAX_PATH - 1;

struct NumpadName {
    WORD vk;
    const char* name;
};

constexpr NumpadName numpadNames[] = {
    {VK_DIVIDE, "/"}, {VK_MULTIPLY, "*"}, {VK_SUBTRACT, "-"},
    {VK_ADD, "+"},    {VK_RETURN, "Enter"}, {VK_DECIMAL, "."},
};

// The text from the position on; past the end the value reads as empty, as
// the cleared read buffer of the profile call would give.
const char* FieldAt(const char* value, size_t position)
{
    return position < std::strlen(value) ? value + position : "";
}

std::string HexDigits(unsigned value, int width)
{
    char text[12];
    std::snprintf(text, sizeof text, "%0*X", width, value);
    return text;
}

std::string FormatColoringEntry(const ColoringRule& rule)
{
    std::string byte = rule.value == NoColoringValue ? "--" : HexDigits(rule.value & 0xFFu, 2);
    return byte + "," + FormatColor(rule.color) + ",";
}

// A lead byte takes the next byte along, unless it is the last byte.
size_t CharacterLengthAt(const std::string& text, size_t i)
{
    const char* character = text.c_str() + i;
    return static_cast<size_t>(NextChar(character) - character);
}

// A trail byte of 0x5C belongs to its character and is no path separator.
bool EndsWithBackslash(const std::string& text)
{
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += CharacterLengthAt(text, i))
        last = i;
    return !text.empty() && CharacterLengthAt(text, last) == 1 && text[last] == '\\';
}

// The longest prefix of at most limit bytes that ends on a character boundary.
size_t CharacterBoundaryWithin(const std::string& text, size_t limit)
{
    size_t end = 0;
    while (end < text.size() && end + CharacterLengthAt(text, end) <= limit)
        end += CharacterLengthAt(text, end);
    return end;
}

} // namespace

COLORREF SwapRedBlue(DWORD color)
{
    return ((color >> 16) & 0xFF) | (color & 0xFF00) | ((color & 0xFF) << 16);
}

COLORREF ReadColorField(const char* value, size_t position)
{
    long rgb = std::strtol(FieldAt(value, position), nullptr, 16);
    return SwapRedBlue(static_cast<DWORD>(rgb));
}

std::array<COLORREF, 3> ReadColorTriple(const char* value)
{
    return {ReadColorField(value, 0), ReadColorField(value, colorFieldStride),
            ReadColorField(value, 2 * colorFieldStride)};
}

std::string FormatColor(COLORREF color)
{
    return HexDigits(SwapRedBlue(color), 6);
}

std::string FormatColorTriple(const std::array<COLORREF, 3>& colors)
{
    return FormatColor(colors[0]) + "," + FormatColor(colors[1]) + "," + FormatColor(colors[2]);
}

ColoringRule ReadColoringRule(const char* value, int index)
{
    size_t entry = coloringEntryLength * static_cast<size_t>(index);
    return {ParseColoringValue(FieldAt(value, entry)),
            ReadColorField(value, entry + coloringColorOffset)};
}

std::string FormatColoring(const ColoringRule (&rules)[5])
{
    std::string text;
    for (const ColoringRule& rule : rules)
        text += FormatColoringEntry(rule);
    text.pop_back();
    return text;
}

WORD NumpadKeyFromName(const char* name)
{
    for (const NumpadName& key : numpadNames)
        if (std::strcmp(name, key.name) == 0)
            return key.vk;
    return 0;
}

const char* NumpadKeyName(WORD vk)
{
    for (const NumpadName& key : numpadNames)
        if (key.vk == vk)
            return key.name;
    return "";
}

unsigned char FindModeFromSetting(unsigned value)
{
    unsigned low = value & 0xFF;
    return low <= 2 ? static_cast<unsigned char>(low) : 0;
}

int FontSizeFromSetting(int points)
{
    return points >= MinFontPoints && points <= MaxFontPoints ? points : DefaultFontSize;
}

std::string DefaultCalculatorPath(const char* folder)
{
    std::string path = folder;
    if (!EndsWithBackslash(path))
        path += '\\';
    path += "CALC.EXE";
    path.resize(CharacterBoundaryWithin(path, maxPathLength));
    return path;
}
