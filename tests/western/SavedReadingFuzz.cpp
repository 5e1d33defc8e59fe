// libFuzzer target for the saved-reading reader: any bytes parse without
// crashing, no line read holds a control character, and every line read
// re-encodes to a text that decodes to itself.
#include "western/SavedReadingFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<velmora::western::ReadingLines> lines = velmora::western::ParseReadingFile(bytes);
    if (!lines)
        return 0;
    for (const std::u32string& line : *lines) {
        for (const char32_t character : line)
            if (character < 32 || character == 127)
                std::abort();
        const std::string encoded = velmora::western::EncodeText(line);
        if (encoded.find_first_of("\r\n") != std::string::npos || velmora::western::DecodeText(encoded) != line)
            std::abort();
    }
    return 0;
}
