#include "western/Lookups.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(SunSign, FollowsEachMonthsThresholdByMonthAndDayAlone)
{
    using namespace std::chrono;
    struct Case {
        year_month_day date;
        const char* sign;
    };
    const Case cases[] = {
        {1980y / January / 19, "Capricorn"},  {1980y / January / 20, "Aquarius"},
        {1980y / February / 18, "Aquarius"},  {1980y / February / 19, "Pisces"},
        {1980y / March / 20, "Pisces"},       {1980y / March / 21, "Aries"},
        {1980y / July / 21, "Leo"},           {1980y / August / 20, "Leo"},
        {1980y / August / 21, "Virgo"},       {1980y / December / 20, "Sagittarius"},
        {1980y / December / 21, "Capricorn"}, {1980y / May / 1, "Taurus"},
        {1980y / May / 31, "Gemini"},         {1900y / June / 21, "Cancer"},
        // Days no year has fall on one side of the threshold too.
        {1981y / February / 30, "Pisces"},    {1981y / April / 31, "Taurus"},
        // A month that is none of the twelve has no sign.
        {year(1980) / month(0) / 5, ""},      {year(1980) / month(13) / 5, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(velmora::western::GetSunSign(c.date), c.sign)
            << static_cast<unsigned>(c.date.month()) << "/" << static_cast<unsigned>(c.date.day());
}

TEST(SunSign, EverySignHasItsOwnPictureAndANameThatIsNoneTheDefault)
{
    EXPECT_EQ(velmora::western::SignPicture("Leo"), ":/western/signs/Leo.svg");
    EXPECT_EQ(velmora::western::SignPicture("Sagittarius"), ":/western/signs/Sagittarius.svg");
    for (const char* notASign : {"", "leo", "Ophiuchus"})
        EXPECT_EQ(velmora::western::SignPicture(notASign), ":/western/signs/default.svg") << notASign;
}

TEST(SignProfile, IsFoundByTheSignsExactNameOnly)
{
    const velmora::western::SignProfile* leo = velmora::western::FindSignProfile("Leo");
    ASSERT_NE(leo, nullptr);
    EXPECT_EQ(leo->RulingPlanet, "The Sun");
    EXPECT_EQ(leo->LuckyNumber, "8 & 9");
    EXPECT_EQ(leo->Compatibility, "Aries & Sagittarius");
    for (const char* notASign : {"leo", "", "Leo ", "Ophiuchus"})
        EXPECT_EQ(velmora::western::FindSignProfile(notASign), nullptr) << notASign;
}

TEST(SignProfile, AquariusAndPiscesNameTheirOwnElementsSigns)
{
    EXPECT_EQ(velmora::western::FindSignProfile("Aquarius")->Compatibility, "Gemini & Libra");
    EXPECT_EQ(velmora::western::FindSignProfile("Pisces")->Compatibility, "Cancer & Scorpio");
    EXPECT_EQ(velmora::western::FindSignProfile("Libra")->Compatibility, "Aquarius and Gemini");
    EXPECT_EQ(velmora::western::FindSignProfile("Pisces")->LuckyColor, "Sea green");
}

TEST(SignProfile, EverySignHasItsProse)
{
    for (const char* sign : {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
                             "Sagittarius", "Capricorn", "Aquarius", "Pisces"}) {
        const velmora::western::SignProfile* profile = velmora::western::FindSignProfile(sign);
        ASSERT_NE(profile, nullptr) << sign;
        EXPECT_FALSE(profile->PositiveTraits.empty()) << sign;
        EXPECT_FALSE(profile->NegativeTraits.empty()) << sign;
        EXPECT_FALSE(profile->FamousPersons.empty()) << sign;
    }
}
