#include "western/WesternReading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace std::chrono;
using namespace velmora;
using western::CalculateWesternReading;
using western::WesternReadingRecord;

namespace {

struct ReadingCase {
    year_month_day user;
    year_month_day partner;
    const char* userSign;
    const char* partnerSign;
    const char* code;
    const char* percentage;
    const char* comment;
};

void PrintTo(const ReadingCase& c, std::ostream* out)
{
    *out << c.userSign << " with " << c.partnerSign;
}

class WesternReadingTable : public ::testing::TestWithParam<ReadingCase> {};

} // namespace

TEST_P(WesternReadingTable, HoldsBothSignsTheirProfilesAndTheOrderedPair)
{
    const ReadingCase& c = GetParam();
    const WesternReadingRecord reading = CalculateWesternReading({u"Ann", c.user}, {u"Bo", c.partner});
    EXPECT_EQ(reading.UserName, u"Ann");
    EXPECT_EQ(reading.PartnerName, u"Bo");
    EXPECT_EQ(reading.UserBirthDate, c.user);
    EXPECT_EQ(reading.PartnerBirthDate, c.partner);
    EXPECT_EQ(reading.UserSign, c.userSign);
    EXPECT_EQ(reading.PartnerSign, c.partnerSign);
    EXPECT_EQ(reading.UserProfile.RulingPlanet, western::FindSignProfile(c.userSign)->RulingPlanet);
    EXPECT_EQ(reading.UserProfile.PositiveTraits, western::FindSignProfile(c.userSign)->PositiveTraits);
    EXPECT_EQ(reading.PartnerProfile.FamousPersons, western::FindSignProfile(c.partnerSign)->FamousPersons);
    EXPECT_EQ(reading.PartnerProfile.Quality, western::FindSignProfile(c.partnerSign)->Quality);
    EXPECT_EQ(reading.Pair.MatchCode, c.code);
    EXPECT_EQ(reading.Pair.MatchPercentage, c.percentage);
    EXPECT_EQ(reading.Pair.MatchComment, c.comment);
    EXPECT_EQ(reading.Pair.MatchDescription, western::FindPairResult(c.userSign, c.partnerSign)->MatchDescription);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, WesternReadingTable,
    ::testing::Values(
        // Each month's threshold day, on both sides, for user and partner.
        ReadingCase{1980y / January / 19, 1981y / January / 20, "Capricorn", "Aquarius", "1", "20%", "A Poor Match"},
        ReadingCase{1980y / February / 19, 1980y / February / 18, "Pisces", "Aquarius", "1", "20%", "A Poor Match"},
        ReadingCase{1970y / May / 1, 1950y / August / 30, "Taurus", "Virgo", "5", "100%", "An Excellent Match"},
        ReadingCase{1950y / August / 30, 1970y / May / 1, "Virgo", "Taurus", "4", "80%", "A Great Match"},
        ReadingCase{2000y / February / 29, 1900y / December / 21, "Pisces", "Capricorn", "3", "60%",
                    "An Easy Match"},
        ReadingCase{1969y / July / 21, 1970y / April / 1, "Leo", "Aries", "5", "100%", "An Excellent Match"},
        ReadingCase{1970y / April / 1, 1971y / March / 30, "Aries", "Aries", "1,5", "",
                    "A Special Match - This could be a Great Match or a Difficult Match"},
        ReadingCase{2050y / March / 20, 1900y / February / 19, "Pisces", "Pisces", "1,4", "", "A Special Match"}));

TEST(WesternReading, ADateWithoutAMonthHasNoSignAndNoReading)
{
    // Nothing from an earlier reading lingers in the record.
    (void)CalculateWesternReading({u"Ann", 1970y / May / 1}, {u"Bo", 1950y / August / 30});
    const WesternReadingRecord reading =
        CalculateWesternReading({u"Ann", year(1970) / month(13) / 1}, {u"Bo", 1950y / August / 30});
    EXPECT_EQ(reading.UserSign, "");
    EXPECT_EQ(reading.UserProfile.Element, "");
    EXPECT_EQ(reading.PartnerSign, "Virgo");
    EXPECT_EQ(reading.PartnerProfile.Element, "Earth");
    EXPECT_EQ(reading.Pair.MatchCode, "");
    EXPECT_EQ(reading.Pair.MatchDescription, "");
}

TEST(WesternReading, SavesTheEightEntriesInFileOrder)
{
    const WesternReadingRecord reading =
        CalculateWesternReading({u"  Ann Lee", 1980y / March / 5}, {u"Bo", 2050y / December / 31});
    const western::ReadingLines expected = {U"  Ann Lee", U"March", U"5",  U"1980",
                                                                   U"Bo",        U"December", U"31", U"2050"};
    EXPECT_EQ(western::SavedReadingLines(reading), expected);
}

TEST(WesternReading, SavesNamesCharacterByCharacter)
{
    // A character beyond the Basic Multilingual Plane is one character, two
    // UTF-16 units; a unit without its partner stands for a broken character.
    const std::u16string user = u"Zo\u00eb \U0001F600\u9648";
    const std::u16string partner{u'A', char16_t(0xD83D), u'B', char16_t(0xDE00)};
    const WesternReadingRecord reading =
        CalculateWesternReading({user, 1980y / March / 5}, {partner, 1981y / April / 6});
    const western::ReadingLines lines = western::SavedReadingLines(reading);
    EXPECT_EQ(lines[0], U"Zo\u00eb \U0001F600\u9648");
    EXPECT_EQ(lines[4], U"A\uFFFDB\uFFFD");
}
