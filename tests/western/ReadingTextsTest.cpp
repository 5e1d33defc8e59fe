#include "content/western/WesternTexts.h"
#include "western/Lookups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>
namespace texts = velmora::content::western;

namespace {

constexpr std::array<const char*, 12> kSigns = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                                "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius",
                                                "Pisces"};

bool hasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The text with every sign name blanked out: two pairs' texts that agree
// here are one template with the names swapped.
std::string withoutSignNames(std::string text)
{
    for (const char* sign : kSigns) {
        for (std::size_t at = text.find(sign); at != std::string::npos; at = text.find(sign, at))
            text.replace(at, std::string_view(sign).size(), "#");
    }
    return text;
}

std::set<std::string> words(std::string_view text)
{
    std::set<std::string> out;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;)
        out.insert(word);
    return out;
}

double sharedWords(std::string_view a, std::string_view b)
{
    const std::set<std::string> left = words(a);
    const std::set<std::string> right = words(b);
    std::size_t common = 0;
    for (const std::string& word : left)
        common += right.count(word);
    return static_cast<double>(common) / static_cast<double>(std::max(left.size(), right.size()));
}

} // namespace

TEST(ReadingTexts, SignProfilesHaveTheirShape)
{
    for (const texts::SignTexts& sign : texts::kSignTexts) {
        SCOPED_TRACE(std::string(sign.sign));
        EXPECT_GE(sign.positiveTraits.size(), 500u);
        EXPECT_LE(sign.positiveTraits.size(), 900u);
        EXPECT_GE(sign.negativeTraits.size(), 330u);
        EXPECT_LE(sign.negativeTraits.size(), 650u);
        EXPECT_NE(sign.positiveTraits.find("You"), std::string_view::npos);
        EXPECT_NE(sign.negativeTraits.find("You"), std::string_view::npos);
        for (std::string_view text : {sign.positiveTraits, sign.negativeTraits, sign.famousPersons})
            EXPECT_FALSE(hasLineBreak(text));

        std::size_t names = 1;
        for (std::size_t at = sign.famousPersons.find(", "); at != std::string_view::npos;
             at = sign.famousPersons.find(", ", at + 2))
            ++names;
        EXPECT_GE(names, 5u);
        EXPECT_LE(names, 7u);
        EXPECT_EQ(sign.famousPersons.find(",,"), std::string_view::npos);
    }
}

TEST(ReadingTexts, EveryOrderedPairHasADescriptionNamingBothSigns)
{
    for (const char* user : kSigns) {
        for (const char* partner : kSigns) {
            SCOPED_TRACE(std::string(user) + "-" + partner);
            const std::string_view text = velmora::western::FindPairResult(user, partner)->MatchDescription;
            EXPECT_GE(text.size(), 780u);
            EXPECT_LE(text.size(), 1230u);
            EXPECT_FALSE(hasLineBreak(text));
            EXPECT_NE(text.find(user), std::string_view::npos);
            EXPECT_NE(text.find(partner), std::string_view::npos);
        }
    }
}

TEST(ReadingTexts, NinetyFourTextsWithSixteenPairsWordedTwice)
{
    std::set<std::string_view> distinct;
    int wordedTwice = 0;
    for (std::size_t user = 0; user < kSigns.size(); ++user) {
        for (std::size_t partner = 0; partner < kSigns.size(); ++partner) {
            const std::string_view text = velmora::western::FindPairResult(kSigns[user], kSigns[partner])->MatchDescription;
            distinct.insert(text);
            const std::string_view reverse = velmora::western::FindPairResult(kSigns[partner], kSigns[user])->MatchDescription;
            if (partner > user && text != reverse) {
                ++wordedTwice;
                EXPECT_GT(sharedWords(text, reverse), 0.4) << "two wordings of one paragraph: " << kSigns[user]
                                                           << "-" << kSigns[partner];
            }
        }
    }
    EXPECT_EQ(distinct.size(), 94u);
    EXPECT_EQ(wordedTwice, 16);
}

TEST(ReadingTexts, NoDescriptionIsAnotherWithTheNamesSwapped)
{
    std::set<std::string> shapes;
    for (const texts::PairText& pair : texts::kPairTexts) {
        EXPECT_TRUE(shapes.insert(withoutSignNames(std::string(pair.text))).second) << pair.first << "-" << pair.second;
        if (!pair.reverseText.empty()) {
            EXPECT_TRUE(shapes.insert(withoutSignNames(std::string(pair.reverseText))).second)
                << pair.second << "-" << pair.first;
        }
    }
}

namespace {

// The words a pair text uses to judge the match, each with the words of the
// rating labels it agrees with ("hard" is said of poor and difficult matches
// alike).
struct VerdictWord {
    std::string_view word;
    std::array<std::string_view, 2> labelWords;
};
constexpr std::array<VerdictWord, 9> kVerdictWords = {{
    {"poor", {"Poor", ""}},
    {"difficult", {"Difficult", ""}},
    {"easy", {"Easy", ""}},
    {"great", {"Great", ""}},
    {"excellent", {"Excellent", ""}},
    {"special", {"Special", ""}},
    {"hard", {"Poor", "Difficult"}},
    {"demanding", {"Poor", "Difficult"}},
    {"trying", {"Poor", "Difficult"}},
}};

std::vector<std::string> lowerCaseWords(std::string_view sentence)
{
    std::vector<std::string> out;
    std::string word;
    for (const char c : sentence) {
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '-') {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            out.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        out.push_back(word);
    return out;
}

// The verdict words of the sentences that speak of the match or the pairing.
std::vector<const VerdictWord*> verdictsOf(std::string_view text)
{
    std::vector<const VerdictWord*> verdicts;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find_first_of(".;:!?", start), text.size());
        const std::vector<std::string> sentence = lowerCaseWords(text.substr(start, end - start));
        start = end + 1;
        const auto says = [&sentence](std::string_view word) {
            return std::find(sentence.begin(), sentence.end(), word) != sentence.end();
        };
        if (!says("match") && !says("pairing"))
            continue;
        for (const VerdictWord& verdict : kVerdictWords) {
            if (says(verdict.word))
                verdicts.push_back(&verdict);
        }
    }
    return verdicts;
}

bool fits(const VerdictWord& verdict, std::string_view label)
{
    return std::any_of(verdict.labelWords.begin(), verdict.labelWords.end(), [label](std::string_view word) {
        return !word.empty() && label.find(word) != std::string_view::npos;
    });
}

} // namespace

// A text worded once for both orders must suit the rating of each order, so
// where the two ratings differ it names a verdict that fits both, or none.
TEST(ReadingTexts, EveryVerdictAgreesWithTheRatingOfEachOrderThatShowsIt)
{
    std::map<std::string_view, std::vector<std::string>> shownWith; // text -> "user-partner: label"
    for (const char* user : kSigns) {
        for (const char* partner : kSigns) {
            const velmora::western::PairResult* pair = velmora::western::FindPairResult(user, partner);
            shownWith[pair->MatchDescription].push_back(std::string(user) + "-" + partner + ": "
                                                        + std::string(pair->MatchComment));
        }
    }
    std::size_t judged = 0;
    for (const auto& [text, orders] : shownWith) {
        const std::vector<const VerdictWord*> verdicts = verdictsOf(text);
        judged += verdicts.empty() ? 0 : 1;
        for (const VerdictWord* verdict : verdicts) {
            for (const std::string& order : orders) {
                EXPECT_TRUE(fits(*verdict, order.substr(order.find(": "))))
                    << order << " reads \"" << verdict->word << "\"";
            }
        }
    }
    EXPECT_GT(judged, 40u) << "the verdicts are found";
}
