#include "circle/ContentLine.h"

#include <algorithm>
#include <array>

namespace velmora::circle {
namespace {

constexpr char upper(char c) noexcept
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The parameters of 2.1's bare form that name an encoding, and what each is.
struct BareEncoding {
    std::string_view name;
    Encoding encoding;
};
constexpr std::array<BareEncoding, 5> kEncodings = {{
    {"QUOTED-PRINTABLE", Encoding::QuotedPrintable},
    {"7BIT",             Encoding::Plain},
    {"8BIT",             Encoding::Plain},
    {"BASE64",           Encoding::Other},
    {"B",                Encoding::Other},
}};

std::optional<Encoding> encodingNamed(std::string_view name) noexcept
{
    for (const BareEncoding& row : kEncodings) {
        if (equalsIgnoringCase(name, row.name))
            return row.encoding;
    }
    return std::nullopt;
}

// The parts of `text` between the separators that stand outside double quotes.
std::vector<std::string_view> splitOutsideQuotes(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == separator && !quoted) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The colon between the parameters and the value: the first outside double
// quotes, which may hold colons (4.0's GEO="geo:...").
std::optional<std::size_t> valueColon(std::string_view line) noexcept
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return std::nullopt;
}

Parameter parseParameter(std::string_view raw)
{
    const std::string_view text = trimBlanks(raw);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return {{}, text, raw};
    std::string_view value = trimBlanks(text.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return {trimBlanks(text.substr(0, equals)), value, raw};
}

// The group, name and parameters before the colon.
struct Head {
    std::string_view group;
    std::string_view name;
    std::vector<Parameter> parameters;
};

Head parseHead(std::string_view head)
{
    std::vector<std::string_view> parts = splitOutsideQuotes(head, ';');
    Head parsed;
    std::string_view qualified = trimBlanks(parts.front());
    const std::size_t dot = qualified.rfind('.');
    if (dot != std::string_view::npos) {
        parsed.group = qualified.substr(0, dot);
        qualified = qualified.substr(dot + 1);
    }
    parsed.name = qualified;
    for (std::size_t i = 1; i < parts.size(); ++i)
        parsed.parameters.push_back(parseParameter(parts[i]));
    return parsed;
}

Encoding encodingOf(const std::vector<Parameter>& parameters) noexcept
{
    for (const Parameter& parameter : parameters) {
        if (equalsIgnoringCase(parameter.name, "ENCODING"))
            return encodingNamed(parameter.value).value_or(Encoding::Other);
        if (parameter.name.empty()) {
            if (const auto bare = encodingNamed(parameter.value))
                return *bare;
        }
    }
    return Encoding::Plain;
}

} // namespace

bool ContentLine::isNamed(std::string_view wanted) const noexcept
{
    return equalsIgnoringCase(name, wanted);
}

std::optional<std::string_view> ContentLine::parameter(std::string_view wanted) const noexcept
{
    for (const Parameter& p : parameters) {
        if (equalsIgnoringCase(p.name, wanted))
            return p.value;
    }
    return std::nullopt;
}

Encoding ContentLine::encoding() const noexcept
{
    return encodingOf(parameters);
}

std::optional<ContentLine> parseContentLine(std::string_view line)
{
    const auto colon = valueColon(line);
    if (!colon)
        return std::nullopt;
    Head head = parseHead(line.substr(0, *colon));
    if (head.name.empty())
        return std::nullopt;
    return ContentLine{head.group, head.name, std::move(head.parameters), line.substr(*colon + 1)};
}

bool headIsQuotedPrintable(std::string_view head)
{
    return encodingOf(parseHead(head).parameters) == Encoding::QuotedPrintable;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return upper(x) == upper(y); });
}

std::string_view trimBlanks(std::string_view text) noexcept
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string unescapeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[i + 1];
        if (next == ',' || next == ';' || next == '\\')
            out += next;
        else if (next == 'n' || next == 'N')
            out += '\n';
        else {
            out += '\\';
            out += next;
        }
        ++i;
    }
    return out;
}

std::string escapeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\\' || c == ',' || c == ';')
            out += '\\';
        out += c;
    }
    return out;
}

std::vector<std::string_view> splitEscaped(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i; // the escaped character is never a separator
        else if (text[i] == separator) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace velmora::circle
