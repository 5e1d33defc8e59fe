// libFuzzer target for the Windows-1252 code page: the input read as a text
// of 32-bit characters (any value) round-trips through the code page wherever
// the page holds the character, and a character it does not hold is never
// given a byte of another.
#include "ui/Windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using velmora::ui::FromWindows1252;
using velmora::ui::ToWindows1252;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t offset = 0; offset + sizeof(char32_t) <= size; offset += sizeof(char32_t)) {
        char32_t character = 0;
        std::memcpy(&character, data + offset, sizeof character);
        if (const auto byte = ToWindows1252(character)) {
            if (FromWindows1252(*byte) != character)
                std::abort();
        } else if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
            std::abort(); // ASCII and Latin-1 above the C1 range are all in the page
        }
    }
    // Each byte of the input decodes to a character that encodes to it again.
    for (std::size_t i = 0; i < size; ++i) {
        const auto back = ToWindows1252(FromWindows1252(data[i]));
        if (!back || *back != data[i])
            std::abort();
    }
    return 0;
}
