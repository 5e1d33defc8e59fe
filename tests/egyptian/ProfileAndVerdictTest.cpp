#include "modegyptianCompatibility.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace mec = velmora::egyptian::modegyptianCompatibility;
using mec::EgyptianSign;
using enum mec::EgyptianSign;

namespace {

constexpr EgyptianSign kAllSigns[] = {AmonRa,  Anubis, Bastet, Geb,     Horus, Isis,
                                      Mut,     TheNile, Osiris, Sekhmet, Seth,  Thoth};

bool compatible(EgyptianSign first, EgyptianSign second)
{
    return mec::EgyptianPairVerdict(first, second) == mec::kVeryCompatible;
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
        std::string_view mec::EgyptianProfile::*field;
        std::string_view text;
    };
    const Case cases[] = {
        {AmonRa, &mec::EgyptianProfile::RulingDeity, "Amon-Ra"},
        {AmonRa, &mec::EgyptianProfile::Keywords, "Generous, Fruitful and Helpful"},
        {AmonRa, &mec::EgyptianProfile::ZodiacSign, "Taurus"},
        {AmonRa, &mec::EgyptianProfile::Appearance,
         "A man with blue skin wearing a crown having double feather plumes"},
        {TheNile, &mec::EgyptianProfile::RulingDeity, "Nile"},
        {TheNile, &mec::EgyptianProfile::Role, "The goddess of who saved the Nile"},
        {Isis, &mec::EgyptianProfile::Role, "The goddess of Motherhood."},
        {Horus, &mec::EgyptianProfile::CompatibleSigns, "Geb and Bastet"},
        {Horus, &mec::EgyptianProfile::Appearance, "A man falcon headed man"},
        {Sekhmet, &mec::EgyptianProfile::CompatibleSigns, "Geb and Bastet"},
        {Mut, &mec::EgyptianProfile::Keywords, "Ironic"},
        {Mut, &mec::EgyptianProfile::LuckyColorFemale, "Red carmine"},
        {Seth, &mec::EgyptianProfile::SacredAnimal, "The legendary 'Seth' animal"},
        {Thoth, &mec::EgyptianProfile::LuckyColorMale, "Rose"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mec::GetEgyptianProfile(c.sign).*c.field, c.text) << mec::DisplayName(c.sign);
}

TEST(EgyptianProfile, EverySignHasTwelveFieldsOfTheirShape)
{
    std::set<std::string_view> zodiacSigns;
    for (EgyptianSign sign : kAllSigns) {
        SCOPED_TRACE(std::string(mec::DisplayName(sign)));
        const mec::EgyptianProfile profile = mec::GetEgyptianProfile(sign);
        for (const mec::ReadingField& field : mec::kReadingFields) {
            EXPECT_FALSE((profile.*field.field).empty()) << field.label;
            EXPECT_EQ((profile.*field.field).find_first_of("\r\n"), std::string_view::npos) << field.label;
        }
        EXPECT_TRUE(profile.Polarity == "Masculine" || profile.Polarity == "Feminine");
        zodiacSigns.insert(profile.ZodiacSign);
    }
    EXPECT_EQ(zodiacSigns, (std::set<std::string_view>{"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                                                       "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"}));
    EXPECT_EQ(mec::GetEgyptianProfile(static_cast<EgyptianSign>(13)).RulingDeity, "");
}

// The compatible-signs text names exactly the two signs the verdict accepts,
// "Amon-Ra" standing for the sign displayed "Amon Ra".
TEST(EgyptianPairVerdict, FollowsTheSignsNamedInTheCompatibleSignsField)
{
    const auto fieldName = [](EgyptianSign sign) {
        return sign == AmonRa ? std::string("Amon-Ra") : std::string(mec::DisplayName(sign));
    };
    for (EgyptianSign first : kAllSigns) {
        std::vector<EgyptianSign> accepted;
        for (EgyptianSign second : kAllSigns) {
            if (compatible(first, second))
                accepted.push_back(second);
        }
        ASSERT_EQ(accepted.size(), 2u) << mec::DisplayName(first);
        const std::string text(mec::GetEgyptianProfile(first).CompatibleSigns);
        EXPECT_TRUE(text == fieldName(accepted[0]) + " and " + fieldName(accepted[1])
                    || text == fieldName(accepted[1]) + " and " + fieldName(accepted[0]))
            << mec::DisplayName(first) << ": " << text;
    }
}

TEST(EgyptianPairVerdict, IsDirectedWithEightTwoWayAndEightOneWayPairs)
{
    std::set<Pair> twoWay;
    std::set<Pair> oneWay;
    for (EgyptianSign first : kAllSigns) {
        EXPECT_FALSE(compatible(first, first)) << mec::DisplayName(first);
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
    EXPECT_EQ(mec::EgyptianPairVerdict(AmonRa, Horus), "You both are very highly compatible");
    EXPECT_EQ(mec::EgyptianPairVerdict(Horus, AmonRa), "You both are not very compatible");
    EXPECT_EQ(mec::EgyptianPairVerdict(TheNile, AmonRa), mec::kVeryCompatible);
    // Bastet's and Isis's three stretches of the year, each by one date.
    for (const auto& [month, day] : {std::pair{7, 20}, {9, 25}, {10, 10}, {3, 20}, {10, 20}, {12, 25}}) {
        const std::optional<EgyptianSign> partner = mec::FindEgyptianSign(month, day);
        ASSERT_TRUE(partner);
        EXPECT_TRUE(compatible(Anubis, *partner)) << day << "/" << month;
    }
    EXPECT_EQ(mec::EgyptianPairVerdict(static_cast<EgyptianSign>(0), Horus), mec::kNotCompatible);
}
