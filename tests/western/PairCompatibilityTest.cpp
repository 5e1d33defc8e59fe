#include "western/Lookups.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

constexpr std::array<const char*, 12> kSigns = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                                "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius",
                                                "Pisces"};

std::string_view code(int user, int partner)
{
    return velmora::western::FindPairResult(kSigns[static_cast<std::size_t>(user)],
                               kSigns[static_cast<std::size_t>(partner)])
        ->MatchCode;
}

} // namespace

TEST(PairCompatibility, TheSpecialCodesSitOnTheDiagonalAndBetweenOppositeSigns)
{
    for (int sign = 0; sign < 12; ++sign)
        EXPECT_EQ(code(sign, sign), sign == 11 ? "1,4" : "1,5") << kSigns[static_cast<std::size_t>(sign)];
    EXPECT_EQ(code(0, 6), "1,5");
    EXPECT_EQ(code(1, 7), "1,5");
    EXPECT_EQ(code(2, 8), "1,5");
    EXPECT_EQ(code(3, 9), "1,4");
    EXPECT_EQ(code(4, 10), "1,4");
    EXPECT_EQ(code(5, 11), "1,5");
    EXPECT_EQ(code(11, 5), "1,4");
    for (int user = 0; user < 12; ++user) {
        for (int partner = 0; partner < 12; ++partner) {
            if (user != partner && (user - partner + 12) % 12 != 6) {
                EXPECT_EQ(code(user, partner).find(','), std::string_view::npos) << user << "," << partner;
            }
        }
    }
}

TEST(PairCompatibility, ExactlyTwentyTwoPairsDependOnWhoIsTheUser)
{
    int ordered = 0;
    for (int user = 0; user < 12; ++user)
        for (int partner = user + 1; partner < 12; ++partner)
            ordered += code(user, partner) != code(partner, user) ? 1 : 0;
    EXPECT_EQ(ordered, 22);
}

struct Example {
    const char* user;
    const char* partner;
    const char* code;
    const char* percentage;
    const char* comment;
};

class PairExamples : public ::testing::TestWithParam<Example> {};

TEST_P(PairExamples, GiveCodePercentageAndComment)
{
    const Example& e = GetParam();
    const velmora::western::PairResult* found = velmora::western::FindPairResult(e.user, e.partner);
    ASSERT_NE(found, nullptr);
    const velmora::western::PairResult& pair = *found;
    EXPECT_EQ(pair.MatchCode, e.code);
    EXPECT_EQ(pair.MatchPercentage, e.percentage);
    EXPECT_EQ(pair.MatchComment, e.comment);
    EXPECT_FALSE(pair.MatchDescription.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PairExamples,
    ::testing::Values(
        Example{"Aries", "Aries", "1,5", "", "A Special Match - This could be a Great Match or a Difficult Match"},
        Example{"Pisces", "Pisces", "1,4", "", "A Special Match"},
        Example{"Taurus", "Virgo", "5", "100%", "An Excellent Match"},
        Example{"Virgo", "Taurus", "4", "80%", "A Great Match"},
        Example{"Aries", "Cancer", "1", "20%", "A Poor Match"},
        Example{"Cancer", "Aries", "2", "40%", "A Difficult Match"},
        Example{"Aries", "Leo", "3", "60%", "An Easy Match"},
        Example{"Leo", "Aries", "5", "100%", "An Excellent Match"}));

TEST(PairCompatibility, APairWithANameThatIsNoSignHasNoReading)
{
    EXPECT_EQ(velmora::western::FindPairResult("Taurus", ""), nullptr);
    EXPECT_EQ(velmora::western::FindPairResult("", "Virgo"), nullptr);
    EXPECT_EQ(velmora::western::FindPairResult("taurus", "Virgo"), nullptr);
}
