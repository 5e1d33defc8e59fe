#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One unfolded line of a vCard, [group "."] name *(";" parameter) ":" value,
// in the forms of versions 2.1, 3.0 and 4.0, and the escapes of its text
// values. Names and parameter names are matched without regard to case.
namespace velmora::circle {

struct Parameter {
    std::string_view name;  // empty for 2.1's bare form: ";WORK", ";QUOTED-PRINTABLE"
    std::string_view value; // without the double quotes around it
    std::string_view raw;   // as written between its semicolons
};

enum class Encoding { Plain, QuotedPrintable, Other };

struct ContentLine {
    std::string_view group; // "item1" of "item1.TEL"; empty without one
    std::string_view name;
    std::vector<Parameter> parameters;
    std::string_view value;

    bool isNamed(std::string_view name) const noexcept;
    // The value of the first parameter of this name, if any.
    std::optional<std::string_view> parameter(std::string_view name) const noexcept;
    // ENCODING=..., or 2.1's bare QUOTED-PRINTABLE, BASE64, 7BIT or 8BIT.
    Encoding encoding() const noexcept;
};

// Nothing for a line without a colon outside double quotes, or with no name
// before it. The views point into `line`.
std::optional<ContentLine> parseContentLine(std::string_view line);

// Whether the name and parameters before a line's colon ask for
// quoted-printable, whose lines a soft line break ("=" at the end) continues.
bool headIsQuotedPrintable(std::string_view head);

bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept;
// Without the spaces and tabs around it.
std::string_view trimBlanks(std::string_view text) noexcept;

// A text value's escapes undone: "\," "\;" "\\" and "\n" or "\N" (a line
// feed). A backslash before anything else stays as written.
std::string unescapeText(std::string_view text);
// The text escaped so that unescapeText gives it back: backslash, comma,
// semicolon and line feed.
std::string escapeText(std::string_view text);
// The parts of an escaped value between separators that no backslash escapes,
// still escaped: a structured value's components, or a component's values.
std::vector<std::string_view> splitEscaped(std::string_view text, char separator);

} // namespace velmora::circle
