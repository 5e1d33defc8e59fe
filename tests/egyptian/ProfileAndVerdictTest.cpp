#include "egyptian/Lookups.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>
using velmora::egyptian::EgyptianSign;
using enum velmora::egyptian::EgyptianSign;

namespace {

constexpr EgyptianSign kAllSigns[] = {AmonRa,  Anubis, Bastet, Geb,     Horus, Isis,
                                      Mut,     TheNile, Osiris, Sekhmet, Seth,  Thoth};

bool compatible(EgyptianSign first, EgyptianSign second)
{
    return velmora::egyptian::EgyptianPairVerdict(first, second) == velmora::egyptian::kVeryCompatible;
}

using Pair = std::pair<EgyptianSign, EgyptianSign>;

Pair ordered(EgyptianSign a, EgyptianSign b)
{
    return a < b ? Pair{a, b} : Pair{b, a};
}

} // namespace

TEST(EgyptianProfile, HoldsTheExactShortTexts)
{
    struct Case {
        EgyptianSign sign;
        std::string_view velmora::egyptian::EgyptianProfile::*field;
        std::string_view text;
    };
    const Case cases[] = {
        {AmonRa, &velmora::egyptian::EgyptianProfile::RulingDeity, "Amon-Ra"},
        {AmonRa, &velmora::egyptian::EgyptianProfile::Keywords, "Generous, Fruitful and Helpful"},
        {AmonRa, &velmora::egyptian::EgyptianProfile::ZodiacSign, "Taurus"},
        {AmonRa, &velmora::egyptian::EgyptianProfile::Appearance,
         "A man with blue skin wearing a crown having double feather plumes"},
        {TheNile, &velmora::egyptian::EgyptianProfile::RulingDeity, "Nile"},
        {TheNile, &velmora::egyptian::EgyptianProfile::Role, "The goddess of who saved the Nile"},
        {Isis, &velmora::egyptian::EgyptianProfile::Role, "The goddess of Motherhood."},
        {Horus, &velmora::egyptian::EgyptianProfile::CompatibleSigns, "Geb and Bastet"},
        {Horus, &velmora::egyptian::EgyptianProfile::Appearance, "A man falcon headed man"},
        {Sekhmet, &velmora::egyptian::EgyptianProfile::CompatibleSigns, "Geb and Bastet"},
        {Mut, &velmora::egyptian::EgyptianProfile::Keywords, "Ironic"},
        {Mut, &velmora::egyptian::EgyptianProfile::LuckyColorFemale, "Red carmine"},
        {Seth, &velmora::egyptian::EgyptianProfile::SacredAnimal, "The legendary 'Seth' animal"},
        {Thoth, &velmora::egyptian::EgyptianProfile::LuckyColorMale, "Rose"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(velmora::egyptian::GetEgyptianProfile(c.sign).*c.field, c.text) << velmora::egyptian::DisplayName(c.sign);
}

TEST(EgyptianProfile, EverySignHasTwelveFieldsOfTheirShape)
{
    std::set<std::string_view> zodiacSigns;
    for (EgyptianSign sign : kAllSigns) {
        SCOPED_TRACE(std::string(velmora::egyptian::DisplayName(sign)));
        const velmora::egyptian::EgyptianProfile profile = velmora::egyptian::GetEgyptianProfile(sign);
        for (const velmora::egyptian::ReadingField& field : velmora::egyptian::kReadingFields) {
            EXPECT_FALSE((profile.*field.field).empty()) << field.label;
            EXPECT_EQ((profile.*field.field).find_first_of("\r\n"), std::string_view::npos) << field.label;
        }
        EXPECT_TRUE(profile.Polarity == "Masculine" || profile.Polarity == "Feminine");
        zodiacSigns.insert(profile.ZodiacSign);
    }
    EXPECT_EQ(zodiacSigns, (std::set<std::string_view>{"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                                                       "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"}));
    EXPECT_EQ(velmora::egyptian::GetEgyptianProfile(static_cast<EgyptianSign>(13)).RulingDeity, "");
}

// The compatible-signs text names exactly the two signs the verdict accepts,
// "Amon-Ra" standing for the sign displayed "Amon Ra".
TEST(EgyptianPairVerdict, FollowsTheSignsNamedInTheCompatibleSignsField)
{
    const auto fieldName = [](EgyptianSign sign) {
        return sign == AmonRa ? std::string("Amon-Ra") : std::string(velmora::egyptian::DisplayName(sign));
    };
    for (EgyptianSign first : kAllSigns) {
        std::vector<EgyptianSign> accepted;
        for (EgyptianSign second : kAllSigns) {
            if (compatible(first, second))
                accepted.push_back(second);
        }
        ASSERT_EQ(accepted.size(), 2u) << velmora::egyptian::DisplayName(first);
        const std::string text(velmora::egyptian::GetEgyptianProfile(first).CompatibleSigns);
        EXPECT_TRUE(text == fieldName(accepted[0]) + " and " + fieldName(accepted[1])
                    || text == fieldName(accepted[1]) + " and " + fieldName(accepted[0]))
            << velmora::egyptian::DisplayName(first) << ": " << text;
    }
}

TEST(EgyptianPairVerdict, IsDirectedWithEightTwoWayAndEightOneWayPairs)
{
    std::set<Pair> twoWay;
    std::set<Pair> oneWay;
    for (EgyptianSign first : kAllSigns) {
        EXPECT_FALSE(compatible(first, first)) << velmora::egyptian::DisplayName(first);
        for (EgyptianSign second : kAllSigns) {
            if (!compatible(first, second))
                continue;
            if (compatible(second, first))
                twoWay.insert(ordered(first, second));
            else
                oneWay.insert({first, second});
        }
    }
    EXPECT_EQ(twoWay, (std::set<Pair>{ordered(AmonRa, TheNile), ordered(Bastet, Horus), ordered(Bastet, Sekhmet),
                                      ordered(Geb, Seth), ordered(Geb, Horus), ordered(Isis, Osiris),
                                      ordered(Isis, Thoth), ordered(TheNile, Seth)}));
    EXPECT_EQ(oneWay, (std::set<Pair>{{AmonRa, Horus}, {Anubis, Bastet}, {Anubis, Isis}, {Mut, AmonRa}, {Mut, Thoth},
                                      {Osiris, Thoth}, {Sekhmet, Geb}, {Thoth, Bastet}}));
}

TEST(EgyptianPairVerdict, GivesOneOfTheTwoTextsForDatesOfEveryStretch)
{
    EXPECT_EQ(velmora::egyptian::EgyptianPairVerdict(AmonRa, Horus), "You both are very highly compatible");
    EXPECT_EQ(velmora::egyptian::EgyptianPairVerdict(Horus, AmonRa), "You both are not very compatible");
    EXPECT_EQ(velmora::egyptian::EgyptianPairVerdict(TheNile, AmonRa), velmora::egyptian::kVeryCompatible);
    // Bastet's and Isis's three stretches of the year, each by one date.
    for (const auto& [month, day] : {std::pair{7u, 20u}, {9u, 25u}, {10u, 10u}, {3u, 20u}, {10u, 20u}, {12u, 25u}}) {
        const std::optional<EgyptianSign> partner = velmora::egyptian::FindEgyptianSign(std::chrono::year(1951) / month / day);
        ASSERT_TRUE(partner);
        EXPECT_TRUE(compatible(Anubis, *partner)) << day << "/" << month;
    }
    EXPECT_EQ(velmora::egyptian::EgyptianPairVerdict(static_cast<EgyptianSign>(0), Horus), velmora::egyptian::kNotCompatible);
}
