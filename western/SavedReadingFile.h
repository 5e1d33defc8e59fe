#pragma once

#include "kit/BirthDate.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The saved-reading file (.zcm): eight lines, each one entered field of a
// Western reading scrambled by EncodeText and ended by CR LF. The format is
// described in docs/zcm-format.md.
namespace velmora::western {

inline constexpr std::size_t kLineCount = 8;
// The largest file the reader accepts. A larger one is refused unread, so a
// huge or endless file costs neither memory nor time.
inline constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

// Whatever the entry window accepts fits: a UTF-16 code unit takes at most
// six bytes (an escape of four digits), the six date fields are short list
// entries, and every line ends with two bytes.
inline constexpr std::size_t kMaxBytesPerCodeUnit = 6;
inline constexpr std::size_t kMaxDateFieldLength = 16;
static_assert(2 * kit::kMaxNameLength * kMaxBytesPerCodeUnit + 6 * kMaxDateFieldLength + 2 * kLineCount <= kMaxFileBytes);

using ReadingLines = std::array<std::u32string, kLineCount>;

// Windows-1252 characters of codes 0 to 170 become the byte code + 85; any
// other character is kept by an escape of bytes below 85 (see the format
// description), which older readers skip.
std::string EncodeText(std::u32string_view text);
// The inverse; bytes that are neither shifted characters nor a complete
// escape are dropped, and so are control characters (codes below 32 and 127),
// which no entry box holds.
std::u32string DecodeText(std::string_view bytes);

// The whole file for eight fields, each line ended by CR LF.
std::string FormatReadingFile(const ReadingLines& fields);
// Up to eight decoded lines; lines that are missing stay empty. A line ends
// at CR LF, a lone LF or a lone CR. Nothing when the bytes are not a saved
// reading: more than kMaxFileBytes, or text after the eighth line.
std::optional<ReadingLines> ParseReadingFile(std::string_view bytes);
// Reads and parses a whole file; nothing when it cannot be read or is not a
// saved reading. A file is read whole or not at all.
std::optional<ReadingLines> ReadReadingFile(const std::filesystem::path& path);

} // namespace velmora::western
