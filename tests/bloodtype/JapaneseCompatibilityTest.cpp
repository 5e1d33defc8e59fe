#include "bloodtype/Lookups.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
using velmora::bloodtype::BloodGroup;

namespace {

std::string_view groupName(BloodGroup group)
{
    constexpr std::array<std::string_view, 4> kNames = {"A", "B", "AB", "O"};
    return kNames[static_cast<std::size_t>(group)];
}

std::size_t count(std::string_view text, std::string_view part)
{
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++found;
    return found;
}

} // namespace

TEST(BloodGroup, IsTheBloodTypeWithoutItsRhSign)
{
    ASSERT_EQ(velmora::bloodtype::kBloodTypes.front(), "A+");
    ASSERT_EQ(velmora::bloodtype::kBloodTypes.back(), "O-");
    for (int position = 0; position < 8; ++position) {
        const std::string_view text = velmora::bloodtype::kBloodTypes[static_cast<std::size_t>(position)];
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(text.back(), position % 2 == 0 ? '+' : '-');
        const std::optional<BloodGroup> group = velmora::bloodtype::GetBloodGroup(position);
        ASSERT_TRUE(group.has_value());
        EXPECT_EQ(groupName(*group), text.substr(0, text.size() - 1));
    }
    for (const int outside : {-1, 8, 1000})
        EXPECT_FALSE(velmora::bloodtype::GetBloodGroup(outside).has_value()) << outside;
}

// The pair rating as a table of groups, the user's down and the partner's
// across; the lookup computes it by rule.
TEST(MatchLabel, AgreesWithTheGroupTableForEveryOrderedPair)
{
    constexpr char E = 'E';
    constexpr char a = 'a';
    constexpr std::array<std::array<char, 4>, 4> kTable = {{
        //    A  B  AB O
        /* A  */ {E, a, E, a},
        /* B  */ {a, E, E, a},
        /* AB */ {E, E, E, E},
        /* O  */ {a, a, E, E},
    }};
    for (int user = 0; user < 8; ++user) {
        for (int partner = 0; partner < 8; ++partner) {
            SCOPED_TRACE(std::string(velmora::bloodtype::kBloodTypes[static_cast<std::size_t>(user)]) + " with "
                         + std::string(velmora::bloodtype::kBloodTypes[static_cast<std::size_t>(partner)]));
            const char expected =
                kTable[static_cast<std::size_t>(*velmora::bloodtype::GetBloodGroup(user))][static_cast<std::size_t>(*velmora::bloodtype::GetBloodGroup(partner))];
            EXPECT_EQ(velmora::bloodtype::GetMatchLabel(user, partner), expected == E ? "An Excellent Match" : "An Average Match");
            EXPECT_EQ(velmora::bloodtype::GetMatchLabel(user, partner), velmora::bloodtype::GetMatchLabel(partner, user));
        }
    }
}

TEST(MatchLabel, IsEmptyForAPositionOutsideTheList)
{
    EXPECT_EQ(velmora::bloodtype::GetMatchLabel(-1, 0), "");
    EXPECT_EQ(velmora::bloodtype::GetMatchLabel(4, 8), "");
}

struct ProfileShape {
    BloodGroup group;
    std::string_view japaneseName;
    std::size_t characteristicsLength;
};

void PrintTo(const ProfileShape& shape, std::ostream* out)
{
    *out << groupName(shape.group);
}

class PersonalityProfile : public ::testing::TestWithParam<ProfileShape> {};

TEST_P(PersonalityProfile, HasItsNameAndTextsOfTheirShape)
{
    const ProfileShape& shape = GetParam();
    const velmora::bloodtype::PersonalityProfile profile = velmora::bloodtype::GetPersonalityProfile(shape.group);
    EXPECT_EQ(profile.JapaneseName, shape.japaneseName);

    EXPECT_EQ(count(profile.Keywords, ","), 4u) << profile.Keywords;
    EXPECT_EQ(profile.Keywords.find_first_of(" \t"), std::string_view::npos);
    EXPECT_EQ(profile.Keywords.find(",,"), std::string_view::npos);

    EXPECT_EQ(profile.Characteristics.size(), shape.characteristicsLength);
    EXPECT_EQ(profile.Characteristics.find_first_of("\r\n"), std::string_view::npos);
    EXPECT_TRUE(profile.Characteristics.starts_with("You ")) << "speaks to the reader";

    EXPECT_EQ(count(profile.FamousPersonalities, ", "), 3u) << profile.FamousPersonalities;
    EXPECT_EQ(count(profile.FamousPersonalities, ","), 3u);
    EXPECT_EQ(profile.FamousPersonalities.find_first_of("\r\n"), std::string_view::npos);
    EXPECT_NE(profile.FamousPersonalities.front(), ' ');
    EXPECT_NE(profile.FamousPersonalities.back(), ' ');
}

INSTANTIATE_TEST_SUITE_P(Groups, PersonalityProfile,
                         ::testing::Values(ProfileShape{BloodGroup::A, "The Farmer", 295},
                                           ProfileShape{BloodGroup::B, "The Hunter", 368},
                                           ProfileShape{BloodGroup::AB, "The Humanist", 307},
                                           ProfileShape{BloodGroup::O, "The Warrior", 297}),
                         [](const ::testing::TestParamInfo<ProfileShape>& info) {
                             return std::string(groupName(info.param.group));
                         });

TEST(PersonalityProfileLookup, IsEmptyForAValueThatIsNoGroup)
{
    for (const int value : {-1, 4, 100})
        EXPECT_EQ(velmora::bloodtype::GetPersonalityProfile(static_cast<BloodGroup>(value)), velmora::bloodtype::PersonalityProfile{}) << value;
}
