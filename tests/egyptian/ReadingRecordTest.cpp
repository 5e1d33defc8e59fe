#include "egyptian/EgyptianReading.h"

#include <gtest/gtest.h>

#include <string>
using namespace std::chrono;
using velmora::egyptian::CalculateEgyptianReading;
using velmora::egyptian::EgyptianPersonReading;
using velmora::egyptian::EgyptianReadingRecord;
using velmora::kit::BirthDetails;

namespace {

constexpr std::string_view kYes = "You both are very highly compatible";
constexpr std::string_view kNo = "You both are not very compatible";

struct Case {
    const char* name;
    year_month_day user;
    year_month_day partner;
    std::string_view userSign;    // empty: no sign
    std::string_view partnerSign;
    std::string_view verdict;     // the user's list consulted
    std::string_view partnerVerdict;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class EgyptianReadingTable : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(EgyptianReadingTable, FindsBothSignsAndTheVerdictInEachDirection)
{
    const Case& c = GetParam();
    const BirthDetails user{u"ANN", c.user};
    const BirthDetails partner{u"R&B <b>BO</b>", c.partner};
    const EgyptianReadingRecord record = CalculateEgyptianReading(user, partner);

    EXPECT_EQ(record.User.Name, u"ANN");
    EXPECT_EQ(record.Partner.Name, u"R&B <b>BO</b>");
    EXPECT_EQ(record.User.BirthDate, c.user);
    EXPECT_EQ(record.Partner.BirthDate, c.partner);
    for (const auto& [person, sign] : {std::pair{&record.User, c.userSign}, std::pair{&record.Partner, c.partnerSign}}) {
        EXPECT_EQ(person->SignName, sign);
        EXPECT_EQ(person->Sign.has_value(), !sign.empty());
        // The profile is the sign's own, or empty where there is no sign.
        const velmora::egyptian::EgyptianProfile expected = person->Sign ? velmora::egyptian::GetEgyptianProfile(*person->Sign)
                                                           : velmora::egyptian::EgyptianProfile{};
        for (const velmora::egyptian::ReadingField& field : velmora::egyptian::kReadingFields)
            EXPECT_EQ(person->Profile.*field.field, expected.*field.field) << field.label;
        if (person->Sign) {
            EXPECT_EQ(velmora::egyptian::DisplayName(*person->Sign), sign);
        }
    }
    EXPECT_EQ(record.Verdict, c.verdict);
    EXPECT_EQ(record.PartnerVerdict, c.partnerVerdict);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, EgyptianReadingTable,
    ::testing::Values(
        Case{"DefaultsTheNileTwice", 1950y / January / 1, 1950y / January / 1, "The Nile", "The Nile", kNo, kNo},
        Case{"AmonRaWithHorusOneWay", 1970y / January / 15, 1971y / April / 25, "Amon Ra", "Horus", kYes, kNo},
        Case{"HorusWithAmonRa", 1971y / April / 25, 1970y / January / 15, "Horus", "Amon Ra", kNo, kYes},
        Case{"AmonRaWithTheNileBothWays", 1970y / February / 11, 1970y / November / 26, "Amon Ra", "The Nile",
             kYes, kYes},
        Case{"BastetTwiceFromTwoStretches", 1960y / September / 25, 1962y / October / 10, "Bastet", "Bastet", kNo,
             kNo},
        Case{"AnubisWithIsisOneWay", 1960y / May / 15, 1962y / October / 20, "Anubis", "Isis", kYes, kNo},
        Case{"LeapDayIsGeb", 2000y / February / 29, 1952y / February / 29, "Geb", "Geb", kNo, kNo},
        Case{"LastDaysOfTheYearAndOfMarch", 2099y / December / 31, 1900y / March / 31, "Isis", "Isis", kNo, kNo},
        // Dates that do not exist have no sign, and no verdict is given.
        Case{"UserBornOnAMissingLeapDay", 1951y / February / 29, 1950y / January / 1, "", "The Nile", "", ""},
        Case{"PartnerBornOn31April", 1950y / January / 1, 1950y / April / 31, "The Nile", "", "", ""},
        Case{"NoLeapDayIn1900", 1900y / February / 29, 1900y / February / 30, "", "", "", ""}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
