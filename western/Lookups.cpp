#include "western/Lookups.h"

#include "content/TableKeys.h"
#include "content/western/WesternTexts.h"

#include <algorithm>
#include <array>

namespace velmora::western {
namespace {

namespace texts = content::western;

constexpr std::array<std::string_view, 12> kSigns = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                                     "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius",
                                                     "Pisces"};
static_assert(content::AllDistinct(kSigns));

constexpr int indexOfSign(std::string_view sign) noexcept
{
    for (std::size_t i = 0; i < kSigns.size(); ++i) {
        if (kSigns[i] == sign)
            return static_cast<int>(i);
    }
    return -1;
}

// Each month changes sign on its threshold day, in calendar order.
struct MonthThreshold {
    int threshold;
    std::string_view earlierSign;
    std::string_view laterSign;
};

constexpr std::array<MonthThreshold, 12> kMonths = {{
    {20, "Capricorn", "Aquarius"},     // January
    {19, "Aquarius", "Pisces"},        // February
    {21, "Pisces", "Aries"},           // March
    {21, "Aries", "Taurus"},           // April
    {21, "Taurus", "Gemini"},          // May
    {21, "Gemini", "Cancer"},          // June
    {21, "Cancer", "Leo"},             // July
    {21, "Leo", "Virgo"},              // August
    {21, "Virgo", "Libra"},            // September
    {21, "Libra", "Scorpio"},          // October
    {21, "Scorpio", "Sagittarius"},    // November
    {21, "Sagittarius", "Capricorn"},  // December
}};

// The months name signs, and each month begins with the sign the month before
// it ends with.
constexpr bool monthsFollowTheZodiac() noexcept
{
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        const MonthThreshold& next = kMonths[(i + 1) % kMonths.size()];
        if (indexOfSign(kMonths[i].earlierSign) < 0 || kMonths[i].laterSign != next.earlierSign)
            return false;
    }
    return true;
}
static_assert(monthsFollowTheZodiac());

// The short facts of each profile, in zodiac order.
struct ProfileFacts {
    std::string_view element, rulingPlanet, quality, luckyNumber, luckyColor, luckyDay, birthStone, compatibility;
};

constexpr std::array<ProfileFacts, 12> kFacts = {{
    // element  ruling planet          quality     lucky no.  colour                 day          stone         compatibility
    {"Fire", "Mars", "Cardinal", "9", "Red", "Tuesday", "Diamond", "Leo & Sagittarius"},
    {"Earth", "Venus", "Fixed", "6", "Green", "Friday", "Emerald", "Capricorn & Virgo"},
    {"Air", "Mercury", "Mutable", "5", "Yellow", "Wednesday", "Agate", "Aquarius & Libra"},
    {"Water", "The Moon", "Cardinal", "2", "Silver", "Monday", "Pearl", "Pisces & Scorpio"},
    {"Fire", "The Sun", "Fixed", "8 & 9", "Gold", "Sunday", "Ruby", "Aries & Sagittarius"},
    {"Earth", "Mercury", "Mutable", "3 & 5", "Blue", "Wednesday", "Sapphire", "Capricorn & Taurus"},
    {"Air", "Venus", "Cardinal", "6 & 9", "Blue", "Friday", "Opal", "Aquarius and Gemini"},
    {"Water", "Pluto and Mars", "Fixed", "2 & 4", "Burgundy and Black", "Tuesday", "Topaz", "Cancer & Pisces"},
    {"Fire", "Jupiter", "Mutable", "5 & 7", "Purple", "Thursday", "Turquoise", "Aries & Leo"},
    {"Earth", "Saturn", "Cardinal", "8, 2", "Brown", "Saturday", "Garnet", "Taurus & Virgo"},
    {"Air", "Uranus and Saturn", "Fixed", "1, 7", "Violet", "Wednesday", "Amethyst", "Gemini & Libra"},
    {"Water", "Neptune and Jupiter", "Mutable", "2, 6", "Sea green", "Friday", "Aquamarine", "Cancer & Scorpio"},
}};

struct RatingCode {
    std::string_view code;
    std::string_view percentage;
    std::string_view comment;
};

constexpr std::array<RatingCode, 7> kCodes = {{
    {"1", "20%", "A Poor Match"},
    {"2", "40%", "A Difficult Match"},
    {"3", "60%", "An Easy Match"},
    {"4", "80%", "A Great Match"},
    {"5", "100%", "An Excellent Match"},
    {"1,4", "", "A Special Match"},
    {"1,5", "", "A Special Match - This could be a Great Match or a Difficult Match"},
}};

// The signs' pictures, in zodiac order, and the picture of no sign.
constexpr std::array<std::string_view, 12> kPictures = {
    ":/western/signs/Aries.svg",       ":/western/signs/Taurus.svg",    ":/western/signs/Gemini.svg",
    ":/western/signs/Cancer.svg",      ":/western/signs/Leo.svg",       ":/western/signs/Virgo.svg",
    ":/western/signs/Libra.svg",       ":/western/signs/Scorpio.svg",   ":/western/signs/Sagittarius.svg",
    ":/western/signs/Capricorn.svg",   ":/western/signs/Aquarius.svg",  ":/western/signs/Pisces.svg"};
constexpr std::string_view kDefaultPicture = ":/western/signs/default.svg";

// Each picture is its sign's.
constexpr bool picturesFollowTheSigns() noexcept
{
    for (std::size_t i = 0; i < kSigns.size(); ++i) {
        const std::string_view file = kPictures[i].substr(std::string_view(":/western/signs/").size());
        if (!file.starts_with(kSigns[i]) || file.substr(kSigns[i].size()) != ".svg")
            return false;
    }
    return true;
}
static_assert(picturesFollowTheSigns());

// Rating code by the user's sign (rows) and the partner's (columns), as
// positions in kCodes: 0 "1" ... 4 "5", S4 = "1,4", S5 = "1,5".
constexpr int S4 = 5;
constexpr int S5 = 6;
constexpr std::array<std::array<int, 12>, 12> kRatings = {{
    //        Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis
    /* Ari */ {S5, 1, 2, 0, 2, 0, S5, 1, 2, 1, 2, 1},
    /* Tau */ {1, S5, 0, 3, 0, 4, 1, S5, 0, 3, 0, 3},
    /* Gem */ {2, 0, S5, 1, 2, 0, 4, 1, S5, 0, 2, 0},
    /* Can */ {1, 2, 1, S5, 0, 2, 0, 3, 0, S4, 0, 4},
    /* Leo */ {4, 0, 3, 0, S5, 1, 3, 1, 3, 0, S4, 0},
    /* Vir */ {0, 3, 0, 2, 1, S5, 0, 2, 0, 4, 1, S5},
    /* Lib */ {S5, 1, 4, 1, 2, 1, S5, 1, 2, 1, 3, 1},
    /* Sco */ {1, S5, 1, 4, 1, 2, 1, S5, 0, 2, 0, 3},
    /* Sag */ {3, 0, S5, 1, 4, 0, 2, 0, S5, 0, 3, 0},
    /* Cap */ {1, 4, 1, S4, 1, 4, 1, 2, 0, S5, 0, 2},
    /* Aqu */ {2, 0, 4, 0, S4, 1, 4, 0, 3, 0, S5, 0},
    /* Pis */ {0, 2, 0, 3, 0, S4, 1, 4, 0, 2, 0, S4},
}};

// Every sign has its prose in the row of its position.
static_assert(content::KeyedInOrder(texts::kSignTexts, &texts::SignTexts::sign, kSigns));

// The profiles: the facts with the prose of the same position.
constexpr std::array<SignProfile, 12> kProfiles = [] {
    std::array<SignProfile, 12> profiles{};
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const ProfileFacts& f = kFacts[i];
        const texts::SignTexts& prose = texts::kSignTexts[i];
        profiles[i] = {.Element = f.element,
                       .RulingPlanet = f.rulingPlanet,
                       .PositiveTraits = prose.positiveTraits,
                       .NegativeTraits = prose.negativeTraits,
                       .LuckyNumber = f.luckyNumber,
                       .LuckyColor = f.luckyColor,
                       .LuckyDay = f.luckyDay,
                       .Compatibility = f.compatibility,
                       .FamousPersons = prose.famousPersons,
                       .BirthStone = f.birthStone,
                       .Quality = f.quality};
    }
    return profiles;
}();

// The row of the pair texts that holds the unordered pair of the signs at
// positions a and b: the rows of the earlier signs come first, each sign with
// itself and every later sign.
constexpr std::size_t pairTextRow(std::size_t a, std::size_t b) noexcept
{
    const std::size_t first = std::min(a, b);
    const std::size_t second = std::max(a, b);
    return first * (2 * kSigns.size() - first + 1) / 2 + (second - first);
}

// Each pair of signs has its row, with a text: rows of distinct pairs carry
// distinct signs, so the 78 pairs fill the 78 rows once each.
constexpr bool everyPairHasItsText() noexcept
{
    for (std::size_t first = 0; first < kSigns.size(); ++first) {
        for (std::size_t second = first; second < kSigns.size(); ++second) {
            const texts::PairText& row = texts::kPairTexts[pairTextRow(first, second)];
            if (row.first != kSigns[first] || row.second != kSigns[second] || row.text.empty())
                return false;
        }
    }
    return true;
}
static_assert(everyPairHasItsText());

// All 144 readings, by the user's position and then the partner's.
constexpr std::array<PairResult, 144> kPairs = [] {
    std::array<PairResult, 144> pairs{};
    for (std::size_t user = 0; user < kSigns.size(); ++user) {
        for (std::size_t partner = 0; partner < kSigns.size(); ++partner) {
            const RatingCode& code = kCodes[static_cast<std::size_t>(kRatings[user][partner])];
            const texts::PairText& prose = texts::kPairTexts[pairTextRow(user, partner)];
            const bool readReversed = user > partner && !prose.reverseText.empty();
            pairs[user * kSigns.size() + partner] = {code.code, code.percentage, code.comment,
                                                     readReversed ? prose.reverseText : prose.text};
        }
    }
    return pairs;
}();

} // namespace

std::string_view GetSunSign(std::chrono::year_month_day birthDate) noexcept
{
    const unsigned month = static_cast<unsigned>(birthDate.month());
    if (month < 1 || month > kMonths.size())
        return {};
    const MonthThreshold& row = kMonths[month - 1];
    return static_cast<int>(static_cast<unsigned>(birthDate.day())) >= row.threshold ? row.laterSign
                                                                                   : row.earlierSign;
}

const SignProfile* FindSignProfile(std::string_view sign) noexcept
{
    const int index = indexOfSign(sign);
    return index < 0 ? nullptr : &kProfiles[static_cast<std::size_t>(index)];
}

std::string_view SignPicture(std::string_view sign) noexcept
{
    const int index = indexOfSign(sign);
    return index < 0 ? kDefaultPicture : kPictures[static_cast<std::size_t>(index)];
}

const PairResult* FindPairResult(std::string_view userSign, std::string_view partnerSign) noexcept
{
    const int user = indexOfSign(userSign);
    const int partner = indexOfSign(partnerSign);
    if (user < 0 || partner < 0)
        return nullptr;
    return &kPairs[static_cast<std::size_t>(user) * kSigns.size() + static_cast<std::size_t>(partner)];
}

} // namespace velmora::western
