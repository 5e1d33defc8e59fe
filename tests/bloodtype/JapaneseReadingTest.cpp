#include "bloodtype/JapaneseReading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace velmora;
using bloodtype::BloodGroup;

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

velmora::bloodtype::JapanesePerson person(std::u16string name, int bloodType, velmora::bloodtype::Sex sex = velmora::bloodtype::Sex::Male)
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
    const velmora::bloodtype::JapaneseReadingRecord reading =
        velmora::bloodtype::CalculateJapaneseReading(person(u"HANA", c.user), person(u"KENJI", c.partner));
    EXPECT_EQ(reading.UserName, u"HANA");
    EXPECT_EQ(reading.PartnerName, u"KENJI");
    EXPECT_EQ(reading.UserBloodType, c.userBloodType);
    EXPECT_EQ(reading.PartnerBloodType, c.partnerBloodType);
    EXPECT_EQ(reading.UserGroup, c.userGroup);
    EXPECT_EQ(reading.PartnerGroup, c.partnerGroup);
    EXPECT_EQ(reading.UserProfile.JapaneseName, c.userType);
    EXPECT_EQ(reading.PartnerProfile.JapaneseName, c.partnerType);
    EXPECT_EQ(reading.UserProfile, bloodtype::GetPersonalityProfile(c.userGroup));
    EXPECT_EQ(reading.PartnerProfile, bloodtype::GetPersonalityProfile(c.partnerGroup));
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
        const velmora::bloodtype::JapaneseReadingRecord reading = velmora::bloodtype::CalculateJapaneseReading(person(name, 2), person(name + u"X", 3));
        EXPECT_EQ(reading.UserName, name);
        EXPECT_EQ(reading.PartnerName, name + u"X");
    }
}

TEST(JapaneseReadingSex, TakesNoPart)
{
    const velmora::bloodtype::JapaneseReadingRecord asMen =
        velmora::bloodtype::CalculateJapaneseReading(person(u"ANNA", 5, velmora::bloodtype::Sex::Male), person(u"TOM", 6, velmora::bloodtype::Sex::Male));
    for (const auto& [userSex, partnerSex] : {std::pair{velmora::bloodtype::Sex::Female, velmora::bloodtype::Sex::Male},
                                              std::pair{velmora::bloodtype::Sex::Male, velmora::bloodtype::Sex::Female},
                                              std::pair{velmora::bloodtype::Sex::Female, velmora::bloodtype::Sex::Female}}) {
        EXPECT_EQ(velmora::bloodtype::CalculateJapaneseReading(person(u"ANNA", 5, userSex), person(u"TOM", 6, partnerSex)), asMen);
    }
}

// A position outside the list leaves that person's part and the match empty;
// the other person's part is whole.
TEST(JapaneseReadingPosition, OutsideTheListLeavesThatPersonEmpty)
{
    for (const int outside : {-1, 8}) {
        SCOPED_TRACE(outside);
        const velmora::bloodtype::JapaneseReadingRecord reading =
            velmora::bloodtype::CalculateJapaneseReading(person(u"ANNA", outside), person(u"TOM", 2));
        EXPECT_EQ(reading.UserBloodType, "");
        EXPECT_FALSE(reading.UserGroup.has_value());
        EXPECT_EQ(reading.UserProfile, bloodtype::PersonalityProfile{});
        EXPECT_EQ(reading.MatchLabel, "");
        EXPECT_EQ(reading.PartnerBloodType, "B+");
        EXPECT_EQ(reading.PartnerProfile.JapaneseName, "The Hunter");
    }
}
