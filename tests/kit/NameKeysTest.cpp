#include "kit/NameKeys.h"

#include <gtest/gtest.h>

TEST(NameKeys, KeepsLettersAsCapitalsPassesThreeKeysAndRefusesTheRest)
{
    struct Case {
        int typed;
        int kept;
    };
    constexpr Case kCases[] = {
        {'a', 'A'}, {'z', 'Z'}, {'q', 'Q'}, {'A', 'A'}, {'Z', 'Z'},         // letters
        {8, 8},     {13, 13},   {32, 32},                                     // backspace, Enter, blank
        {'@', 0},   {'[', 0},   {'`', 0},   {'{', 0},   {'0', 0}, {'9', 0}, // next to the letters, digits
        {'-', 0},   {'\'', 0},  {9, 0},     {27, 0},    {127, 0}, {0xE9, 0}, // hyphen, apostrophe, Tab, Esc, DEL, é
    };
    for (const Case& c : kCases)
        EXPECT_EQ(velmora::kit::FilterNameKey(c.typed), c.kept) << c.typed;
}
