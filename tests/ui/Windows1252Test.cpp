#include "ui/Windows1252.h"

#include <gtest/gtest.h>

using velmora::ui::FromWindows1252;
using velmora::ui::ToWindows1252;

TEST(Windows1252, EveryByteRoundTrips)
{
    for (int byte = 0; byte < 256; ++byte) {
        const auto back = ToWindows1252(FromWindows1252(static_cast<unsigned char>(byte)));
        ASSERT_TRUE(back.has_value()) << byte;
        EXPECT_EQ(*back, byte);
    }
}

TEST(Windows1252, MapsThePunctuationOfThe80To9FRange)
{
    EXPECT_EQ(FromWindows1252(0x80), U'\u20AC');
    EXPECT_EQ(FromWindows1252(0x92), U'\u2019');
    EXPECT_EQ(FromWindows1252(0xE9), U'\u00E9');
    EXPECT_EQ(ToWindows1252(U'\u0141'), std::nullopt); // Polish L with stroke is not in the page
    EXPECT_EQ(ToWindows1252(U'\u041F'), std::nullopt);
}
