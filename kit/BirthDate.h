#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// Birth dates as the entry windows take them, in plain C++: the date check
// every entry window makes, the ways readings write a date, and one person
// as an entry window hands them to a calculation.
namespace velmora::kit {

// One person's entries: the name in the form the entry window keeps it (as
// typed, or without the blanks around it), and the birth date chosen.
struct BirthDetails {
    std::u16string name;
    std::chrono::year_month_day birthDate;
};

// The longest name an entry window takes, in UTF-16 code units: room for
// 100,000 characters of any script, those outside the Basic Multilingual
// Plane (two units each) included.
inline constexpr std::size_t kMaxNameLength = 250'000;

// The months as the month lists show them and the readings name them.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The month's English name; empty for a month that is not valid.
constexpr std::string_view MonthName(std::chrono::month month) noexcept
{
    return month.ok() ? kMonthNames[static_cast<unsigned>(month) - 1] : std::string_view{};
}

// How a reading writes a birth date.
enum class DateStyle {
    MonthDayYear,       // "March 5, 1980"
    DayMonthYear,       // "5 March 1980"
    DayMonthYearSlashed // "5/March/1980"
};

// The date in the style given, the day and year without leading zeros.
inline std::string DateText(std::chrono::year_month_day date, DateStyle style)
{
    const std::string month(MonthName(date.month()));
    const std::string day = std::to_string(static_cast<unsigned>(date.day()));
    const std::string year = std::to_string(static_cast<int>(date.year()));
    switch (style) {
    case DateStyle::DayMonthYear: return day + " " + month + " " + year;
    case DateStyle::DayMonthYearSlashed: return day + "/" + month + "/" + year;
    case DateStyle::MonthDayYear: break;
    }
    return month + " " + day + ", " + year;
}

enum class DateProblem { None, NoSuchFebruaryDay, NoThirtyFirst };

// The Gregorian rule: 1900 and 2100 have no 29 February, 2000 has one.
constexpr bool IsLeapYear(int year) noexcept
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Checks a date given as list positions (month 0 = January, day 0 = the 1st).
constexpr DateProblem CheckBirthDate(int year, int monthPosition, int dayPosition) noexcept
{
    constexpr int kFebruary = 1;
    constexpr int kThirtyFirst = 30;
    constexpr std::array<int, 4> kThirtyDayMonths = {3, 5, 8, 10}; // April, June, September, November
    const int firstMissingFebruaryDay = IsLeapYear(year) ? 29 : 28; // positions of the 30th or the 29th
    if (monthPosition == kFebruary && dayPosition >= firstMissingFebruaryDay && dayPosition <= kThirtyFirst)
        return DateProblem::NoSuchFebruaryDay;
    for (const int month : kThirtyDayMonths) {
        if (monthPosition == month && dayPosition == kThirtyFirst)
            return DateProblem::NoThirtyFirst;
    }
    return DateProblem::None;
}

} // namespace velmora::kit
