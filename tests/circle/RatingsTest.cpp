// Every pair of a circle rated by the four systems: the scores agree with the
// ratings the calculators show, and a system that cannot rate a pair says so.
#include "circle/Ratings.h"
#include "bloodtype/Lookups.h"
#include "egyptian/Lookups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <chrono>
#include <set>
#include <string>
#include <vector>

using namespace std::chrono;
using velmora::circle::Birthday;
using velmora::circle::CircleRatings;
using velmora::circle::kNoScore;
using velmora::circle::Person;
using velmora::circle::System;

namespace {

Person person(Birthday birthday, std::optional<int> bloodType = std::nullopt)
{
    return {u"P", birthday, bloodType, {}};
}

Birthday born(year_month_day date)
{
    return {date.month(), date.day(), date.year()};
}

// The percentage a rating's lines show ("60%", "You Have A Match Of 60%"),
// or nothing.
std::optional<int> percentageIn(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        const std::size_t percent = line.find('%');
        if (percent == std::string::npos)
            continue;
        std::size_t start = percent;
        while (start > 0 && std::isdigit(static_cast<unsigned char>(line[start - 1])))
            --start;
        int value = 0;
        std::from_chars(line.data() + start, line.data() + percent, value);
        return value;
    }
    return std::nullopt;
}

bool mentions(const std::vector<std::string>& lines, std::string_view text)
{
    for (const std::string& line : lines)
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

// One person born on each day from 1 January 1980 to 31 December 1981: every
// Western sign pair, every Egyptian sign pair and two Chinese animals.
std::vector<Person> twoYearsOfPeople()
{
    std::vector<Person> people;
    for (sys_days day = sys_days(1980y / January / 1); day <= sys_days(1981y / December / 31); day += days(5))
        people.push_back(person(born(year_month_day(day)), static_cast<int>(people.size() % 8)));
    return people;
}

} // namespace

TEST(CircleRatings, ScoresAreThePercentagesTheCalculatorsShow)
{
    const std::vector<Person> people = twoYearsOfPeople();
    const CircleRatings ratings(people);
    int specialMatches = 0;
    for (std::size_t a = 0; a < people.size(); a += 3) {
        for (std::size_t b = 0; b < people.size(); b += 7) {
            if (a == b)
                continue;
            SCOPED_TRACE(std::to_string(a) + " with " + std::to_string(b));
            const std::vector<std::string> western = ratings.ratingLines(System::Western, a, b);
            if (mentions(western, "A Special Match")) {
                ++specialMatches;
                EXPECT_EQ(ratings.score(System::Western, a, b), mentions(western, "Great Match") ? 60 : 50);
            } else {
                EXPECT_EQ(ratings.score(System::Western, a, b), percentageIn(western));
            }
            EXPECT_EQ(ratings.score(System::Chinese, a, b), percentageIn(ratings.ratingLines(System::Chinese, a, b)));
            const std::vector<std::string> japanese = ratings.ratingLines(System::Japanese, a, b);
            EXPECT_EQ(ratings.score(System::Japanese, a, b), mentions(japanese, "Excellent") ? 100 : 50);
        }
    }
    EXPECT_GT(specialMatches, 0) << "the sample reaches the special matches";
}

TEST(CircleRatings, TheEgyptianScoreCountsEachSignThatNamesTheOther)
{
    using velmora::egyptian::EgyptianPairVerdict;
    using velmora::egyptian::FindEgyptianSign;
    const std::vector<Person> people = twoYearsOfPeople();
    const CircleRatings ratings(people);
    std::set<int> seen;
    for (std::size_t a = 0; a < people.size(); ++a) {
        for (std::size_t b = a + 1; b < people.size(); b += 11) {
            const auto signOf = [&](std::size_t p) {
                const Birthday& d = people[p].birthday;
                return *FindEgyptianSign(*d.year / d.month / d.day);
            };
            const int expected = (EgyptianPairVerdict(signOf(a), signOf(b)) == velmora::egyptian::kVeryCompatible ? 50 : 0)
                                 + (EgyptianPairVerdict(signOf(b), signOf(a)) == velmora::egyptian::kVeryCompatible ? 50 : 0);
            EXPECT_EQ(ratings.score(System::Egyptian, a, b), expected);
            seen.insert(expected);
        }
    }
    EXPECT_EQ(seen, (std::set<int>{0, 50, 100}));
}

TEST(CircleRatings, ASystemThatCannotRateAPairSaysSo)
{
    const std::vector<Person> people = {
        person({March, 5d, 1980y}, 0),
        person({March, 5d, std::nullopt}, 3),
        person({July, 4d, 1950y}),
    };
    const CircleRatings ratings(people);
    EXPECT_EQ(ratings.score(System::Chinese, 0, 1), kNoScore);
    EXPECT_EQ(ratings.ratingLines(System::Chinese, 0, 1), std::vector<std::string>{"Birth years not given"});
    const std::vector<std::string> western = ratings.ratingLines(System::Western, 0, 1);
    EXPECT_TRUE(std::any_of(western.begin(), western.end(),
                            [](const std::string& line) { return line.find("Of Pisces With Pisces") != line.npos; }))
        << "a birthday without a year has its sun sign";
    EXPECT_NE(ratings.score(System::Western, 0, 1), kNoScore);
    EXPECT_EQ(ratings.score(System::Japanese, 0, 2), kNoScore);
    EXPECT_EQ(ratings.ratingLines(System::Japanese, 0, 2), std::vector<std::string>{"Blood types not given"});
    for (const System system : velmora::circle::kSystems)
        EXPECT_EQ(ratings.score(system, 1, 1), kNoScore) << "nobody is rated with themself";
    EXPECT_EQ(ratings.overall(2, 2), kNoScore);
}

TEST(CircleRatings, OverallIsTheRoundedMeanOfTheSystemsThatRate)
{
    const std::vector<Person> people = {person({March, 5d, 1980y}, 1), person({August, 2d, std::nullopt}, 6),
                                        person({February, 29d, std::nullopt})};
    const CircleRatings ratings(people);
    for (const auto& [a, b] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 0}}) {
        int sum = 0;
        int count = 0;
        for (const System system : velmora::circle::kSystems) {
            if (const std::uint8_t score = ratings.score(system, a, b); score != kNoScore) {
                sum += score;
                ++count;
            }
        }
        ASSERT_GT(count, 0);
        EXPECT_EQ(ratings.overall(a, b), static_cast<int>(std::lround(static_cast<double>(sum) / count)));
    }
    const std::vector<std::uint8_t> overall = ratings.matrix(std::nullopt);
    ASSERT_EQ(overall.size(), 9u);
    EXPECT_EQ(overall[1 * 3 + 2], ratings.overall(1, 2));
    EXPECT_EQ(ratings.matrix(System::Japanese)[0 * 3 + 1], ratings.score(System::Japanese, 0, 1));
}
