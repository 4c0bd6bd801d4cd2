#include <gtest/gtest.h>

#include "dialogs/OptionsDialog.h"

TEST(FirstRepeatedNumpadKey, NamesTheLaterListOfTheFirstPair)
{
    EXPECT_EQ(FirstRepeatedNumpadKey({0, 0, 0, 0, 0, 0}), -1);
    EXPECT_EQ(FirstRepeatedNumpadKey({VK_DIVIDE, VK_MULTIPLY, VK_SUBTRACT, VK_ADD, VK_RETURN, VK_DECIMAL}), -1);
    EXPECT_EQ(FirstRepeatedNumpadKey({VK_DIVIDE, VK_DIVIDE, 0, 0, 0, 0}), 1);
    // Pairs are taken from the first list on: A with F comes before B with C.
    EXPECT_EQ(FirstRepeatedNumpadKey({VK_ADD, VK_RETURN, VK_RETURN, 0, 0, VK_ADD}), 5);
}
