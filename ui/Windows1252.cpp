#include "ui/Windows1252.h"

#include <array>

namespace velmora::ui {
namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr unsigned char kFirstHigh = 0x80;
constexpr unsigned char kLastHigh = 0x9F;

} // namespace

char32_t FromWindows1252(unsigned char byte) noexcept
{
    if (byte >= kFirstHigh && byte <= kLastHigh)
        return kHighControls[byte - kFirstHigh];
    return byte;
}

std::optional<unsigned char> ToWindows1252(char32_t character) noexcept
{
    if (character < kFirstHigh || (character > kLastHigh && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character)
            return static_cast<unsigned char>(kFirstHigh + i);
    }
    return std::nullopt;
}

} // namespace velmora::ui
