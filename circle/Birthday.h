#pragma once

#include "circle/Reasons.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// A person's birthday as a vCard's BDAY gives it: a day of a month, and the
// year where the card gives one.
namespace velmora::circle {

struct Birthday {
    std::chrono::month month;
    std::chrono::day day;
    std::optional<std::chrono::year> year;

    friend bool operator==(const Birthday&, const Birthday&) = default;
};

// The years the calculators' year lists offer; the reason text names them.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2050;
static_assert(kFirstYear == 1900 && kLastYear == 2050);

// The birthday as a date: one without a year is read in a leap year, so that
// 29 February is a date; the Western and Egyptian signs go by month and day
// alone. Not ok() for a day the month does not have.
constexpr std::chrono::year_month_day DateOf(const Birthday& birthday) noexcept
{
    constexpr std::chrono::year kLeapYear{2000};
    return {birthday.year.value_or(kLeapYear), birthday.month, birthday.day};
}

// Reads a BDAY value, already decoded: 1985-04-12, 19850412, either with a
// time after "T" (1985-04-12T10:00:00Z, 19850412T100000; the date is taken as
// written, whatever the time zone), or without a year: --0412, --04-12.
// `placeholderYear` is the X-APPLE-OMIT-YEAR parameter's value, with which
// some address books write a birthday without a year as a date in that year.
// A problem otherwise: BirthdayNotADate for any other text, ImpossibleDate for
// a day the month does not have (29 February only in leap years; a birthday
// without a year may be 29 February), YearOutOfRange for a year outside
// kFirstYear to kLastYear.
std::variant<Birthday, NotReadReason> readBirthday(std::string_view text,
                                                   std::optional<std::string_view> placeholderYear = std::nullopt);

// vCard 4.0's basic form: 19850412, or --0412 without a year.
std::string birthdayText(const Birthday& birthday);

} // namespace velmora::circle
