#pragma once

#include <optional>

// The Windows-1252 code page, the single-byte character set of the suite's
// saved files and of the escapes in its rich text. It is read here as a total
// mapping: the five bytes the code page leaves undefined stand for the C1
// control characters of the same number, so every byte has a character and
// decoding then encoding gives every byte back.
namespace velmora::ui {

std::optional<unsigned char> ToWindows1252(char32_t character) noexcept;
char32_t FromWindows1252(unsigned char byte) noexcept;

} // namespace velmora::ui
