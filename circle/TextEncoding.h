#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text encodings an address book's values come in, decoded to UTF-8, and
// the UTF-16 the suite keeps names in.
namespace velmora::circle {

// The character sets the reader decodes. ISO-8859-1 is read as Windows-1252,
// as web browsers read it: the two differ only in 0x80 to 0x9F, where
// ISO-8859-1 has control characters no name or note means.
enum class Charset { Utf8, Windows1252, Unknown };

// By its name in a CHARSET parameter, in any case.
Charset charsetNamed(std::string_view name) noexcept;

bool isAscii(std::string_view bytes) noexcept;
// Well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool isValidUtf8(std::string_view bytes) noexcept;
std::string windows1252ToUtf8(std::string_view bytes);

// Quoted-printable as vCard 2.1 writes it, soft line breaks already joined:
// nothing when an "=" is not followed by two hex digits or an octet is not
// 7-bit.
std::optional<std::string> decodeQuotedPrintable(std::string_view text);

// From valid UTF-8; anything ill-formed becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

} // namespace velmora::circle
