#include <gtest/gtest.h>

#include <string>

#include "keys/KeyNameTable.h"
#include "keys/KeyText.h"

namespace {

constexpr BYTE plain = FVIRTKEY | FNOINVERT;

struct ParseCase {
    const char* text;
    BYTE flags;  // 0 when no shortcut is expected
    WORD key;
};

void ExpectParse(const ParseCase& expected)
{
    BYTE flags = 0xEE;
    WORD key = 0xEEEE;
    EXPECT_EQ(ParseKeyText(expected.text, flags, key), expected.key != 0) << expected.text;
    EXPECT_EQ(flags, expected.flags) << expected.text;
    EXPECT_EQ(key, expected.key) << expected.text;
}

} // namespace

TEST(KeyTextNameTable, LookupsAndDialogListing)
{
    int plainCount = 0, ctrlCount = 0;
    for (const KeyName& key : keyNameTable) {
        EXPECT_EQ(FindKeyByVk(key.vk), &key) << key.name;
        EXPECT_EQ(FindKeyByName(key.name), &key) << key.name;
        plainCount += IsKeyListed(key, plain | FSHIFT);
        ctrlCount += IsKeyListed(key, plain | FCONTROL);
    }
    EXPECT_EQ(plainCount, 15);
    EXPECT_EQ(ctrlCount, 41);
    EXPECT_EQ(FindKeyByName("hOmE")->vk, VK_HOME);
    EXPECT_EQ(FindKeyByName("f12")->vk, VK_F12);
    for (const char* unknown : {"F13", "Es", "", "Ａ"})
        EXPECT_EQ(FindKeyByName(unknown), nullptr) << unknown;
    EXPECT_EQ(FindKeyByVk(VK_PRIOR), nullptr);
}

TEST(KeyTextFormat, ShiftCtrlAltThenKeyAndUnknownKeysLeaveModifiers)
{
    EXPECT_EQ(FormatKeyText(plain | FCONTROL, 'N'), "Ctrl+N");
    EXPECT_EQ(FormatKeyText(plain, VK_F3), "F3");
    EXPECT_EQ(FormatKeyText(plain | FALT | FCONTROL | FSHIFT, VK_HOME), "Shift+Ctrl+Alt+Home");
    EXPECT_EQ(FormatKeyText(plain | FCONTROL | FALT, VK_PRIOR), "Ctrl+Alt");
    EXPECT_EQ(FormatKeyText(plain, 0), "");
}

TEST(KeyTextRoundTrip, EveryKeyWithEveryModifierCombination)
{
    for (const KeyName& key : keyNameTable)
        for (int combination = 0; combination < 8; ++combination) {
            auto flags = static_cast<BYTE>(plain | combination << 2);
            ExpectParse({FormatKeyText(flags, key.vk).c_str(), flags, key.vk});
        }
}

TEST(KeyTextParse, WordsInAnyCaseAndOrder)
{
    const ParseCase cases[] = {
        {"ctrl+n", plain | FCONTROL, 'N'},
        {"N+Ctrl", plain | FCONTROL, 'N'},
        {"Ctrl+Shift+Q", plain | FSHIFT | FCONTROL, 'Q'},
        {"Shift+Q", plain | FSHIFT, 'Q'},
        {"A+B", plain, 'A'},
        {"PgUp+B+Alt+A", plain | FALT, 'B'},
        {"++Ctrl++N+", plain | FCONTROL, 'N'},
        {"Ctrl+PgUp", 0, 0},
        {"Shift+Ctrl+Alt", 0, 0},
        {"Ctrl N", 0, 0},
        {"", 0, 0},
        {nullptr, 0, 0},
    };
    for (const ParseCase& c : cases)
        ExpectParse(c);
}

TEST(KeyTextParse, DoubleByteCharactersAreNeverSplit)
{
    const char lastLeadByte[] = "Ctrl+\x81\0+A";
    const ParseCase cases[] = {
        // 0x81 is a lead byte, so "\x81+" is one character and no separator.
        {"\x81+Ctrl+N", plain, 'N'},
        {"Ctrl+\x81+N", 0, 0},
        // 表 ends in 0x5C and ア in 0x41 ('A').
        {"表+Ctrl+N", plain | FCONTROL, 'N'},
        {"ア+Alt", 0, 0},
        {"Ctrl+N+\x81", plain | FCONTROL, 'N'},
        {lastLeadByte, 0, 0},
    };
    for (const ParseCase& c : cases)
        ExpectParse(c);
}

TEST(KeyTextParse, InputOfAnyLength)
{
    std::string longWord = std::string(100000, 'x') + "+Ctrl+N";
    std::string separators = std::string(255, '+') + "Alt+Z";
    std::string leadBytes(255, '\x81');
    ExpectParse({longWord.c_str(), plain | FCONTROL, 'N'});
    ExpectParse({separators.c_str(), plain | FALT, 'Z'});
    ExpectParse({leadBytes.c_str(), 0, 0});
}
