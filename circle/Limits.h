#pragma once

#include <cstddef>

// The bounds the address-book reader holds against damaged or hostile files.
// Each keeps time and memory linear in the file's size and small in total.
namespace velmora::circle {

// The largest file read. An export with contact photos is a few megabytes for
// hundreds of people; a larger file is refused unread, so an endless or huge
// file costs neither memory nor time. The window checks a file's size against
// it before reading the file into memory.
inline constexpr std::size_t kMaxFileOctets = 32 * 1024 * 1024;

// The longest content line, unfolded. A contact photo of a few megabytes is
// one line; a card with a longer line is not read, and the line is skipped
// unstored as it is read, so even a line as long as the file costs one pass.
inline constexpr std::size_t kMaxLineOctets = 4 * 1024 * 1024;

// The most cards a file may hold. A file with more is refused unread; the
// count stops the reading at the first card over it.
inline constexpr std::size_t kMaxCards = 100'000;

} // namespace velmora::circle
