#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// The saved-reading file (.zcm): eight lines, each one entered field of a
// Western reading scrambled by EncodeText and ended by CR LF. The format is
// described in docs/zcm-format.md.
namespace velmora::western::modCheckForUniqueUser {

inline constexpr std::size_t kLineCount = 8;
// A saved reading is a few hundred bytes; reading stops after this much, so
// a huge or endless file costs neither memory nor time.
inline constexpr std::size_t kMaxFileBytes = 64 * 1024;

using ReadingLines = std::array<std::u32string, kLineCount>;

// Windows-1252 characters of codes 0 to 170 become the byte code + 85; any
// other character is kept by an escape of bytes below 85 (see the format
// description), which older readers skip.
std::string EncodeText(std::u32string_view text);
// The inverse; bytes that are neither shifted characters nor a complete
// escape are dropped.
std::u32string DecodeText(std::string_view bytes);

// The whole file for eight fields, each line ended by CR LF.
std::string FormatReadingFile(const ReadingLines& fields);
// Up to eight decoded lines; lines that are missing stay empty. A line ends
// at CR LF, a lone LF or a lone CR.
ReadingLines ParseReadingFile(std::string_view bytes);
// Reads and parses a file; one that cannot be read gives eight empty lines.
ReadingLines ReadReadingFile(const std::filesystem::path& path);

} // namespace velmora::western::modCheckForUniqueUser
