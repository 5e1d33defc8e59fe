// The date check every entry window makes, on list positions (month 0 =
// January, day 0 = the 1st), by the Gregorian calendar.
#include "kit/BirthDate.h"

#include <gtest/gtest.h>

namespace {

using velmora::kit::CheckBirthDate;
using velmora::kit::DateProblem;

struct DateCase {
    const char* what;
    int year;
    int month;
    int day;
    DateProblem problem;
};

class BirthDateCheck : public ::testing::TestWithParam<DateCase> {};

TEST_P(BirthDateCheck, RefusesOnlyDaysTheMonthDoesNotHave)
{
    const DateCase& c = GetParam();
    EXPECT_EQ(CheckBirthDate(c.year, c.month, c.day), c.problem);
}

constexpr int kJanuary = 0, kFebruary = 1, kApril = 3, kJune = 5, kSeptember = 8, kNovember = 10, kDecember = 11;

INSTANTIATE_TEST_SUITE_P(
    Dates, BirthDateCheck,
    ::testing::Values(
        DateCase{"LeapDayOfAYearDivisibleByFour", 2004, kFebruary, 28, DateProblem::None},
        DateCase{"LeapDayOf2000", 2000, kFebruary, 28, DateProblem::None},
        DateCase{"NoLeapDayIn1900", 1900, kFebruary, 28, DateProblem::NoSuchFebruaryDay},
        DateCase{"NoLeapDayIn2100", 2100, kFebruary, 28, DateProblem::NoSuchFebruaryDay},
        DateCase{"NoLeapDayInAnOrdinaryYear", 2001, kFebruary, 28, DateProblem::NoSuchFebruaryDay},
        DateCase{"TheTwentyEighthOfAnOrdinaryYear", 2001, kFebruary, 27, DateProblem::None},
        DateCase{"NoThirtiethFebruary", 2004, kFebruary, 29, DateProblem::NoSuchFebruaryDay},
        DateCase{"NoThirtyFirstFebruary", 2004, kFebruary, 30, DateProblem::NoSuchFebruaryDay},
        DateCase{"NoThirtyFirstApril", 1990, kApril, 30, DateProblem::NoThirtyFirst},
        DateCase{"NoThirtyFirstJune", 1990, kJune, 30, DateProblem::NoThirtyFirst},
        DateCase{"NoThirtyFirstSeptember", 1990, kSeptember, 30, DateProblem::NoThirtyFirst},
        DateCase{"NoThirtyFirstNovember", 1990, kNovember, 30, DateProblem::NoThirtyFirst},
        DateCase{"ThirtiethNovember", 1990, kNovember, 29, DateProblem::None},
        DateCase{"ThirtyFirstJanuary", 1990, kJanuary, 30, DateProblem::None},
        DateCase{"ThirtyFirstDecember", 2050, kDecember, 30, DateProblem::None}),
    [](const ::testing::TestParamInfo<DateCase>& info) { return std::string(info.param.what); });

} // namespace

TEST(DateText, WritesADateInEachStyleWithoutLeadingZeros)
{
    using namespace std::chrono;
    using velmora::kit::DateStyle;
    using velmora::kit::DateText;
    EXPECT_EQ(DateText(1950y / July / 4, DateStyle::MonthDayYear), "July 4, 1950");
    EXPECT_EQ(DateText(1980y / March / 5, DateStyle::DayMonthYear), "5 March 1980");
    EXPECT_EQ(DateText(2050y / December / 31, DateStyle::DayMonthYearSlashed), "31/December/2050");
}
