#include "circle/Birthday.h"

#include <algorithm>
#include <array>

namespace velmora::circle {
namespace {

using namespace std::chrono;

bool allDigits(std::string_view text) noexcept
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits) noexcept
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// The date forms: Y, M and D stand for the digits of the year, month and
// day, '-' for a hyphen.
constexpr std::array<std::string_view, 4> kDateForms = {
    "YYYY-MM-DD",   // 1985-04-12
    "YYYYMMDD",     // 19850412
    "--MM-DD",      // --04-12
    "--MMDD",       // --0412
};

struct DateFields {
    std::string_view year; // empty without a year
    std::string_view month;
    std::string_view day;
};

std::optional<DateFields> matchForm(std::string_view text, std::string_view pattern) noexcept
{
    if (text.size() != pattern.size())
        return std::nullopt;
    const auto field = [&](char letter) {
        const std::size_t first = pattern.find(letter);
        return first == std::string_view::npos ? std::string_view{}
                                               : text.substr(first, pattern.find_last_of(letter) - first + 1);
    };
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '-' ? text[i] != '-' : !allDigits(text.substr(i, 1)))
            return std::nullopt;
    }
    return DateFields{field('Y'), field('M'), field('D')};
}

// The time after "T": digits, separators and a zone, as ISO 8601 writes them.
bool isTime(std::string_view time) noexcept
{
    return !time.empty() && allDigits(time.substr(0, 1)) &&
           std::all_of(time.begin(), time.end(), [](char c) {
               return (c >= '0' && c <= '9') || c == ':' || c == '.' || c == ',' || c == '+' || c == '-' ||
                      c == 'Z' || c == 'z';
           });
}

} // namespace

std::variant<Birthday, NotReadReason> readBirthday(std::string_view text, std::optional<std::string_view> placeholderYear)
{
    const std::size_t t = text.find_first_of("Tt");
    const std::string_view date = text.substr(0, t);
    if (t != std::string_view::npos && !isTime(text.substr(t + 1)))
        return NotReadReason::BirthdayNotADate;
    std::optional<DateFields> fields;
    for (const std::string_view pattern : kDateForms) {
        if ((fields = matchForm(date, pattern)))
            break;
    }
    if (!fields)
        return NotReadReason::BirthdayNotADate;
    if (placeholderYear && fields->year == *placeholderYear)
        fields->year = {};
    const month m{static_cast<unsigned>(number(fields->month))};
    const day d{static_cast<unsigned>(number(fields->day))};
    if (fields->year.empty())
        return (m / d).ok() ? std::variant<Birthday, NotReadReason>(Birthday{m, d, std::nullopt})
                            : NotReadReason::ImpossibleDate;
    const year y{number(fields->year)};
    if (!(y / m / d).ok())
        return NotReadReason::ImpossibleDate;
    if (y < year{kFirstYear} || y > year{kLastYear})
        return NotReadReason::YearOutOfRange;
    return Birthday{m, d, y};
}

std::string birthdayText(const Birthday& birthday)
{
    const auto digits = [](std::string& out, unsigned value, int width) {
        std::string field(static_cast<std::size_t>(width), '0');
        for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10)
            field[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        out += field;
    };
    std::string text;
    if (birthday.year)
        digits(text, static_cast<unsigned>(static_cast<int>(*birthday.year)), 4);
    else
        text = "--";
    digits(text, static_cast<unsigned>(birthday.month), 2);
    digits(text, static_cast<unsigned>(birthday.day), 2);
    return text;
}

} // namespace velmora::circle
