// The Chinese reading as a whole: what Proceed hands to the result window
// for two people, every text taken from the tables for the animals and
// elements of their Chinese years.
#include "chinese/ChineseReading.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using namespace velmora;

struct ReadingCase {
    const char* what;
    year_month_day user;
    year_month_day partner;
    std::string_view userAnimal;
    std::string_view userElement;
    std::string_view partnerAnimal;
    std::string_view partnerElement;
    int number;
};

class ChineseReadingOfTwoPeople : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ChineseReadingOfTwoPeople, JoinsBothYearsProfilesAndThePairsRating)
{
    const ReadingCase& c = GetParam();
    const chinese::ChineseReadingRecord r =
        chinese::CalculateChineseReading({u"Ann & <b>Lee</b>", c.user}, {u"Bo", c.partner});

    EXPECT_EQ(r.UserName, u"Ann & <b>Lee</b>") << "names pass through as typed";
    EXPECT_EQ(r.PartnerName, u"Bo");
    EXPECT_EQ(r.UserDate, c.user);
    EXPECT_EQ(r.PartnerDate, c.partner);
    EXPECT_EQ(r.UserAnimal, c.userAnimal);
    EXPECT_EQ(r.UserElement, c.userElement);
    EXPECT_EQ(r.PartnerAnimal, c.partnerAnimal);
    EXPECT_EQ(r.PartnerElement, c.partnerElement);
    EXPECT_EQ(r.UserProfile, chinese::GetAnimalProfile(c.userAnimal));
    EXPECT_EQ(r.PartnerProfile, chinese::GetAnimalProfile(c.partnerAnimal));
    EXPECT_EQ(r.UserElementReading, chinese::GetElementDescription(c.userElement));
    EXPECT_EQ(r.PartnerElementReading, chinese::GetElementDescription(c.partnerElement));
    EXPECT_EQ(r.CompatibilityNumber, c.number);
    EXPECT_EQ(r.Percentage, chinese::GetCompatibilityRating(c.number).percentage);
    EXPECT_EQ(r.Rating, chinese::GetCompatibilityRating(c.number).rating);
    EXPECT_EQ(r.MatchingDescription, chinese::GetMatchingDescription(c.userAnimal, c.partnerAnimal));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ChineseReadingOfTwoPeople,
    ::testing::Values(
        // The new year of 1985 fell on 20 February: the day before still
        // belongs to the Wood Rat of 1984.
        ReadingCase{"EveOfTheNewYear", 1985y / February / 19, 1985y / February / 20, "Rat", "Wood", "Ox", "Wood",
                    chinese::GetCompatibilityNumber("Rat", "Ox")},
        ReadingCase{"FirstAndLastDaysOfTheTable", 1900y / January / 1, 2101y / January / 28, "Pig", "Earth",
                    "Monkey", "Metal", chinese::GetCompatibilityNumber("Pig", "Monkey")},
        // A date the table does not cover gives empty texts and number 0,
        // never a failure.
        ReadingCase{"OutsideTheTable", 2101y / February / 1, 1980y / March / 5, "", "", "Monkey", "Metal", 0}),
    [](const ::testing::TestParamInfo<ReadingCase>& info) { return std::string(info.param.what); });

TEST(ChineseReadingOfTwoPeople, ThePairIsOrderedTheUsersAnimalFirst)
{
    const chinese::ChineseReadingRecord goatOx =
        chinese::CalculateChineseReading({u"A", 1979y / March / 5}, {u"B", 1985y / March / 5});
    const chinese::ChineseReadingRecord oxGoat =
        chinese::CalculateChineseReading({u"A", 1985y / March / 5}, {u"B", 1979y / March / 5});
    EXPECT_EQ(goatOx.MatchingDescription, chinese::GetMatchingDescription("Goat", "Ox"));
    EXPECT_EQ(oxGoat.MatchingDescription, chinese::GetMatchingDescription("Ox", "Goat"));
    EXPECT_NE(goatOx.MatchingDescription, oxGoat.MatchingDescription);
}

} // namespace
