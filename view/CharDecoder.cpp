#include "view/CharDecoder.h"

namespace {

enum ByteClass : unsigned char { Other = 0, LeadByte = 1, SingleByteChar = 2 };

struct AnsiCodePage {
    ByteClass classOf[256];
    bool hasLeadBytes;
    bool isShiftJis;
};

// The ANSI code page cannot change while the program runs, so one table serves
// every cell of every paint.
const AnsiCodePage& CodePage()
{
    static const AnsiCodePage page = [] {
        AnsiCodePage p = {};
        UINT acp = GetACP();
        p.isShiftJis = acp == 932;
        for (int b = 0; b < 256; ++b) {
            if (IsDBCSLeadByteEx(acp, static_cast<BYTE>(b))) {
                p.classOf[b] = LeadByte;
                p.hasLeadBytes = true;
            } else if ((b >= 0x20 && b <= 0x7E) || (p.isShiftJis && b >= 0xA1 && b <= 0xDF)) {
                p.classOf[b] = SingleByteChar;
            }
        }
        return p;
    }();
    return page;
}

bool IsLeadByte(unsigned char b)
{
    return CodePage().classOf[b] == LeadByte;
}

DecodedCell AnsiCell(const char* text, int length)
{
    DecodedCell cell;
    if (length <= 0)
        return cell;
    cell.kind = DecodedCell::AnsiText;
    for (int i = 0; i < length; ++i)
        cell.ansi[i] = text[i];
    cell.ansiLength = length;
    return cell;
}

DecodedCell Placeholder()
{
    return AnsiCell(".", 1);
}

DecodedCell SingleByteCell(unsigned char b)
{
    if (CodePage().classOf[b] != SingleByteChar)
        return Placeholder();
    char text = static_cast<char>(b);
    return AnsiCell(&text, 1);
}

DecodedCell WideCell(wchar_t unit)
{
    DecodedCell cell;
    cell.kind = DecodedCell::WideUnit;
    cell.unit = unit;
    return cell;
}

DecodedCell UnicodeToAnsi(wchar_t unit)
{
    const wchar_t text[2] = {unit, 0};
    char converted[3] = {};
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, converted, sizeof converted, nullptr, nullptr);
    // Only a code page with characters longer than two bytes can overflow the
    // buffer; such a unit is as undrawable as one the code page lacks.
    if (length == 0)
        return Placeholder();
    // A unit the code page lacks comes back as the default character "?";
    // only U+003F itself may show one.
    if (unit != L'?' && (converted[0] == '?' || unit < 0x20))
        return Placeholder();
    return AnsiCell(converted, length - 1);
}

DecodedCell DecodeShiftJis(ByteView bytes, uint32_t p, BOOL& skipNextCell)
{
    if (skipNextCell) {
        skipNextCell = FALSE;
        return DecodedCell();
    }
    unsigned char b = bytes.data[p];
    if (p + 1 < bytes.size && IsLeadByte(b)) {
        skipNextCell = TRUE;
        const char pair[2] = {static_cast<char>(b), static_cast<char>(bytes.data[p + 1])};
        return AnsiCell(pair, 2);
    }
    return SingleByteCell(b);
}

DecodedCell DecodeEuc(ByteView bytes, uint32_t p, BOOL& skipNextCell)
{
    if (skipNextCell) {
        skipNextCell = FALSE;
        return DecodedCell();
    }
    unsigned char b = bytes.data[p];
    bool hasNext = p + 1 < bytes.size;
    if (hasNext && b >= 0xA1 && b <= 0xFE) {
        skipNextCell = TRUE;
        uint8_t j1 = static_cast<uint8_t>(b - 0x80);
        uint8_t j2 = static_cast<uint8_t>(bytes.data[p + 1] - 0x80);
        uint16_t code = JisToShiftJis(static_cast<uint16_t>(j1 << 8 | j2));
        if (code == 0)
            return DecodedCell();
        const char pair[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        return AnsiCell(pair, 2);
    }
    // EUC's half-width katakana carry the Shift-JIS code in their second byte.
    if (hasNext && b == 0x8E) {
        skipNextCell = TRUE;
        char kana = static_cast<char>(bytes.data[p + 1]);
        return AnsiCell(&kana, 1);
    }
    return SingleByteCell(b);
}

DecodedCell DecodeUcs2(ByteView bytes, uint32_t p, bool procUnicode)
{
    if (p & 1)
        return DecodedCell();
    // The column always reads little endian; ByteOrder is for the status bar.
    wchar_t unit = bytes.data[p];
    if (p + 1 < bytes.size)
        unit = static_cast<wchar_t>(unit | bytes.data[p + 1] << 8);
    if (!procUnicode)
        return UnicodeToAnsi(unit);
    return WideCell(unit < 0x20 ? L'.' : unit);
}

DecodedCell DecodeUtf8(ByteView bytes, uint32_t p, bool procUnicode)
{
    unsigned char b = bytes.data[p];
    if (b < 0x80)
        return SingleByteCell(b);
    if ((b & 0xC0) == 0x80)
        return DecodedCell();
    int n = 2;
    while (n < 7 && (b >> (7 - n) & 1))
        ++n;
    // Deliberately lenient: following bytes are not checked, a truncated
    // sequence keeps its shifted value, and only 16 bits survive.
    uint16_t v = static_cast<uint16_t>(b & ((1u << (7 - n)) - 1));
    for (int k = 1; k < n; ++k) {
        v = static_cast<uint16_t>(v << 6);
        if (p + k >= bytes.size)
            break;
        v = static_cast<uint16_t>(v + (bytes.data[p + k] & 0x3F));
    }
    if (!procUnicode)
        return UnicodeToAnsi(v);
    return v == 0 ? DecodedCell() : WideCell(v);
}

} // namespace

DecodedCell DecodeCell(CharCode code, ByteView bytes, uint32_t p, BOOL& skipNextCell, bool procUnicode)
{
    if (p >= bytes.size)
        return DecodedCell();
    switch (code) {
    case ShiftJis:
        return DecodeShiftJis(bytes, p, skipNextCell);
    case Euc:
        return DecodeEuc(bytes, p, skipNextCell);
    case Ucs2:
        return DecodeUcs2(bytes, p, procUnicode);
    case Utf8:
        return DecodeUtf8(bytes, p, procUnicode);
    default:
        return SingleByteCell(bytes.data[p]);
    }
}

BOOL ShiftJisStartState(ByteView bytes, uint32_t pos)
{
    if (pos >= bytes.size || !CodePage().hasLeadBytes)
        return FALSE;
    // A byte that is not a lead byte always ends a character, so decoding is in
    // step right after it; the lead bytes from there to pos pair off. Scanning
    // back only over that run keeps text without zero bytes from being
    // re-read from its start on every paint.
    uint32_t run = 0;
    while (run < pos && IsLeadByte(bytes.data[pos - 1 - run]))
        ++run;
    return run & 1;
}

BOOL EucStartState(ByteView bytes, uint32_t pos)
{
    if (pos >= bytes.size)
        return FALSE;
    uint32_t run = 0;
    while (run < pos && bytes.data[pos - 1 - run] >= 0xA1 && bytes.data[pos - 1 - run] <= 0xFE)
        ++run;
    return run & 1;
}

CellSpan CellsReadingByte(CharCode code, ByteView bytes, uint32_t p)
{
    switch (code) {
    case ShiftJis:
    case Euc: {
        auto startsPair = [code](unsigned char b) {
            return code == ShiftJis ? IsLeadByte(b) : (b >= 0xA1 && b <= 0xFE) || b == 0x8E;
        };
        uint32_t last = p + 1;
        while (last + 1 < bytes.size && startsPair(bytes.data[last]))
            ++last;
        return {p > 0 ? p - 1 : 0, last};
    }
    case Ucs2:
        return {p & ~1u, p | 1u};
    case Utf8:
        // The lead bytes 0xFE and 0xFF read the six bytes after them.
        return {p > 6 ? p - 6 : 0, p};
    default:
        return {p, p};
    }
}

uint16_t JisToShiftJis(uint16_t jis)
{
    if (!CodePage().isShiftJis)
        return jis;
    unsigned j1 = jis >> 8;
    unsigned j2 = jis & 0xFF;
    if (j1 < 0x21 || j1 > 0x7E || j2 < 0x21 || j2 > 0x7E)
        return 0;
    unsigned high = (j1 - 0x21) / 2 + 0x81;
    if (high >= 0xA0)
        high += 0x40;
    unsigned low;
    if (j1 & 1)
        low = j2 + 0x1F + (j2 >= 0x60 ? 1 : 0);
    else
        low = j2 + 0x7E;
    return static_cast<uint16_t>(high << 8 | low);
}
