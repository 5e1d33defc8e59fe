#include "egyptian/Lookups.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>
using velmora::egyptian::EgyptianSign;

namespace {

constexpr int kMonthLengths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The sign goes by month and day alone; any year will do.
std::optional<EgyptianSign> signOf(int month, int day)
{
    using namespace std::chrono;
    return velmora::egyptian::FindEgyptianSign(year(1951) / static_cast<unsigned>(month) / static_cast<unsigned>(day));
}

std::string nameOf(std::optional<EgyptianSign> sign)
{
    return sign ? std::string(velmora::egyptian::DisplayName(*sign)) : std::string("no sign");
}

} // namespace

TEST(SignByDate, FindsTheStretchHoldingTheDayAndNoSignForDaysThatDoNotExist)
{
    struct Case {
        int month, day;
        const char* sign;
    };
    const Case cases[] = {
        // Where a month's stretches meet, and where a sign's time runs on into the next month.
        {1, 1, "The Nile"}, {1, 7, "The Nile"}, {1, 8, "Amon Ra"},  {1, 21, "Amon Ra"}, {1, 22, "Mut"},
        {1, 31, "Mut"},     {2, 1, "Amon Ra"},  {2, 11, "Amon Ra"}, {2, 12, "Geb"},     {2, 29, "Geb"},
        {4, 30, "Horus"},   {5, 1, "Horus"},    {6, 29, "Anubis"},  {6, 30, "Anubis"},  {7, 1, "Anubis"},
        {7, 13, "Anubis"},  {7, 14, "Bastet"},  {9, 30, "Seth"},    {10, 1, "Seth"},    {10, 2, "Seth"},
        {10, 3, "Bastet"},  {12, 1, "Osiris"},  {12, 18, "Osiris"}, {12, 31, "Isis"},
        // Days that do not exist, and numbers outside the lists.
        {2, 30, "no sign"}, {2, 31, "no sign"}, {4, 31, "no sign"}, {6, 31, "no sign"}, {9, 31, "no sign"},
        {11, 31, "no sign"}, {0, 1, "no sign"}, {13, 1, "no sign"}, {1, 0, "no sign"}, {1, 32, "no sign"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nameOf(signOf(c.month, c.day)), c.sign) << c.day << "/" << c.month;
}

// The signs' times of the year, stretches that meet at a month end joined:
// an independent reading of the calendar. Each time is {first month, first
// day, last month, last day}.
struct Time {
    int fromMonth, fromDay, toMonth, toDay;
};

const std::vector<std::pair<EgyptianSign, std::vector<Time>>> kTimesOfTheYear = {
    {EgyptianSign::AmonRa, {{1, 8, 1, 21}, {2, 1, 2, 11}}},
    {EgyptianSign::Anubis, {{5, 8, 5, 27}, {6, 29, 7, 13}}},
    {EgyptianSign::Bastet, {{7, 14, 7, 28}, {9, 23, 9, 27}, {10, 3, 10, 17}}},
    {EgyptianSign::Geb, {{2, 12, 2, 29}, {8, 20, 8, 31}}},
    {EgyptianSign::Horus, {{4, 20, 5, 7}, {8, 12, 8, 19}}},
    {EgyptianSign::Isis, {{3, 11, 3, 31}, {10, 18, 10, 29}, {12, 19, 12, 31}}},
    {EgyptianSign::Mut, {{1, 22, 1, 31}, {9, 8, 9, 22}}},
    {EgyptianSign::TheNile, {{1, 1, 1, 7}, {6, 19, 6, 28}, {9, 1, 9, 7}, {11, 18, 11, 26}}},
    {EgyptianSign::Osiris, {{3, 1, 3, 10}, {11, 27, 12, 18}}},
    {EgyptianSign::Sekhmet, {{7, 29, 8, 11}, {10, 30, 11, 7}}},
    {EgyptianSign::Seth, {{5, 28, 6, 18}, {9, 28, 10, 2}}},
    {EgyptianSign::Thoth, {{4, 1, 4, 19}, {11, 8, 11, 17}}},
};

TEST(SignByDate, EveryDayOfTheYearBelongsToTheSignWhoseTimeHoldsIt)
{
    int daysChecked = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= kMonthLengths[month - 1]; ++day) {
            std::optional<EgyptianSign> expected;
            for (const auto& [sign, times] : kTimesOfTheYear) {
                for (const Time& time : times) {
                    const int date = month * 100 + day;
                    if (time.fromMonth * 100 + time.fromDay <= date && date <= time.toMonth * 100 + time.toDay) {
                        EXPECT_FALSE(expected) << day << "/" << month << " lies in two times";
                        expected = sign;
                    }
                }
            }
            EXPECT_EQ(nameOf(signOf(month, day)), nameOf(expected)) << day << "/" << month;
            ++daysChecked;
        }
    }
    EXPECT_EQ(daysChecked, 366);
}

TEST(SignNames, AreNumberedOneToTwelveWithTheirDisplayNames)
{
    EXPECT_EQ(velmora::egyptian::SignNumber(EgyptianSign::AmonRa), 1);
    EXPECT_EQ(velmora::egyptian::SignNumber(EgyptianSign::TheNile), 8);
    EXPECT_EQ(velmora::egyptian::SignNumber(EgyptianSign::Thoth), 12);
    EXPECT_EQ(velmora::egyptian::DisplayName(EgyptianSign::AmonRa), "Amon Ra");
    EXPECT_EQ(velmora::egyptian::DisplayName(EgyptianSign::TheNile), "The Nile");
    std::set<std::string_view> names;
    for (int number = 1; number <= velmora::egyptian::kSignCount; ++number)
        names.insert(velmora::egyptian::DisplayName(static_cast<EgyptianSign>(number)));
    EXPECT_EQ(names.size(), 12u);
    EXPECT_EQ(names.count(""), 0u);
    EXPECT_EQ(velmora::egyptian::DisplayName(static_cast<EgyptianSign>(0)), "");
    EXPECT_EQ(velmora::egyptian::DisplayName(static_cast<EgyptianSign>(13)), "");
}
