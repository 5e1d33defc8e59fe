#include "JapaneseReading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace bt = velmora::bloodtype;
namespace mjc = bt::modJapaneseCompatibility;
using mjc::BloodGroup;

namespace {

struct ReadingCase {
    const char* label;
    int user;
    int partner;
    std::string_view userBloodType;
    std::string_view partnerBloodType;
    BloodGroup userGroup;
    BloodGroup partnerGroup;
    std::string_view userType;
    std::string_view partnerType;
    std::string_view match;
};

void PrintTo(const ReadingCase& c, std::ostream* out)
{
    *out << c.label;
}

bt::JapanesePerson person(std::u16string name, int bloodType, bt::Sex sex = bt::Sex::Male)
{
    return {std::move(name), sex, bloodType};
}

} // namespace

class JapaneseReading : public ::testing::TestWithParam<ReadingCase> {};

// Each person gets their own blood type, group and profile, and the pair the
// label of the two groups.
TEST_P(JapaneseReading, HoldsBothPeopleAndTheirMatch)
{
    const ReadingCase& c = GetParam();
    const bt::JapaneseReadingRecord reading =
        bt::CalculateJapaneseReading(person(u"HANA", c.user), person(u"KENJI", c.partner));
    EXPECT_EQ(reading.UserName, u"HANA");
    EXPECT_EQ(reading.PartnerName, u"KENJI");
    EXPECT_EQ(reading.UserBloodType, c.userBloodType);
    EXPECT_EQ(reading.PartnerBloodType, c.partnerBloodType);
    EXPECT_EQ(reading.UserGroup, c.userGroup);
    EXPECT_EQ(reading.PartnerGroup, c.partnerGroup);
    EXPECT_EQ(reading.UserProfile.JapaneseName, c.userType);
    EXPECT_EQ(reading.PartnerProfile.JapaneseName, c.partnerType);
    EXPECT_EQ(reading.UserProfile, mjc::GetPersonalityProfile(c.userGroup));
    EXPECT_EQ(reading.PartnerProfile, mjc::GetPersonalityProfile(c.partnerGroup));
    EXPECT_EQ(reading.MatchLabel, c.match);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, JapaneseReading,
    ::testing::Values(
        ReadingCase{"FirstEntries", 0, 0, "A+", "A+", BloodGroup::A, BloodGroup::A, "The Farmer", "The Farmer",
                    "An Excellent Match"},
        ReadingCase{"RhSignIgnored", 0, 1, "A+", "A-", BloodGroup::A, BloodGroup::A, "The Farmer", "The Farmer",
                    "An Excellent Match"},
        ReadingCase{"WarriorWithHunter", 6, 3, "O+", "B-", BloodGroup::O, BloodGroup::B, "The Warrior", "The Hunter",
                    "An Average Match"},
        ReadingCase{"FarmerWithHunter", 1, 2, "A-", "B+", BloodGroup::A, BloodGroup::B, "The Farmer", "The Hunter",
                    "An Average Match"},
        ReadingCase{"HumanistWithWarrior", 5, 7, "AB-", "O-", BloodGroup::AB, BloodGroup::O, "The Humanist",
                    "The Warrior", "An Excellent Match"},
        ReadingCase{"WarriorWithHumanist", 7, 4, "O-", "AB+", BloodGroup::O, BloodGroup::AB, "The Warrior",
                    "The Humanist", "An Excellent Match"}),
    [](const ::testing::TestParamInfo<ReadingCase>& info) { return std::string(info.param.label); });

// Names are shown as typed: a name of blanks is a name, and markup, an
// ampersand or a character beyond the basic plane stay as they are.
TEST(JapaneseReadingNames, AreKeptAsTyped)
{
    for (const std::u16string& name : {std::u16string(u"  "), std::u16string(u" <b>ZO\u00CB</b> & R&B \U0001F338")}) {
        const bt::JapaneseReadingRecord reading = bt::CalculateJapaneseReading(person(name, 2), person(name + u"X", 3));
        EXPECT_EQ(reading.UserName, name);
        EXPECT_EQ(reading.PartnerName, name + u"X");
    }
}

TEST(JapaneseReadingSex, TakesNoPart)
{
    const bt::JapaneseReadingRecord asMen =
        bt::CalculateJapaneseReading(person(u"ANNA", 5, bt::Sex::Male), person(u"TOM", 6, bt::Sex::Male));
    for (const auto& [userSex, partnerSex] : {std::pair{bt::Sex::Female, bt::Sex::Male},
                                              std::pair{bt::Sex::Male, bt::Sex::Female},
                                              std::pair{bt::Sex::Female, bt::Sex::Female}}) {
        EXPECT_EQ(bt::CalculateJapaneseReading(person(u"ANNA", 5, userSex), person(u"TOM", 6, partnerSex)), asMen);
    }
}

// A position outside the list leaves that person's part and the match empty;
// the other person's part is whole.
TEST(JapaneseReadingPosition, OutsideTheListLeavesThatPersonEmpty)
{
    for (const int outside : {-1, 8}) {
        SCOPED_TRACE(outside);
        const bt::JapaneseReadingRecord reading =
            bt::CalculateJapaneseReading(person(u"ANNA", outside), person(u"TOM", 2));
        EXPECT_EQ(reading.UserBloodType, "");
        EXPECT_FALSE(reading.UserGroup.has_value());
        EXPECT_EQ(reading.UserProfile, mjc::PersonalityProfile{});
        EXPECT_EQ(reading.MatchLabel, "");
        EXPECT_EQ(reading.PartnerBloodType, "B+");
        EXPECT_EQ(reading.PartnerProfile.JapaneseName, "The Hunter");
    }
}
