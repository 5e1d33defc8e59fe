#include "western/SavedReadingFile.h"

#include "ui/Windows1252.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <system_error>

namespace velmora::western {
namespace {

constexpr unsigned char kShift = 85;
constexpr unsigned char kLastShiftable = 255 - kShift; // 170
constexpr char kEscape = '\x1b';
constexpr char kEscapeEnd = ';';
constexpr std::size_t kMaxEscapeDigits = 6;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr const char* kHexDigits = "0123456789ABCDEF";

void appendEscape(std::string& out, char32_t character)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), kHexDigits[character % 16]);
        character /= 16;
    } while (character != 0);
    out += kEscape;
    out += digits;
    out += kEscapeEnd;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isControl(char32_t c)
{
    return c < 32 || c == 127;
}

bool isScalarValue(char32_t c)
{
    return c <= kLastCodePoint && (c < 0xD800 || c > 0xDFFF);
}

// Reads an escape starting at bytes[pos] (the ESC byte); returns the
// character and advances pos past it, or returns nothing and advances pos
// past the ESC byte alone.
std::optional<char32_t> readEscape(std::string_view bytes, std::size_t& pos)
{
    std::size_t end = pos + 1;
    char32_t value = 0;
    while (end < bytes.size() && end - pos - 1 < kMaxEscapeDigits && hexValue(bytes[end]) >= 0) {
        value = value * 16 + static_cast<char32_t>(hexValue(bytes[end]));
        ++end;
    }
    const bool complete = end > pos + 1 && end < bytes.size() && bytes[end] == kEscapeEnd;
    if (!complete || !isScalarValue(value)) {
        ++pos;
        return std::nullopt;
    }
    pos = end + 1;
    return value;
}

} // namespace

std::string EncodeText(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char32_t character : text) {
        const auto byte = ui::ToWindows1252(character);
        if (byte && *byte <= kLastShiftable)
            out += static_cast<char>(*byte + kShift);
        else
            appendEscape(out, character);
    }
    return out;
}

std::u32string DecodeText(std::string_view bytes)
{
    std::u32string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (byte >= kShift) {
            const char32_t character = ui::FromWindows1252(static_cast<unsigned char>(byte - kShift));
            if (!isControl(character))
                out += character;
            ++pos;
        } else if (bytes[pos] == kEscape) {
            if (const auto character = readEscape(bytes, pos); character && !isControl(*character))
                out += *character;
        } else {
            ++pos;
        }
    }
    return out;
}

std::string FormatReadingFile(const ReadingLines& fields)
{
    std::string out;
    for (const std::u32string& field : fields) {
        out += EncodeText(field);
        out += "\r\n";
    }
    return out;
}

std::optional<ReadingLines> ParseReadingFile(std::string_view bytes)
{
    if (bytes.size() > kMaxFileBytes)
        return std::nullopt;
    ReadingLines lines;
    std::size_t pos = 0;
    for (std::u32string& line : lines) {
        if (pos >= bytes.size())
            break;
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        line = DecodeText(bytes.substr(pos, end - pos));
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r')
            ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    // Blank lines may follow the eighth; text may not.
    if (bytes.find_first_not_of("\r\n", pos) != std::string_view::npos)
        return std::nullopt;
    return lines;
}

std::optional<ReadingLines> ReadReadingFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxFileBytes)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    // One byte more than allowed, so a file that grew since its size was
    // taken is seen to be too large rather than read in part.
    std::string bytes(kMaxFileBytes + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return ParseReadingFile(bytes);
}

} // namespace velmora::western
