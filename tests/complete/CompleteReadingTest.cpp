#include "complete/CompleteReading.h"

#include <gtest/gtest.h>

using namespace velmora::complete;
using namespace std::chrono;

namespace {

CompletePerson person(std::u16string name, year_month_day date, int bloodType = kNoBloodType)
{
    return {{std::move(name), date}, bloodType};
}

} // namespace

// A file name offered for saving: characters no file name may hold become
// "_", blanks and dots around a name go, and a long name is cut without
// splitting a character made of two UTF-16 units.
TEST(DefaultFileName, IsSafeOnEveryDesktop)
{
    const std::u16string longName(60, u'x');
    std::u16string cutInPair(49, u'y');
    cutInPair += u"\U0001F600z";
    const struct {
        std::u16string user;
        std::u16string partner;
        std::u16string expected;
    } cases[] = {
        {u"Anna", u"Tom", u"Anna and Tom"},
        {u"a/b\\c:d", u"*?\"<>|", u"a_b_c_d and ______"},
        {u"tab\there", u"line\nbreak", u"tab_here and line_break"},
        {u"..hidden", u"Tom. ", u"hidden and Tom"},
        {u"Zoë", u"Łukasz", u"Zoë and Łukasz"},
        {longName, u"Tom", std::u16string(50, u'x') + u" and Tom"},
        {cutInPair, u"Tom", std::u16string(49, u'y') + u" and Tom"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultFileName(c.user, c.partner), c.expected);
}

// A blood type not given leaves the Japanese row without a match and that
// person without facts; the other person keeps theirs.
TEST(CompleteReading, BloodTypeNotKnownGivesNoMatch)
{
    for (const auto& [user, partner] : {std::pair{kNoBloodType, kNoBloodType}, std::pair{0, kNoBloodType},
                                        std::pair{kNoBloodType, 7}}) {
        const CompleteReadingRecord reading = CalculateCompleteReading(person(u"Anna", 1980y / March / 5, user),
                                                                       person(u"Tom", 1978y / August / 2, partner));
        const SummaryRow row = SummaryRows(reading)[3];
        EXPECT_EQ(row.pairLines, std::vector<std::string>{std::string(kBloodTypesNotGiven)});
        EXPECT_EQ(row.userSign, user == kNoBloodType ? "Not known" : "A+");
        EXPECT_EQ(row.partnerSign, partner == kNoBloodType ? "Not known" : "O-");
        const SystemSection section = Sections(reading)[3];
        EXPECT_EQ(section.user.facts.empty(), user == kNoBloodType);
        EXPECT_EQ(section.partner.facts.empty(), partner == kNoBloodType);
    }
}

// Every section names each person's sign, offers the pair's description
// where the calculator has one, and gives short facts only: no fact of a
// section is one of its calculator's paragraphs.
TEST(CompleteReading, SectionsHoldSignsDescriptionsAndShortFacts)
{
    const CompleteReadingRecord reading =
        CalculateCompleteReading(person(u"Anna", 1990y / January / 25, 2), person(u"Tom", 1990y / January / 10, 5));
    const std::array<SystemSection, 4> sections = Sections(reading);
    EXPECT_EQ(sections[0].user.sign, "Aquarius");
    EXPECT_EQ(sections[0].partner.sign, "Capricorn");
    EXPECT_EQ(sections[1].user.sign, "Earth Snake");
    EXPECT_EQ(sections[2].user.sign, "Mut");
    EXPECT_EQ(sections[2].partner.sign, "Amon Ra");
    EXPECT_EQ(sections[2].partner.picture, ":/egyptian/signs/AmonRa.svg");
    EXPECT_EQ(sections[3].user.sign, "B+");
    EXPECT_EQ(sections[3].partner.sign, "AB-");
    EXPECT_EQ(sections[0].pairDescription, reading.Western.Pair.MatchDescription);
    EXPECT_EQ(sections[1].pairDescription, reading.Chinese.MatchingDescription);
    EXPECT_FALSE(sections[0].pairDescription.empty());
    EXPECT_FALSE(sections[1].pairDescription.empty());
    EXPECT_TRUE(sections[2].pairDescription.empty());
    EXPECT_TRUE(sections[3].pairDescription.empty());
    const std::string_view paragraphs[] = {
        reading.Western.UserProfile.PositiveTraits, reading.Chinese.UserProfile[velmora::chinese::PositiveTraits],
        reading.Egyptian.User.Profile.Description, reading.Egyptian.User.Profile.Characteristics,
        reading.Japanese.UserProfile.Characteristics};
    for (const SystemSection& section : sections) {
        EXPECT_FALSE(section.user.facts.empty()) << section.heading;
        for (const velmora::kit::Fact& fact : section.user.facts) {
            EXPECT_FALSE(fact.caption.empty());
            EXPECT_FALSE(fact.value.empty()) << section.heading << ": " << fact.caption;
            EXPECT_FALSE(fact.caption.ends_with(":-")) << fact.caption;
            for (std::string_view paragraph : paragraphs)
                EXPECT_NE(fact.value, paragraph) << section.heading << ": " << fact.caption;
        }
    }
}
