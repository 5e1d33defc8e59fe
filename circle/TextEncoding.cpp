#include "circle/TextEncoding.h"

#include "circle/ContentLine.h"
#include "ui/Windows1252.h"

#include <algorithm>
#include <array>

namespace velmora::circle {
namespace {

struct CharsetName {
    std::string_view name;
    Charset charset;
};

// US-ASCII is a subset of UTF-8 and read as UTF-8.
constexpr std::array<CharsetName, 11> kCharsetNames = {{
    {"ASCII",        Charset::Utf8},
    {"CP1252",       Charset::Windows1252},
    {"ISO-8859-1",   Charset::Windows1252},
    {"ISO8859-1",    Charset::Windows1252},
    {"ISO_8859-1",   Charset::Windows1252},
    {"LATIN1",       Charset::Windows1252},
    {"US-ASCII",     Charset::Utf8},
    {"UTF-8",        Charset::Utf8},
    {"UTF8",         Charset::Utf8},
    {"WINDOWS-1252", Charset::Windows1252},
    {"X-CP1252",     Charset::Windows1252},
}};

constexpr char32_t kReplacement = 0xFFFD;

// The character at the start of `bytes` and its length in octets; length 0
// where the bytes there are not well-formed UTF-8.
struct Decoded {
    char32_t character;
    std::size_t length;
};

Decoded decodeUtf8(std::string_view bytes) noexcept
{
    const auto octet = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = octet(0);
    if (lead < 0x80)
        return {lead, 1};
    // Lead octet ranges: length, the value bits of the lead, and the range of
    // the second octet that keeps the form shortest and below U+110000 and
    // outside the surrogates.
    struct Form {
        unsigned char firstLead, lastLead;
        std::size_t length;
        unsigned char leadBits, secondLow, secondHigh;
    };
    static constexpr std::array<Form, 7> kForms = {{
        {0xC2, 0xDF, 2, 0x1F, 0x80, 0xBF},
        {0xE0, 0xE0, 3, 0x0F, 0xA0, 0xBF},
        {0xE1, 0xEC, 3, 0x0F, 0x80, 0xBF},
        {0xED, 0xED, 3, 0x0F, 0x80, 0x9F},
        {0xEE, 0xEF, 3, 0x0F, 0x80, 0xBF},
        {0xF0, 0xF0, 4, 0x07, 0x90, 0xBF},
        {0xF1, 0xF4, 4, 0x07, 0x80, 0xBF},
    }};
    for (const Form& form : kForms) {
        if (lead < form.firstLead || lead > form.lastLead)
            continue;
        if (bytes.size() < form.length)
            return {0, 0};
        const unsigned char second = octet(1);
        const unsigned char secondHigh = lead == 0xF4 ? 0x8F : form.secondHigh;
        if (second < form.secondLow || second > secondHigh)
            return {0, 0};
        char32_t character = lead & form.leadBits;
        for (std::size_t i = 1; i < form.length; ++i) {
            if ((octet(i) & 0xC0) != 0x80)
                return {0, 0};
            character = (character << 6) | (octet(i) & 0x3F);
        }
        return {character, form.length};
    }
    return {0, 0};
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int hexValue(char c) noexcept
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

Charset charsetNamed(std::string_view name) noexcept
{
    for (const CharsetName& row : kCharsetNames) {
        if (equalsIgnoringCase(name, row.name))
            return row.charset;
    }
    return Charset::Unknown;
}

bool isAscii(std::string_view bytes) noexcept
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isValidUtf8(std::string_view bytes) noexcept
{
    while (!bytes.empty()) {
        const std::size_t length = decodeUtf8(bytes).length;
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(out, ui::FromWindows1252(static_cast<unsigned char>(byte)));
    return out;
}

std::optional<std::string> decodeQuotedPrintable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80)
            return std::nullopt;
        if (c != '=') {
            out += c;
            continue;
        }
        if (text.size() - i < 3)
            return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::u16string utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        Decoded decoded = decodeUtf8(utf8);
        if (decoded.length == 0)
            decoded = {kReplacement, 1};
        if (decoded.character >= 0x10000) {
            const char32_t offset = decoded.character - 0x10000;
            out += static_cast<char16_t>(0xD800 + (offset >> 10));
            out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        } else {
            out += static_cast<char16_t>(decoded.character);
        }
        utf8.remove_prefix(decoded.length);
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(utf16[i + 1]) - 0xDC00));
            ++i;
        } else {
            appendUtf8(out, high || low ? kReplacement : unit);
        }
    }
    return out;
}

} // namespace velmora::circle
