#include "app/StatusPaneText.h"

#include <cctype>
#include <cstdio>

namespace {

uint32_t ByteAt(const unsigned char* data, uint32_t size, uint32_t caret, uint32_t index)
{
    return index < size - caret ? data[caret + index] : 0;
}

} // namespace

std::string PositionPaneText(const unsigned char* data, uint32_t size, uint32_t caret, ByteOrder order)
{
    uint32_t b[4] = {};
    if (caret < size)
        for (uint32_t i = 0; i < 4; ++i)
            b[i] = ByteAt(data, size, caret, i);
    uint32_t w16, w32;
    if (order == BigEndian) {
        w16 = b[0] << 8 | b[1];
        w32 = b[0] << 24 | b[1] << 16 | b[2] << 8 | b[3];
    } else {
        w16 = b[0] | b[1] << 8;
        w32 = b[0] | b[1] << 8 | b[2] << 16 | b[3] << 24;
    }
    char text[64];
    std::snprintf(text, sizeof text, "0x%08X : %3u , %5u , %10u", caret, b[0], w16, w32);
    return text;
}

std::string WidestPositionPaneText(char hexDigit, char decimalDigit)
{
    const unsigned char allOnes[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    std::string text = PositionPaneText(allOnes, 4, 0, LittleEndian);
    // After the "0x" come the eight digits of the offset.
    const size_t offsetEnd = 10;
    for (size_t i = 2; i < text.size(); ++i)
        if (std::isxdigit(static_cast<unsigned char>(text[i])))
            text[i] = i < offsetEnd ? hexDigit : decimalDigit;
    return text;
}

std::string BitPaneText(const unsigned char* data, uint32_t size, uint32_t caret)
{
    unsigned value = caret < size ? data[caret] : 0;
    std::string bits;
    for (int bit = 7; bit >= 0; --bit)
        bits += (value >> bit & 1) ? '1' : '0';
    return bits;
}

const char* CharCodePaneText(unsigned code)
{
    static const char* const names[] = {"ASCII", "S-JIS", "EUC", "UCS2", "UTF-8"};
    return code < 5 ? names[code] : names[0];
}

const char* InsertModePaneText(bool insertMode)
{
    return insertMode ? "挿入" : "上書";
}

const char* ReadOnlyPaneText(bool readOnly)
{
    return readOnly ? "編集禁止" : "";
}

std::string CaptionText(const char* fileTitle, bool modified)
{
    std::string caption = fileTitle;
    if (modified)
        caption += " *";
    caption += " - ZORIX Binary Editor";
    return caption;
}
