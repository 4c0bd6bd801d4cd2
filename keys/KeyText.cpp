#include "keys/KeyText.h"

#include <string_view>

#include "document/PathText.h"
#include "keys/KeyNameTable.h"

namespace {

struct ModifierWord {
    BYTE flag;
    const char* word;
};

// In the order FormatKeyText writes them.
constexpr ModifierWord modifierWords[] = {
    {FSHIFT, "Shift"},
    {FCONTROL, "Ctrl"},
    {FALT, "Alt"},
};

void AppendWord(std::string& text, const char* word)
{
    if (!text.empty())
        text += '+';
    text += word;
}

// A trail byte may be any byte, '+' included, so only a lead byte tells
// where a character ends; a lead byte just before the end stands alone.
size_t CharacterLength(const char* p)
{
    return static_cast<size_t>(NextChar(p) - p);
}

// The token starting at text, up to the next single-byte '+' or the end.
std::string_view NextToken(const char* text)
{
    size_t length = 0;
    while (text[length] != '\0' && text[length] != '+')
        length += CharacterLength(text + length);
    return std::string_view(text, length);
}

BYTE ModifierFlagOf(std::string_view token)
{
    for (const ModifierWord& modifier : modifierWords)
        if (SameKeyWord(token, modifier.word))
            return modifier.flag;
    return 0;
}

// The first key name counts; later ones are ignored like unknown words.
void ApplyToken(std::string_view token, BYTE& modifiers, WORD& key)
{
    modifiers |= ModifierFlagOf(token);
    if (key != 0)
        return;
    if (const KeyName* name = FindKeyByName(token))
        key = name->vk;
}

void ApplyTokens(const char* text, BYTE& modifiers, WORD& key)
{
    for (const char* p = text; *p != '\0';) {
        std::string_view token = NextToken(p);
        if (!token.empty())
            ApplyToken(token, modifiers, key);
        p += token.size();
        if (*p == '+')
            ++p;
    }
}

} // namespace

std::string FormatKeyText(BYTE flags, WORD key)
{
    std::string text;
    for (const ModifierWord& modifier : modifierWords)
        if (flags & modifier.flag)
            AppendWord(text, modifier.word);
    if (const KeyName* name = FindKeyByVk(key))
        AppendWord(text, name->name);
    return text;
}

bool ParseKeyText(const char* text, BYTE& flags, WORD& key)
{
    BYTE modifiers = 0;
    WORD found = 0;
    if (text != nullptr)
        ApplyTokens(text, modifiers, found);
    flags = found != 0 ? FVIRTKEY | FNOINVERT | modifiers : 0;
    key = found;
    return found != 0;
}
