#include <gtest/gtest.h>

#include "dialogs/ColoringDialog.h"

TEST(ColoringValueFromEdit, ReadsTwoHexadecimalCharacters)
{
    // A sign is no digit: the rule goes off rather than taking a value no byte has.
    for (const char* text : {"", "G1", "-1", "+1"})
        EXPECT_EQ(ColoringValueFromEdit(text), NoColoringValue) << text;
    const std::pair<const char*, int> values[] = {{"0", 0},    {"00", 0},    {"1G", 1},  {"41", 0x41},
                                                  {"FF", 0xFF}, {"ff", 0xFF}, {" 7", 7}, {"123", 0x12}};
    for (const auto& value : values)
        EXPECT_EQ(ColoringValueFromEdit(value.first), value.second) << value.first;
}
