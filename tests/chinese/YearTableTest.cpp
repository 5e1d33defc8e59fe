#include "modchinesezodiac.h"

#include <gtest/gtest.h>

#include <string>

namespace mcz = velmora::chinese::modchinesezodiac;
using namespace std::chrono;

namespace {

std::string show(year_month_day date)
{
    return std::to_string(static_cast<int>(date.year())) + "-" + std::to_string(static_cast<unsigned>(date.month()))
           + "-" + std::to_string(static_cast<unsigned>(date.day()));
}

} // namespace

TEST(NewYearTable, CoversEveryDayFromNineteenThirtySixOnceWithTheCycleAndTheElementsOfTheYears)
{
    const auto& table = mcz::NewYearTable;
    EXPECT_EQ(table.front().firstDay, 1936y / January / 1);
    EXPECT_EQ(table.back().lastDay, 2020y / January / 24);
    for (std::size_t k = 0; k < table.size(); ++k) {
        const mcz::NewYearRow& row = table[k];
        const int year = 1936 + static_cast<int>(k);
        SCOPED_TRACE(year);
        EXPECT_EQ(static_cast<int>(row.firstDay.year()), year);
        EXPECT_LE(sys_days(row.firstDay), sys_days(row.lastDay));
        if (k > 0) {
            EXPECT_EQ(sys_days(table[k - 1].lastDay) + days(1), sys_days(row.firstDay)) << "gap or overlap";
            // A Chinese new year falls between 21 January and 20 February.
            EXPECT_GE(sys_days(row.firstDay), sys_days(row.firstDay.year() / January / 21));
            EXPECT_LE(sys_days(row.firstDay), sys_days(row.firstDay.year() / February / 20));
        }
        EXPECT_EQ(row.animal, mcz::kAnimals[k % 12]);
        static constexpr const char* kByLastDigit[] = {"Metal", "Metal", "Water", "Water", "Wood",
                                                      "Wood",  "Fire",  "Fire",  "Earth", "Earth"};
        EXPECT_EQ(row.element, kByLastDigit[year % 10]);
    }
}

TEST(NewYearTable, BothLookupsFindEveryRowByItsFirstAndLastDay)
{
    for (const mcz::NewYearRow& row : mcz::NewYearTable) {
        for (const year_month_day day : {row.firstDay, row.lastDay}) {
            EXPECT_EQ(mcz::FindYearAnimal(day), row.animal) << show(day);
            EXPECT_EQ(mcz::FindYearElement(day), row.element) << show(day);
        }
    }
}

struct YearCase {
    year_month_day date;
    const char* animal;
    const char* element;
};

class YearLookup : public ::testing::TestWithParam<YearCase> {};

TEST_P(YearLookup, NamesTheChineseYearOfTheDate)
{
    const YearCase& c = GetParam();
    EXPECT_EQ(mcz::FindYearAnimal(c.date), c.animal) << show(c.date);
    EXPECT_EQ(mcz::FindYearElement(c.date), c.element) << show(c.date);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, YearLookup,
    ::testing::Values(YearCase{1936y / January / 1, "Rat", "Fire"}, YearCase{1936y / January / 23, "Rat", "Fire"},
                      YearCase{1937y / February / 10, "Rat", "Fire"}, YearCase{1937y / February / 11, "Ox", "Fire"},
                      YearCase{2008y / February / 6, "Pig", "Fire"}, YearCase{2008y / February / 7, "Rat", "Earth"},
                      YearCase{2008y / December / 31, "Rat", "Earth"}, YearCase{1960y / January / 28, "Rat", "Metal"},
                      YearCase{1960y / January / 27, "Pig", "Earth"}, YearCase{2003y / February / 1, "Goat", "Water"},
                      YearCase{2003y / January / 31, "Horse", "Water"},
                      YearCase{2000y / February / 29, "Dragon", "Metal"},
                      YearCase{2019y / December / 31, "Pig", "Earth"}, YearCase{2020y / January / 24, "Pig", "Earth"},
                      // Outside the table, or not a date at all: no answer.
                      YearCase{1935y / December / 31, "", ""}, YearCase{2020y / January / 25, "", ""},
                      YearCase{2001y / February / 29, "", ""}, YearCase{1990y / April / 31, "", ""}));
