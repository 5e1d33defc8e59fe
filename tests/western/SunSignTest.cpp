#include "modZodiacCompatibility.h"

#include <gtest/gtest.h>

#include <tuple>

namespace mzc = velmora::western::modZodiacCompatibility;

class SunSign : public ::testing::TestWithParam<std::tuple<const char*, const char*, const char*>> {};

TEST_P(SunSign, FollowsEachMonthsThreshold)
{
    const auto [month, day, sign] = GetParam();
    EXPECT_EQ(mzc::GetSunSign(month, day), sign) << month << " " << day;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, SunSign,
    ::testing::Values(std::make_tuple("January", "19", "Capricorn"), std::make_tuple("January", "20", "Aquarius"),
                      std::make_tuple("February", "18", "Aquarius"), std::make_tuple("February", "19", "Pisces"),
                      std::make_tuple("March", "20", "Pisces"), std::make_tuple("March", "21", "Aries"),
                      std::make_tuple("July", "21", "Leo"), std::make_tuple("August", "20", "Leo"),
                      std::make_tuple("August", "21", "Virgo"), std::make_tuple("December", "20", "Sagittarius"),
                      std::make_tuple("December", "21", "Capricorn"), std::make_tuple("May", "1", "Taurus"),
                      std::make_tuple("May", "31", "Gemini"), std::make_tuple("February", "30", "Pisces"),
                      std::make_tuple("April", "31", "Taurus"),
                      // Not a month name, or not a day number: no sign rather than an error.
                      std::make_tuple("january", "5", ""), std::make_tuple("Smarch", "5", ""),
                      std::make_tuple("June", "", ""), std::make_tuple("June", "x", ""),
                      std::make_tuple("June", "12x", ""), std::make_tuple("June", "20.5", ""),
                      std::make_tuple("June", "21.0", "Cancer"), std::make_tuple("June", ".", ""),
                      std::make_tuple("June", "2.0.1", ""), std::make_tuple("June", " 5", "")));

TEST(SignProfile, IsFoundByTheSignsExactNameOnly)
{
    const mzc::SignProfile* leo = mzc::FindSignProfile("Leo");
    ASSERT_NE(leo, nullptr);
    EXPECT_EQ(leo->RulingPlanet, "The Sun");
    EXPECT_EQ(leo->LuckyNumber, "8 & 9");
    EXPECT_EQ(leo->Compatibility, "Aries & Sagittarius");
    for (const char* notASign : {"leo", "", "Leo ", "Ophiuchus"})
        EXPECT_EQ(mzc::FindSignProfile(notASign), nullptr) << notASign;
}

TEST(SignProfile, AquariusAndPiscesNameTheirOwnElementsSigns)
{
    EXPECT_EQ(mzc::FindSignProfile("Aquarius")->Compatibility, "Gemini & Libra");
    EXPECT_EQ(mzc::FindSignProfile("Pisces")->Compatibility, "Cancer & Scorpio");
    EXPECT_EQ(mzc::FindSignProfile("Libra")->Compatibility, "Aquarius and Gemini");
    EXPECT_EQ(mzc::FindSignProfile("Pisces")->LuckyColor, "Sea green");
}

TEST(SignProfile, EverySignHasItsProse)
{
    for (const char* sign : {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
                             "Sagittarius", "Capricorn", "Aquarius", "Pisces"}) {
        const mzc::SignProfile* profile = mzc::FindSignProfile(sign);
        ASSERT_NE(profile, nullptr) << sign;
        EXPECT_FALSE(profile->PositiveTraits.empty()) << sign;
        EXPECT_FALSE(profile->NegativeTraits.empty()) << sign;
        EXPECT_FALSE(profile->FamousPersons.empty()) << sign;
    }
}
